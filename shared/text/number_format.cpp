#include "shared/errors/runtime_error.h"
#include "shared/text/decimal_digits.h"
#include "shared/text/format_pattern.h"
#include "shared/text/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace shared {

namespace {

constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

void RequireFinite(double value) {
    if (!std::isfinite(value)) {
        throw RuntimeError(error::kOverflow);
    }
}

}  // namespace

std::string Format(double value, std::string_view pattern, char separator) {
    RequireFinite(value);
    if (pattern.empty()) {
        return GeneralNumberText(value, separator);
    }
    return FormatPattern(pattern).Apply(DecimalDigits::FromDouble(value, kDoubleDigits), separator);
}

std::string FormatSingle(float value, std::string_view pattern, char separator) {
    RequireFinite(value);
    if (pattern.empty()) {
        return GeneralNumberTextSingle(value, separator);
    }
    return FormatPattern(pattern).Apply(DecimalDigits::FromFloat(value, kSingleDigits), separator);
}

double RoundHalfEven(double value) noexcept {
    // Written out rather than std::nearbyint, which follows the floating-point
    // environment's rounding mode that any library may have changed.
    if (!std::isfinite(value)) {
        return value;
    }
    const double below = std::floor(value);
    const double fraction = value - below;  // exact for every double
    double result = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        result = below + 1.0;
    }
    return std::copysign(result, value);
}

double RoundHalfAwayFromZero(double value, int decimals) noexcept {
    if (!std::isfinite(value)) {
        return value;
    }
    DecimalDigits number = DecimalDigits::FromDouble(value, kDoubleDigits);
    number.RoundToDecimals(decimals);
    if (number.IsZero()) {
        return 0.0;
    }
    // Read the rounded digits back as "±0.ddd e point": the nearest double to them.
    std::array<char, 64> buffer{};
    char* out = buffer.data();
    char* const end = buffer.data() + buffer.size();
    if (number.Negative()) {
        *out++ = '-';
    }
    *out++ = '0';
    *out++ = '.';
    for (const char digit : number.Digits()) {
        *out++ = digit;
    }
    *out++ = 'e';
    out = std::to_chars(out, end, number.PointPosition()).ptr;
    double result = value;
    const auto parsed = std::from_chars(buffer.data(), out, result);
    // Rounding up past the largest double cannot be represented: keep the value.
    return parsed.ec == std::errc() ? result : value;
}

}  // namespace shared
