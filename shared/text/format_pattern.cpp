#include "shared/text/format_pattern.h"

#include "shared/text/number_text.h"

#include <cstdlib>

namespace shared {

namespace {

// Left-pads a digit run with zeros to the count the "0" placeholders demand.
std::string PadToMinimum(std::string digits, int minimum) {
    if (static_cast<int>(digits.size()) < minimum) {
        digits.insert(0, static_cast<std::size_t>(minimum) - digits.size(), '0');
    }
    return digits;
}

// A run of "0"s must show from the leftmost "0" to the right end.
int MinimumLeadingDigits(int count, int firstZero) {
    return firstZero < 0 ? 0 : count - firstZero;
}

}  // namespace

FormatPattern::FormatPattern(std::string_view pattern) {
    Parse(pattern);
}

void FormatPattern::AddLiteral(std::string_view text) {
    if (text.empty()) {
        return;
    }
    if (!items_.empty() && items_.back().kind == Kind::Literal) {
        items_.back().text += text;
        return;
    }
    items_.push_back({Kind::Literal, '\0', std::string(text)});
}

void FormatPattern::AddPlaceholder(Kind kind, char symbol, Placeholders& group) {
    if (symbol == '0') {
        if (group.firstZero < 0) {
            group.firstZero = group.count;
        }
        group.lastZero = group.count;
    }
    ++group.count;
    items_.push_back({kind, symbol, {}});
    hasDigits_ = true;
}

void FormatPattern::Parse(std::string_view pattern) {
    enum class Section { Integer, Fraction, Exponent };
    Section section = Section::Integer;
    std::vector<int> commasAfter;  // integer placeholders standing before each comma

    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        switch (c) {
            case '0':
            case '#':
                if (section == Section::Integer) {
                    AddPlaceholder(Kind::IntegerDigit, c, integer_);
                } else if (section == Section::Fraction) {
                    AddPlaceholder(Kind::FractionDigit, c, fraction_);
                } else {
                    AddPlaceholder(Kind::ExponentDigit, c, exponent_);
                }
                break;
            case '.':
                if (section == Section::Integer) {
                    items_.push_back({Kind::DecimalPoint, c, {}});
                    section = Section::Fraction;
                } else {
                    AddLiteral(".");
                }
                break;
            case ',':
                if (section == Section::Integer && integer_.count > 0) {
                    commasAfter.push_back(integer_.count);
                } else {
                    AddLiteral(",");
                }
                break;
            case 'E':
            case 'e': {
                const bool signFollows =
                    i + 1 < pattern.size() && (pattern[i + 1] == '+' || pattern[i + 1] == '-');
                if (section != Section::Exponent && hasDigits_ && signFollows) {
                    exponentSignAlways_ = pattern[i + 1] == '+';
                    items_.push_back({Kind::ExponentMark, c, {}});
                    hasExponent_ = true;
                    section = Section::Exponent;
                    ++i;
                } else {
                    AddLiteral(pattern.substr(i, 1));
                }
                break;
            }
            case '%':
                powerOfTen_ += 2;
                AddLiteral("%");
                break;
            case '\\':
                if (i + 1 < pattern.size()) {
                    AddLiteral(pattern.substr(i + 1, 1));
                    ++i;
                }
                break;
            case '"': {
                auto close = pattern.find('"', i + 1);
                if (close == std::string_view::npos) {
                    close = pattern.size();
                }
                AddLiteral(pattern.substr(i + 1, close - i - 1));
                i = close;
                break;
            }
            default:
                AddLiteral(pattern.substr(i, 1));
                break;
        }
    }
    ClassifyCommas(commasAfter);

    // A pattern such as ".00" still has to show the integer digits of 12.5 somewhere:
    // they go before the separator, as if a "#" stood there.
    if (hasDigits_ && !hasExponent_ && integer_.count == 0) {
        for (auto it = items_.begin(); it != items_.end(); ++it) {
            if (it->kind == Kind::DecimalPoint) {
                items_.insert(it, {Kind::IntegerDigit, '#', {}});
                integer_.count = 1;
                break;
            }
        }
    }
}

void FormatPattern::ClassifyCommas(const std::vector<int>& commasAfter) {
    for (const int before : commasAfter) {
        if (before < integer_.count) {
            grouping_ = true;
        } else {
            powerOfTen_ -= 3;
        }
    }
}

void FormatPattern::EmitDigit(std::string& out, const std::string& digits, int count, int index,
                              char groupSeparator) {
    const int size = static_cast<int>(digits.size());
    const int last = index + size - count;  // the digit this placeholder holds
    const int first = index == 0 ? 0 : last;
    for (int i = first < 0 ? 0 : first; i <= last; ++i) {
        out += digits[static_cast<std::size_t>(i)];
        if (groupSeparator != '\0' && i < size - 1 && (size - 1 - i) % 3 == 0) {
            out += groupSeparator;
        }
    }
}

std::string FormatPattern::Apply(DecimalDigits number, char separator) const {
    number.Shift(powerOfTen_);

    int exponent = 0;
    if (hasExponent_) {
        // The mantissa fills exactly the integer placeholders; a carry of the rounding
        // (9.995 -> 10.00) moves one more place into the exponent.
        exponent = number.NormaliseTo(integer_.count);
        number.RoundToDecimals(fraction_.count);
        exponent += number.NormaliseTo(integer_.count);
    } else {
        number.RoundToDecimals(fraction_.count);
    }

    const std::string integerDigits =
        PadToMinimum(number.IntegerDigits(), MinimumLeadingDigits(integer_.count, integer_.firstZero));
    std::string fractionDigits = number.FractionDigits(fraction_.count);
    const auto fractionMinimum = static_cast<std::size_t>(fraction_.lastZero + 1);
    while (fractionDigits.size() > fractionMinimum && fractionDigits.back() == '0') {
        fractionDigits.pop_back();
    }
    // An exponent always shows at least one digit, also under "#": "1.13E+" would
    // read as a cut-off number, "1.13E+0" reads as what it is.
    const std::string exponentDigits = PadToMinimum(
        std::to_string(std::abs(exponent)), MinimumLeadingDigits(exponent_.count, exponent_.firstZero));

    // A value that rounds to nothing but zeros shows no minus sign.
    std::string out = hasDigits_ && number.Negative() && !number.IsZero() ? "-" : "";
    const char groupSeparator = grouping_ ? GroupSeparatorFor(separator) : '\0';
    int integerIndex = 0;
    std::size_t fractionIndex = 0;
    int exponentIndex = 0;
    for (const Item& item : items_) {
        switch (item.kind) {
            case Kind::Literal:
                out += item.text;
                break;
            case Kind::IntegerDigit:
                EmitDigit(out, integerDigits, integer_.count, integerIndex++, groupSeparator);
                break;
            case Kind::DecimalPoint:
                out += separator;
                break;
            case Kind::FractionDigit:
                if (fractionIndex < fractionDigits.size()) {
                    out += fractionDigits[fractionIndex];
                }
                ++fractionIndex;
                break;
            case Kind::ExponentMark:
                out += item.symbol;
                if (exponent < 0) {
                    out += '-';
                } else if (exponentSignAlways_) {
                    out += '+';
                }
                break;
            case Kind::ExponentDigit:
                EmitDigit(out, exponentDigits, exponent_.count, exponentIndex++, '\0');
                break;
        }
    }
    return out;
}

}  // namespace shared
