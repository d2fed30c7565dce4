#include "pelmo/engine/inductor_evaluation.h"

#include "pelmo/engine/checked_arithmetic.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/engine/s_parameters.h"
#include "pelmo/library/records.h"

#include <cmath>

namespace pelmo {

void EvaluateInductor(const InductorRecord& record, double omega, OperatingPointResult& result,
                      shared::Messages* messages) {
    const double frequency = omega / kTwoPi;
    const double rs = record.RsCoef * std::pow(frequency / 1e8, double{record.RsExponent});
    const double l0 = record.L0 * kNanoHenry * std::pow(frequency / 1e7, double{record.L0Exponent});
    const double l1 = record.L1 * kNanoHenry;
    const double cp = record.Cp * kPicoFarad;
    const double r1 = record.R1;
    const double omega2 = omega * omega;

    const double m = (r1 + rs) * (r1 + rs) + omega2 * l1 * l1;
    const double ls = Divide(rs * rs * l1, m) + l0;
    const double rser = Divide(rs * (r1 * r1 + r1 * rs + omega2 * l1 * l1), m) + record.R0;

    const double resonance = 1.0 - omega2 * ls * cp;
    const double d = resonance * resonance + omega2 * cp * cp * rser * rser;
    const double r = Divide(rser, d);
    const double x = Divide(omega * ls * (resonance - Divide(cp * rser * rser, ls)), d);

    // Work on a copy so that a failure part-way leaves the caller's fields untouched.
    OperatingPointResult out = result;
    out.Resistance = r;
    out.Reactance = x;
    out.ImpedanceMagnitude = std::sqrt(r * r + x * x);
    out.SeriesCapacitance = cp;
    out.SeriesInductance = ls;
    out.InductorSeriesResistance = rser;
    out.ResonantFrequency = record.SelfResonance;
    out.ApparentInductance = Divide(x, omega);
    out.QualityFactor = Divide(x, r);
    RequireFinite({out.Resistance, out.Reactance, out.ImpedanceMagnitude, out.SeriesCapacitance,
                   out.SeriesInductance, out.InductorSeriesResistance, out.ResonantFrequency,
                   out.ApparentInductance, out.QualityFactor});

    StoreSParameters(SeriesSParameters({r, x}), out, messages);
    RequireFinite({out.SMagnitudeDb[0], out.SMagnitudeDb[1], out.SPhaseDeg[0], out.SPhaseDeg[1]});
    result = out;
}

}  // namespace pelmo
