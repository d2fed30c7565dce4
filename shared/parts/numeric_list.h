#ifndef SHARED_PARTS_NUMERIC_LIST_H
#define SHARED_PARTS_NUMERIC_LIST_H

#include <string>
#include <vector>

namespace shared {

// Orders the items of a filter list by their value rather than as texts, so "470 p"
// comes before "10 n" and "6.3" before "10". The items are read as single-precision
// numbers (through CapacitanceValue when isCapacitance), sorted by an exchange sort and
// written back in their shortest text (through CapacitanceText when isCapacitance), so
// equal values come out in the order that sort leaves them, as users know the lists.
//
// Fewer than two items, or a first item that is no number, leave the list as it is. A
// later item that is no number raises RuntimeError 13 "Type mismatch" and also leaves
// the list as it is.
void SortNumericList(std::vector<std::string>& items, bool isCapacitance, char separator);

}  // namespace shared

#endif
