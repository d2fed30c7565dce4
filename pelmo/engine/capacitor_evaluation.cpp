#include "pelmo/engine/capacitor_evaluation.h"

#include "pelmo/engine/checked_arithmetic.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/equivalent_series.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/engine/resonance_search.h"
#include "pelmo/engine/s_parameters.h"
#include "pelmo/library/records.h"

#include "shared/parts/part_number_codes.h"

#include <cmath>

namespace pelmo {

PreparedCapacitor PrepareCapacitor(const CapacitorRecord& record, const CapacitorConditions& conditions) {
    const CharacterizationFrequencies omega =
        CharacterizationFrequenciesOf(record, conditions.DecimalSeparator);
    PreparedCapacitor prepared;
    prepared.Factors = ResistanceTemperatureFactors(record, conditions.Temperature, conditions.CodeSystem);
    prepared.EffectiveC1 = EffectiveC1(record, conditions.Temperature, conditions.Bias, prepared.Factors,
                                       conditions.DecimalSeparator);
    RequireFinite({prepared.Factors.FA, prepared.Factors.FB, prepared.EffectiveC1});

    const double c1 = prepared.EffectiveC1;
    const TemperatureFactors factors = prepared.Factors;
    EquivalentSeries series;
    if (shared::IsLowInductanceSize(conditions.PartNumber)) {
        series.Capacitance = EquivalentSeriesAt(record, c1, factors, omega[2], omega[3]).Capacitance;
        series.Inductance = EquivalentSeriesAt(record, c1, factors, omega[4], omega[5]).Inductance;
    } else {
        series = EquivalentSeriesAt(record, c1, factors, omega[0], omega[1]);
    }
    RequireFinite({series.Capacitance, series.Inductance});

    const ResonanceSearchResult resonance = SearchResonance(record, c1, factors, series);
    prepared.SeriesCapacitance = series.Capacitance;
    prepared.SeriesInductance = resonance.SeriesInductance;
    prepared.ResonantFrequency = resonance.Frequency;
    RequireFinite({prepared.SeriesInductance, prepared.ResonantFrequency});
    return prepared;
}

void EvaluatePreparedCapacitor(const CapacitorRecord& record, const PreparedCapacitor& prepared, double omega,
                               CircuitMode connection, OperatingPointResult& result,
                               shared::Messages* messages) {
    // Work on a copy so that a failure part-way leaves the caller's fields untouched;
    // the copy also carries the fields this evaluation does not own.
    OperatingPointResult out = result;

    const Impedance z = NetworkImpedance(record, prepared.EffectiveC1, omega, prepared.Factors);
    out.Resistance = z.R;
    out.Reactance = z.X;
    out.ImpedanceMagnitude = std::sqrt(z.R * z.R + z.X * z.X);
    out.SeriesCapacitance = prepared.SeriesCapacitance;
    out.SeriesInductance = prepared.SeriesInductance;
    out.ResonantFrequency = prepared.ResonantFrequency;

    out.QualityFactor = std::fabs(Divide(z.X, z.R));
    out.DissipationFactor = Divide(1.0, out.QualityFactor);
    out.SeriesReactance = omega * out.SeriesInductance - Divide(1.0, omega * out.SeriesCapacitance);
    RequireFinite({out.Resistance, out.Reactance, out.ImpedanceMagnitude, out.QualityFactor,
                   out.DissipationFactor, out.SeriesReactance});
    if (out.ResonantFrequency * kTwoPi > omega) {
        out.ApparentCapacitance = Divide(-1.0, out.SeriesReactance * omega);
        RequireFinite({out.ApparentCapacitance});
    } else {
        out.ApparentInductance = Divide(out.SeriesReactance, omega);
        RequireFinite({out.ApparentInductance});
    }

    StoreSParameters(SParametersOf(z, connection), out, messages);
    RequireFinite({out.SMagnitudeDb[0], out.SMagnitudeDb[1], out.SPhaseDeg[0], out.SPhaseDeg[1]});
    result = out;
}

void EvaluateCapacitor(const CapacitorRecord& record, double omega, const CapacitorConditions& conditions,
                       OperatingPointResult& result, shared::Messages* messages) {
    const PreparedCapacitor prepared = PrepareCapacitor(record, conditions);
    EvaluatePreparedCapacitor(record, prepared, omega, conditions.Connection, result, messages);
}

}  // namespace pelmo
