#ifndef DARVO_ENGINE_PARAMETER_LIMIT_H
#define DARVO_ENGINE_PARAMETER_LIMIT_H

#include "darvo/engine/heat_terms.h"

#include <string>

namespace darvo {

// The rise a temperature rise over frequency may reach: its chart ends at 80 C.
inline constexpr float kTemperatureRiseLimit = 80.0F;

// The outcome of `ParameterLimit`: whether the fixed load is admissible and the largest
// admissible value, which the refusal message names.
struct ParameterLimitResult {
    bool Ok = false;
    float Pmax = 0.0F;
};

// The largest load of the quantity parameterName (current, voltage, apparent or
// effective power) whose rise stays within limit over 100 kHz to 1 MHz, and
// whether value lies in 0 .. that load. The current, voltage and apparent-power bounds
// are scaled by Rth / q like the curve they guard, so the limit holds at the heat
// resistance the user entered (with the default Rth = q nothing changes). A name outside
// the four raises RuntimeError 5.
ParameterLimitResult ParameterLimit(Quantity parameterName, float value, float limit, const HeatTerms& terms);

// The unit text of a load quantity as the chart windows show it ("[Arms]", "[Vrms]",
// "[VA]", "[W]"); empty for any other quantity.
std::string ParameterUnit(Quantity parameterName);

// "Parameter is invalid!", a line break, "Please enter a Number from 0 to ", the bound
// cut (not rounded) to two decimals in the locale's separator, a blank and the unit.
std::string ParameterLimitMessage(Quantity parameterName, float pmax, char separator);

}  // namespace darvo

#endif
