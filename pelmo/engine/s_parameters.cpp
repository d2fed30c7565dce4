#include "pelmo/engine/s_parameters.h"

#include "pelmo/engine/checked_arithmetic.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/library/program_identity.h"

#include "shared/parts/log10.h"

#include <cmath>

namespace pelmo {

SParameters SeriesSParameters(Impedance z) {
    const double r = z.R;
    const double x = z.X;
    const double d = (r + 100.0) * (r + 100.0) + x * x;
    return {Divide(r * r + 100.0 * r + x * x, d), Divide(100.0 * x, d), Divide(100.0 * (r + 100.0), d),
            Divide(-100.0 * x, d)};
}

SParameters ShuntSParameters(Impedance z) {
    const double r = z.R;
    const double x = z.X;
    const double d = 4.0 * x * x + (2.0 * r + 50.0) * (2.0 * r + 50.0);
    return {Divide(-100.0 * r - 2500.0, d), Divide(100.0 * x, d),
            Divide(4.0 * r * r + 100.0 * r + 4.0 * x * x, d), Divide(100.0 * x, d)};
}

SParameters SParametersOf(Impedance z, CircuitMode connection) {
    return connection == CircuitMode::Series ? SeriesSParameters(z) : ShuntSParameters(z);
}

double PhaseAngle(double re, double im) {
    if (re == 0.0) {
        return 0.0;
    }
    if (re > 0.0) {
        return std::atan(im / re);
    }
    if (im >= 0.0) {
        return kPi - std::atan(im / -re);
    }
    return std::atan(im / re) - kPi;
}

void StoreSParameters(const SParameters& s, OperatingPointResult& result, shared::Messages* messages) {
    // Checked before the logarithm so that an overflow is reported as one, not as a
    // "Error at Log10" box followed by the overflow.
    RequireFinite({s.S11Real, s.S11Imag, s.S21Real, s.S21Imag});
    result.SReal = {s.S11Real, s.S21Real};
    result.SImag = {s.S11Imag, s.S21Imag};
    for (int k = 0; k < 2; ++k) {
        const double re = result.SReal[k];
        const double im = result.SImag[k];
        result.SMagnitudeDb[k] = 10.0 * shared::Log10(re * re + im * im, messages, kProgramTitle);
        result.SPhaseDeg[k] = PhaseAngle(re, im) * (180.0 / kPi);
    }
}

}  // namespace pelmo
