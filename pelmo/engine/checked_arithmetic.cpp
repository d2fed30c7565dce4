#include "pelmo/engine/checked_arithmetic.h"

#include "shared/errors/runtime_error.h"

#include <cmath>

namespace pelmo {

double Divide(double numerator, double denominator) {
    if (denominator == 0.0) {
        throw shared::RuntimeError(shared::error::kDivisionByZero);
    }
    return numerator / denominator;
}

void RequireFinite(std::initializer_list<double> values) {
    for (double value : values) {
        if (!std::isfinite(value)) {
            throw shared::RuntimeError(shared::error::kOverflow);
        }
    }
}

}  // namespace pelmo
