#include "shared/text/number_text.h"

#include <charconv>
#include <optional>
#include <string>
#include <system_error>

namespace shared {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number text checked and rewritten into the form std::from_chars reads ("." as
// separator, no "+", no blanks). std::from_chars is used because it ignores the process
// locale, which the toolkit sets from the environment.
struct NumberSyntax {
    std::string text;
    bool negative = false;
    // Power of ten of the leading non-zero digit, to tell an overflow from an underflow
    // when the conversion reports a result out of range.
    long magnitude = 0;
};

std::optional<NumberSyntax> ReadSyntax(std::string_view text, char separator) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    const std::string_view body = text.substr(begin, end - begin);

    NumberSyntax syntax;
    std::size_t i = 0;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
        syntax.negative = body[i] == '-';
        if (syntax.negative) {
            syntax.text += '-';
        }
        ++i;
    }

    long leadingPower = 0;
    bool nonZeroSeen = false;
    const std::size_t integerStart = i;
    while (i < body.size() && IsDigit(body[i])) {
        ++i;
    }
    const std::string_view integerPart = body.substr(integerStart, i - integerStart);
    syntax.text += integerPart;
    std::size_t digitCount = integerPart.size();
    if (const auto first = integerPart.find_first_not_of('0'); first != std::string_view::npos) {
        nonZeroSeen = true;
        leadingPower = static_cast<long>(integerPart.size() - first) - 1;
    }
    if (i < body.size() && body[i] == separator) {
        syntax.text += '.';
        ++i;
        for (long place = 1; i < body.size() && IsDigit(body[i]); ++i, ++place, ++digitCount) {
            syntax.text += body[i];
            if (!nonZeroSeen && body[i] != '0') {
                nonZeroSeen = true;
                leadingPower = -place;
            }
        }
    }
    if (digitCount == 0) {
        return std::nullopt;  // "", "-", "." and the like
    }

    long exponent = 0;
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
        syntax.text += 'e';
        ++i;
        bool negativeExponent = false;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
            negativeExponent = body[i] == '-';
            syntax.text += body[i];
            ++i;
        }
        const std::size_t exponentStart = i;
        for (; i < body.size() && IsDigit(body[i]); ++i) {
            syntax.text += body[i];
            if (exponent < 1'000'000) {  // far beyond any double; keeps the sum finite
                exponent = exponent * 10 + (body[i] - '0');
            }
        }
        if (i == exponentStart) {
            return std::nullopt;  // "1e" or "1e+"
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (i != body.size()) {
        return std::nullopt;  // group separators, a foreign separator, letters, …
    }
    syntax.magnitude = leadingPower + exponent;
    return syntax;
}

template <typename T>
std::optional<T> ParseAs(std::string_view text, char separator) {
    const std::optional<NumberSyntax> syntax = ReadSyntax(text, separator);
    if (!syntax) {
        return std::nullopt;
    }
    T value{};
    const char* first = syntax->text.data();
    const char* last = first + syntax->text.size();
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small to represent is a correctly rounded zero; too large is no number.
        if (syntax->magnitude < 0) {
            return syntax->negative ? -T{0} : T{0};
        }
        return std::nullopt;
    }
    if (result.ec != std::errc() || result.ptr != last) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text, char separator) {
    return ParseAs<double>(text, separator);
}

std::optional<float> ParseSingle(std::string_view text, char separator) {
    // Converted straight from the decimal text, not through a double: a double
    // rounded again to single can miss the nearest float, and "0.3" must equal 0.3f.
    return ParseAs<float>(text, separator);
}

bool IsNumeric(std::string_view text, char separator) {
    return ParseNumber(text, separator).has_value();
}

std::optional<double> ParseFileNumber(std::string_view text) {
    return ParseAs<double>(text, '.');
}

std::optional<float> ParseFileSingle(std::string_view text) {
    return ParseAs<float>(text, '.');
}

}  // namespace shared
