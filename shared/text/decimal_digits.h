#ifndef SHARED_TEXT_DECIMAL_DIGITS_H
#define SHARED_TEXT_DECIMAL_DIGITS_H

#include <string>

namespace shared {

// A finite number held as its decimal digits: ±0.d1d2d3… × 10^PointPosition().
//
// Every text the programs show is rounded half away from zero on decimal digits, as a
// person rounds on paper. Rounding the binary value instead turns 2.675 into "2.67"
// because the double just below 2.675 is what is stored. So the value is first taken
// to a fixed number of significant digits (15 for double, 7 for single: the digits it
// displays as) and all further rounding happens here, on those digits.
class DecimalDigits {
public:
    // Zero.
    DecimalDigits() = default;

    // The value correctly rounded to the given count of significant digits (1 to 17
    // for a double, 1 to 9 for a float). The value must be finite; callers check.
    static DecimalDigits FromDouble(double value, int significant);
    static DecimalDigits FromFloat(float value, int significant);

    // Sign of the source value, kept even when the digits round to zero so that a
    // caller can decide whether a minus sign is still worth showing.
    bool Negative() const noexcept { return negative_; }
    bool IsZero() const noexcept { return digits_.empty(); }
    // Significant digits without leading or trailing zeros; empty for zero.
    const std::string& Digits() const noexcept { return digits_; }
    // Count of digits before the decimal point (negative for values below 0.1).
    int PointPosition() const noexcept { return point_; }
    // The exponent e of the scientific form d.ddd × 10^e; 0 for zero.
    int DecimalExponent() const noexcept { return IsZero() ? 0 : point_ - 1; }

    // Multiplies by 10^count without touching the digits.
    void Shift(int count) noexcept;
    // Moves the decimal point so that exactly `position` digits stand before it and
    // returns by how many places it moved (the change of the exponent).
    int NormaliseTo(int position) noexcept;

    // Rounds half away from zero to `decimals` digits after the point (negative counts
    // round to tens, hundreds, …). A carry may add a digit in front.
    void RoundToDecimals(int decimals);
    // Rounds half away from zero to `significant` digits.
    void RoundToSignificant(int significant);

    // The digits before the point ("" for a value below 1), zeros filled in where the
    // point lies beyond the last significant digit.
    std::string IntegerDigits() const;
    // Exactly `count` digits after the point, zero-filled; no rounding.
    std::string FractionDigits(int count) const;

private:
    static DecimalDigits FromScientific(const char* begin, const char* end);
    void StripTrailingZeros();

    bool negative_ = false;
    std::string digits_;
    int point_ = 0;
};

}  // namespace shared

#endif
