#include "shared/errors/runtime_error.h"
#include "shared/text/decimal_digits.h"
#include "shared/text/number_text.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace shared {

namespace {

constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

// Plain when the value fits the digit budget: integers below 10^precision, and
// fractions whose leading zeros plus significant digits after the separator fit.
bool FitsPlainForm(const DecimalDigits& number, int precision) {
    const int exponent = number.DecimalExponent();
    if (exponent >= 0) {
        return exponent < precision;
    }
    const int leadingZeros = -exponent - 1;
    return leadingZeros + static_cast<int>(number.Digits().size()) <= precision;
}

std::string PlainText(const DecimalDigits& number, char separator) {
    const std::string& digits = number.Digits();
    const int point = number.PointPosition();
    if (point <= 0) {
        // Built by appending: GCC 12 at -O3 warns (-Wrestrict) about the inlined
        // insert that "0" + std::string would compile to.
        std::string text = "0";
        text += separator;
        text.append(static_cast<std::size_t>(-point), '0');
        text += digits;
        return text;
    }
    const auto integerCount = static_cast<std::size_t>(point);
    if (digits.size() <= integerCount) {
        return digits + std::string(integerCount - digits.size(), '0');
    }
    return digits.substr(0, integerCount) + separator + digits.substr(integerCount);
}

std::string ExponentText(const DecimalDigits& number, char separator) {
    const std::string& digits = number.Digits();
    std::string text(1, digits[0]);
    if (digits.size() > 1) {
        text += separator;
        text += digits.substr(1);
    }
    const int exponent = number.DecimalExponent();
    const std::string exponentDigits = std::to_string(std::abs(exponent));
    text += exponent < 0 ? "E-" : "E+";
    if (exponentDigits.size() < 2) {
        text += '0';
    }
    return text + exponentDigits;
}

std::string GeneralText(const DecimalDigits& number, int precision, char separator) {
    if (number.IsZero()) {
        return "0";  // also for -0: a minus sign before nothing tells the reader nothing
    }
    std::string text = number.Negative() ? "-" : "";
    text += FitsPlainForm(number, precision) ? PlainText(number, separator) : ExponentText(number, separator);
    return text;
}

void RequireFinite(double value) {
    if (!std::isfinite(value)) {
        // A division by zero or overflow upstream must be reported, not written out as
        // "inf" into a readout or a file.
        throw RuntimeError(error::kOverflow);
    }
}

}  // namespace

std::string GeneralNumberText(double value, char separator) {
    RequireFinite(value);
    return GeneralText(DecimalDigits::FromDouble(value, kDoubleDigits), kDoubleDigits, separator);
}

std::string GeneralNumberTextSingle(float value, char separator) {
    RequireFinite(value);
    return GeneralText(DecimalDigits::FromFloat(value, kSingleDigits), kSingleDigits, separator);
}

std::string MessageNumberText(double value, char separator) {
    const std::string text = GeneralNumberText(value, separator);
    return text.front() == '-' ? text : " " + text;
}

std::string MessageNumberTextSingle(float value, char separator) {
    const std::string text = GeneralNumberTextSingle(value, separator);
    return text.front() == '-' ? text : " " + text;
}

std::string PrintedNumberText(double value, char separator) {
    return MessageNumberText(value, separator) + " ";
}

std::string PrintedNumberTextSingle(float value, char separator) {
    return MessageNumberTextSingle(value, separator) + " ";
}

}  // namespace shared
