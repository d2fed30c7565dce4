#ifndef PELMO_ENGINE_TEMPERATURE_RANGE_H
#define PELMO_ENGINE_TEMPERATURE_RANGE_H

#include "shared/parts/code_system.h"

#include <string_view>

namespace pelmo {

// The message the operating-condition check shows when a part's temperature
// characteristic has no range. The part is refused and the program keeps running: one
// odd library record must not end a session with open charts.
inline constexpr const char* kGetTempRangeErrorText = "Error at GetTempRange";

// The default operating temperature of a notation and the origin of the resistance
// temperature polynomials: 20 C in JIS notation, 25 C in EIA notation.
double ReferenceTemperature(shared::CodeSystem codeSystem) noexcept;

// The permitted operating temperatures [C] of a temperature characteristic, looked up by
// its exact name (letter case counts: "x7r" is not "X7R"). Returns false for a name the
// table does not hold and then leaves both limits untouched, so the caller's previous
// limits survive a failed lookup.
bool GetTempRange(std::string_view characteristic, int& lower, int& upper) noexcept;

}  // namespace pelmo

#endif
