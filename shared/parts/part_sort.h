#ifndef SHARED_PARTS_PART_SORT_H
#define SHARED_PARTS_PART_SORT_H

#include "shared/parts/code_system.h"
#include "shared/parts/part_index.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace shared {

// What the user sees when a sort key cannot be built (OK button, no icon); the program
// then ends, as it does for any damaged library.
inline constexpr const char* kSortErrorMessage = "Sort Error!";

// The order that sorts keys ascending by character code, as the permutation order[k] =
// former position of the entry that goes to position k.
//
// The catalogue lists have always been ordered by one particular quicksort (middle
// pivot, crossing scans, swap and step, then the left range before the right one), and
// the resulting order of equal keys is part of what users see. This is that procedure,
// step for step; a library sort would put equal keys differently.
std::vector<std::size_t> QuickSortOrder(std::vector<std::string> keys);

// The order of records whose part numbers (in the notation being sorted) are given:
// an empty part number has the empty key and comes first, every other one its
// BuildSortKey key with the given separator (the order is the same for any). Returns
// false, with the part number and the reason in diagnostic, when a key cannot be
// built; order is then untouched.
bool PartSortOrder(const std::vector<std::string>& partNumbers, char separator,
                   std::vector<std::size_t>& order, std::string& diagnostic);

// Sorts a capacitor table for a notation and rebuilds both part-number lookups, as the
// two programs do at start and on every notation change. partNumberOf(record, notation)
// gives a record's part number. Returns false when a key cannot be built, leaving the
// table and the lookups as they were: the caller shows kSortErrorMessage and ends.
// A duplicate part number raises RuntimeError 457 from the rebuild (after the table has
// been reordered, with the lookups left empty).
template <class Record, class PartNumberOf>
[[nodiscard]] bool SortByPartNumber(std::vector<Record>& table, CodeSystem codeSystem, char separator,
                                    PartNumberOf partNumberOf, PartIndex& index,
                                    std::string* diagnostic = nullptr) {
    std::vector<std::string> partNumbers;
    partNumbers.reserve(table.size());
    for (const Record& record : table) {
        partNumbers.emplace_back(partNumberOf(record, codeSystem));
    }
    std::vector<std::size_t> order;
    std::string reason;
    if (!PartSortOrder(partNumbers, separator, order, reason)) {
        if (diagnostic != nullptr) {
            *diagnostic = std::move(reason);
        }
        return false;
    }
    std::vector<Record> sorted;
    sorted.reserve(table.size());
    for (const std::size_t former : order) {
        sorted.push_back(std::move(table[former]));
    }
    table = std::move(sorted);
    index.Rebuild(table.size(), [&](std::size_t u, CodeSystem notation) {
        return std::string(partNumberOf(table[u], notation));
    });
    return true;
}

}  // namespace shared

#endif
