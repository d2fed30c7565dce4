#include "pelmo/engine/equivalent_series.h"

#include "pelmo/engine/checked_arithmetic.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/library/records.h"

#include "shared/errors/runtime_error.h"
#include "shared/text/number_text.h"

#include <optional>

namespace pelmo {

CharacterizationFrequencies CharacterizationFrequenciesFor(double nominalCapacitance) noexcept {
    const bool small = nominalCapacitance < 1e6;
    return {small ? kTwoPi * 1e6 : kTwoPi * 1e5,
            small ? kTwoPi * 1e7 : kTwoPi * 1e6,
            kTwoPi * 1e5 * 5.0,
            kTwoPi * 1e6,
            kTwoPi * 1e8 * 5.0,
            kTwoPi * 1e9};
}

CharacterizationFrequencies CharacterizationFrequenciesOf(const CapacitorRecord& record, char separator) {
    const std::optional<double> nominal = shared::ParseNumber(record.NominalCapacitance, separator);
    if (!nominal) {
        throw shared::RuntimeError(shared::error::kTypeMismatch);
    }
    return CharacterizationFrequenciesFor(*nominal);
}

EquivalentSeries EquivalentSeriesAt(const CapacitorRecord& record, double c1, TemperatureFactors factors,
                                    double omegaA, double omegaB) {
    const double xa = NetworkImpedance(record, c1, omegaA, factors).X;
    const double xb = NetworkImpedance(record, c1, omegaB, factors).X;
    const double ratio = omegaA / omegaB - omegaB / omegaA;
    return {Divide(xa / omegaB - xb / omegaA, ratio), Divide(ratio, omegaB * xa - omegaA * xb)};
}

}  // namespace pelmo
