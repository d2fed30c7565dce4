#ifndef PELMO_ENGINE_CONDITION_MODEL_H
#define PELMO_ENGINE_CONDITION_MODEL_H

#include "pelmo/engine/network_impedance.h"

#include "shared/parts/code_system.h"

namespace pelmo {

struct CapacitorRecord;

// Whether a capacitor's capacitance follows temperature and bias (ModelType 2 or 4).
// The selection window offers the temperature and bias fields only for such parts.
// Any other ModelType is treated as a part without a model, consistently with the
// evaluation, and is not reported.
bool HasConditionModel(const CapacitorRecord& record) noexcept;

// FA and FB at temperature [C]: the cubic resistance polynomials around the reference
// temperature of the notation. Every capacitor has them, with or without a model.
TemperatureFactors ResistanceTemperatureFactors(const CapacitorRecord& record, double temperature,
                                                shared::CodeSystem codeSystem);

// P(x): the capacitance change [%] x degrees away from 25 C.
double TemperaturePolynomial(const CapacitorRecord& record, double offset);
// Q(V): the capacitance change [%] at bias V.
double BiasPolynomial(const CapacitorRecord& record, double bias);

// The main-branch capacitance [F] at temperature [C] and bias [V]: the stored C1 for
// parts without a model, the polynomial model for ModelType 2, the peaked model for
// ModelType 4. The value is the same in both notations: the notation decides how
// a change is displayed, never the physical capacitance (an extra normalisation to the
// 20 C value would apply every derating twice). The resistance factors enter through
// the peaked model's reference capacitance. separator is that of the record's number
// texts (the loader's), for the peaked model's characterisation frequencies.
double EffectiveC1(const CapacitorRecord& record, double temperature, double bias, TemperatureFactors factors,
                   char separator);

}  // namespace pelmo

#endif
