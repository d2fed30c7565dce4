#ifndef PELMO_SELECTION_SELECTION_LISTS_H
#define PELMO_SELECTION_SELECTION_LISTS_H

#include "shared/parts/code_system.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmo {

struct CapacitorRecord;

// Helpers the filter boxes of the selection window are filled with.

// Adds value unless an entry with the same text is there already; the first value is
// always added, so a list keeps the order in which values first appear in the table.
void AddDistinct(std::vector<std::string>& list, const std::string& value);

// The temperature characteristic as the TCC filter lists it: without the blanks the
// library pads it with.
std::string TrimmedTempChar(const CapacitorRecord& record, shared::CodeSystem codeSystem);

// Whether a filter text and a library text name the same number (both read with the
// separator); texts that are no numbers compare as texts. "1.0" thus finds the "1" of
// the list it was chosen from.
bool SameNumber(std::string_view filterText, std::string_view libraryText, char separator);

// Orders the rated-voltage list by value read in single precision ("6.3" before "10");
// entries that are no number go last in their order.
void SortByNumericValue(std::vector<std::string>& list, char separator);

}  // namespace pelmo

#endif
