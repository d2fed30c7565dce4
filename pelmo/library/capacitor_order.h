#ifndef PELMO_LIBRARY_CAPACITOR_ORDER_H
#define PELMO_LIBRARY_CAPACITOR_ORDER_H

#include "pelmo/library/records.h"

#include "shared/parts/code_system.h"

#include <string>
#include <string_view>

namespace pelmo {

// Puts CapacitorTable into catalogue order for a notation and rebuilds PartIndex, at
// the start of the selection window and on every notation change. Capacitors without a
// part number in that notation come first. The sort keys write the capacitance with
// separator, as the part numbers' capacitance codes are read.
//
// Returns false when a part number has no sort key; table and lookups are then as they
// were, and the caller shows shared::kSortErrorMessage ("Sort Error!") and ends. The
// reason, for developers only, goes to diagnostic when given.
//
// A part number that occurs twice in one notation (letter case ignored) raises
// shared::RuntimeError 457: the second part could never be chosen, so the caller
// reports it like a damaged library and ends. Its description adds a line naming the
// part number and its field ("cap.idx: the part number "X" (field 1) is in two
// records"). The table has then been reordered and both lookups are empty, so no stale
// index can be looked up.
[[nodiscard]] bool SortCapacitors(Library& library, shared::CodeSystem codeSystem, char separator,
                                  std::string* diagnostic = nullptr);

// The RatedVoltage text of the capacitor that PartIndex maps partNumber to in that
// notation (any letter case); the empty text when it is not there.
std::string RatedVoltageOf(const Library& library, std::string_view partNumber,
                           shared::CodeSystem codeSystem);

}  // namespace pelmo

#endif
