#ifndef SHARED_TEXT_FORMAT_PATTERN_H
#define SHARED_TEXT_FORMAT_PATTERN_H

#include "shared/text/decimal_digits.h"

#include <string>
#include <string_view>
#include <vector>

namespace shared {

// A parsed number pattern of the classic Format language, applied to decimal digits.
//
// Placeholders: "0" a digit always shown, "#" a digit shown only when significant.
// The first "." is the decimal separator (kept even when no digit follows). A ","
// between integer placeholders groups thousands; commas right after the last integer
// placeholder divide by 1000 each. "E+"/"E-" (or "e+"/"e-") after a placeholder start
// an exponent whose sign shows always/only when negative and which shows at least one
// digit (a "0" placeholder raises the minimum). "%" multiplies by 100 and is
// shown. A backslash shows the next character, double quotes show their contents, and
// every other character is shown as it stands.
//
// The integer part is never truncated: digits beyond the integer placeholders go in
// front of the first one. Literal characters between placeholders keep their place.
class FormatPattern {
public:
    explicit FormatPattern(std::string_view pattern);

    // False for a pattern of literals only; such a pattern shows no number.
    bool HasDigits() const noexcept { return hasDigits_; }

    // The text of the number under this pattern. `number` should carry all the digits
    // of the value (15 or 7 significant); the pattern rounds them half away from zero.
    std::string Apply(DecimalDigits number, char separator) const;

private:
    enum class Kind { Literal, IntegerDigit, DecimalPoint, FractionDigit, ExponentMark, ExponentDigit };
    struct Item {
        Kind kind;
        char symbol;       // placeholder '0'/'#', or the 'E'/'e' of an exponent mark
        std::string text;  // the characters of a literal
    };
    // One group of placeholders (integer, fraction or exponent digits).
    struct Placeholders {
        int count = 0;
        int firstZero = -1;  // index of the leftmost "0", -1 when none
        int lastZero = -1;   // index of the rightmost "0", -1 when none
    };

    void Parse(std::string_view pattern);
    void AddLiteral(std::string_view text);
    void AddPlaceholder(Kind kind, char symbol, Placeholders& group);
    void ClassifyCommas(const std::vector<int>& commasAfter);

    // Shows digit `index` of a right-aligned run of `digits` over `group.count`
    // placeholders; the first placeholder also shows the digits that overflow it.
    static void EmitDigit(std::string& out, const std::string& digits, int count, int index,
                          char groupSeparator);

    std::vector<Item> items_;
    Placeholders integer_;
    Placeholders fraction_;
    Placeholders exponent_;
    bool hasDigits_ = false;
    bool hasExponent_ = false;
    bool exponentSignAlways_ = false;
    bool grouping_ = false;
    int powerOfTen_ = 0;  // from "%" and scaling commas
};

}  // namespace shared

#endif
