#ifndef SHARED_TEXT_NUMBER_TEXT_H
#define SHARED_TEXT_NUMBER_TEXT_H

#include <optional>
#include <string>
#include <string_view>

namespace shared {

// ---------------------------------------------------------------------------------
// Decimal separator. Every number a user sees or types uses the separator of the
// user's locale, read once at start by each program and handed to whatever shows or
// reads a number; files always use ".".

// Reads the C library's LC_NUMERIC locale of the environment (for the command-line
// tools; the desktop programs take it from the system locale of the toolkit). It
// switches the C library locale for a moment and puts the previous one back, so call
// it at start, before other threads convert numbers with the C library. A separator
// of more than one byte gives ".".
char DecimalSeparatorFromEnvironment();

// The thousands separator that goes with a decimal separator: "," beside ".", and "."
// beside ",", so that a grouped number never reads as a fraction.
char GroupSeparatorFor(char decimalSeparator) noexcept;

// Replaces every "." by ",".
std::string DotToComma(std::string_view text);

// ---------------------------------------------------------------------------------
// Texts without a pattern.

// Shortest general form: at most 15 significant digits, no trailing zeros, "0" before
// the separator of a fraction, exponent form (mantissa, "E", sign, two or more digits)
// only when the plain form cannot show the value within 15 digits: integers up to 15
// digits, fractions whose leading zeros and digits after the separator fit in 15.
// -0 gives "0". Infinity and NaN raise RuntimeError(error::kOverflow), so that a
// failed computation is reported instead of written as "inf" into a readout or file.
std::string GeneralNumberText(double value, char separator);
// The same with 7 significant digits, for single-precision values.
std::string GeneralNumberTextSingle(float value, char separator);

// The conversion used in messages and error reports: a blank before a non-negative number.
std::string MessageNumberText(double value, char separator);
std::string MessageNumberTextSingle(float value, char separator);

// A number printed on a canvas without a pattern: a blank before a non-negative
// number, then the general text, then one blank.
std::string PrintedNumberText(double value, char separator);
std::string PrintedNumberTextSingle(float value, char separator);

// ---------------------------------------------------------------------------------
// Patterns: "0" digit always shown, "#" digit shown when significant, "." separator
// (kept even when no digit follows), "," thousands grouping, "E+"/"E-" exponent with
// its sign always/only when negative followed by "0" or "#" exponent digits. The last
// shown digit is rounded half away from zero on the value's decimal digits (its 15
// significant digits), so 2.675 gives "2.68" although the stored double lies below.
// The integer part is never cut; a result of zeros only shows no minus sign; other
// characters are shown as they stand. An empty pattern gives the general text.
// Infinity and NaN raise RuntimeError(error::kOverflow).
std::string Format(double value, std::string_view pattern, char separator);
// A single-precision value is formatted from its 7 significant digits, as it displays.
std::string FormatSingle(float value, std::string_view pattern, char separator);

// ---------------------------------------------------------------------------------
// Rounding.

// To the nearest integer, halves to even (division and decade counts).
double RoundHalfEven(double value) noexcept;
// To the given number of decimals, halves away from zero on the decimal digits.
double RoundHalfAwayFromZero(double value, int decimals) noexcept;

// ---------------------------------------------------------------------------------
// Reading numbers a user typed or a list holds. Accepts surrounding blanks, a sign,
// digits with the given decimal separator and an optional exponent;
// refuses empty text, group separators, "inf"/"nan", values beyond the type's range
// and anything else. Never a silent 0 (a value below the smallest number of the type
// is a true zero and is given as one). Independent of the process locale.
std::optional<double> ParseNumber(std::string_view text, char separator);
// The same, rounded to single precision as a single-precision conversion would.
std::optional<float> ParseSingle(std::string_view text, char separator);
bool IsNumeric(std::string_view text, char separator);

// Library files always write "." whatever the locale.
std::optional<double> ParseFileNumber(std::string_view text);
std::optional<float> ParseFileSingle(std::string_view text);

}  // namespace shared

#endif
