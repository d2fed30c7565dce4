#ifndef PELMO_ENGINE_CAPACITOR_EVALUATION_H
#define PELMO_ENGINE_CAPACITOR_EVALUATION_H

#include "pelmo/engine/circuit_mode.h"
#include "pelmo/engine/network_impedance.h"

#include "shared/parts/code_system.h"

#include <string>

namespace shared {
class Messages;
}

namespace pelmo {

struct CapacitorRecord;
struct OperatingPointResult;

// What the selection window holds besides the part and the frequency when it asks for
// a capacitor's characteristics.
struct CapacitorConditions {
    double Temperature = 25.0;  // operating temperature T [C]
    double Bias = 0.0;          // DC bias V [V]
    CircuitMode Connection = CircuitMode::Series;
    // The part-number box text; its series and size decide the frequencies at which
    // the equivalent series C and L are derived.
    std::string PartNumber;
    shared::CodeSystem CodeSystem = shared::Eia;  // origin of the resistance factors
    // The separator of the record's number texts: the one the library was loaded with,
    // which is the one the program shows numbers with.
    char DecimalSeparator = '.';
};

// The part of a capacitor evaluation that does not depend on the operating frequency:
// temperature factors, main-branch capacitance, equivalent series C and L and the SRF.
// A sweep computes it once per part and conditions; the results are bit-identical to
// computing it at every point, because the same code computes the same values.
struct PreparedCapacitor {
    TemperatureFactors Factors;
    double EffectiveC1 = 0.0;        // [F]
    double SeriesCapacitance = 0.0;  // Ceq [F]
    double SeriesInductance = 0.0;   // Leq [H], corrected by the resonance search
    double ResonantFrequency = 0.0;  // SRF [Hz]
};

// Raises shared::RuntimeError (6 overflow, 11 division by zero, 13 for a nominal
// capacitance that is no number) when the part cannot be evaluated.
PreparedCapacitor PrepareCapacitor(const CapacitorRecord& record, const CapacitorConditions& conditions);

// The frequency-dependent rest of the evaluation at omega [rad/s]. Writes exactly the
// capacitor's fields of result (ApparentCapacitance below the SRF, ApparentInductance
// at and above it, never InductorSeriesResistance). Every written value is checked to
// be finite before anything is stored, so on an error result is left as it was.
void EvaluatePreparedCapacitor(const CapacitorRecord& record, const PreparedCapacitor& prepared, double omega,
                               CircuitMode connection, OperatingPointResult& result,
                               shared::Messages* messages = nullptr);

// The whole evaluation of a capacitor at omega [rad/s]: PrepareCapacitor followed by
// EvaluatePreparedCapacitor. messages receives "Error at Log10" for a zero
// S-parameter; null keeps it silent.
void EvaluateCapacitor(const CapacitorRecord& record, double omega, const CapacitorConditions& conditions,
                       OperatingPointResult& result, shared::Messages* messages = nullptr);

}  // namespace pelmo

#endif
