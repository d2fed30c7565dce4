#include "pelmo/engine/resonance_search.h"

#include "pelmo/engine/checked_arithmetic.h"
#include "pelmo/engine/engine_constants.h"

#include "shared/text/number_text.h"

#include <cmath>
#include <cstdint>

namespace pelmo {

namespace {

constexpr std::int16_t kLastTry = 100;
constexpr double kStepDown = 0.999;
constexpr double kStepUp = 1.001;

// Two values agree when both show the same figure with two decimals, rounded half
// away from zero: the resolution of the impedance readout.
bool SameTwoDecimalFigure(double a, double b) {
    return shared::Format(a, "0.00", '.') == shared::Format(b, "0.00", '.');
}

}  // namespace

ResonanceSearchResult SearchResonance(const CapacitorRecord& record, double c1, TemperatureFactors factors,
                                      EquivalentSeries series) {
    const double estimate = Divide(1.0 / 2.0 / kPi, std::sqrt(series.Capacitance * series.Inductance));
    RequireFinite({estimate});

    ResonanceSearchResult result;
    result.SeriesInductance = series.Inductance;
    double frequency = estimate;
    double firstDifference = 0.0;
    double step = kStepDown;
    for (std::int16_t i = 0; i <= kLastTry; ++i) {
        const Impedance z = NetworkImpedance(record, c1, frequency * kTwoPi, factors);
        const double magnitude = std::sqrt(z.R * z.R + z.X * z.X);
        RequireFinite({z.R, magnitude});
        result.Evaluations = i + 1;
        if (SameTwoDecimalFigure(magnitude, z.R)) {
            if (i != 0) {
                const double omega = frequency * kTwoPi;
                result.SeriesInductance = Divide(1.0 / (omega * omega), series.Capacitance);
            }
            result.Found = true;
            result.Frequency = frequency;
            return result;
        }
        if (i == 0) {
            firstDifference = magnitude - z.R;
            frequency *= kStepDown;
        } else {
            if (i == 1) {
                step = (magnitude - z.R) - firstDifference < 0.0 ? kStepDown : kStepUp;
            }
            frequency *= step;
        }
    }
    result.Frequency = estimate;
    return result;
}

}  // namespace pelmo
