#ifndef PELMO_ENGINE_CHECKED_ARITHMETIC_H
#define PELMO_ENGINE_CHECKED_ARITHMETIC_H

#include <initializer_list>

namespace pelmo {

// The engine's formulas were written for a runtime that stopped on a division by zero
// or an overflow. C++ silently yields inf or NaN instead, which would then travel into
// readouts and files and be reported as a success. These helpers restore the stop: a
// shared::RuntimeError that the callers' error reports already know how to show.

// numerator / denominator; a zero denominator raises error 11 "Division by zero".
double Divide(double numerator, double denominator);

// Raises error 6 "Overflow" unless every value is finite.
void RequireFinite(std::initializer_list<double> values);

}  // namespace pelmo

#endif
