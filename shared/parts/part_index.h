#ifndef SHARED_PARTS_PART_INDEX_H
#define SHARED_PARTS_PART_INDEX_H

#include "shared/errors/runtime_error.h"
#include "shared/parts/code_system.h"
#include "shared/parts/key_collection.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace shared {

// The two capacitor part-number lookups, one per notation, both into the same table.
// They are rebuilt after every sort because the sort moves the records.
class PartIndex {
public:
    KeyCollection& operator[](CodeSystem codeSystem) { return lookups_[codeSystem]; }
    const KeyCollection& operator[](CodeSystem codeSystem) const { return lookups_[codeSystem]; }

    // Discards both lookups and adds, for every record u = 0 .. count-1 in table order
    // and for each notation whose part number is not empty, partNumberOf(u, notation)
    // -> u. A part number that is there already in that notation (letter case ignored)
    // raises RuntimeError 457; the lookups are then left empty, never half-built, so no
    // lookup can resolve to a record that has moved.
    void Rebuild(std::size_t count, const std::function<std::string(std::size_t, CodeSystem)>& partNumberOf);

    void Clear() noexcept;

private:
    std::array<KeyCollection, 2> lookups_;
};

// The rated voltage text of the record the lookup of codeSystem maps partNumber to, or
// the empty text when the part number is not there. ratedVoltageOf(record) gives the
// record's text; the caller's table and record type stay its own.
template <class Record, class RatedVoltageOfRecord>
std::string RatedVoltageOf(std::string_view partNumber, CodeSystem codeSystem, const PartIndex& index,
                           const std::vector<Record>& table, RatedVoltageOfRecord ratedVoltageOf) {
    const auto found = index[codeSystem].Find(partNumber);
    if (!found) {
        return {};
    }
    if (*found < 0 || static_cast<std::size_t>(*found) >= table.size()) {
        throw RuntimeError(error::kSubscriptOutOfRange, std::string(partNumber));
    }
    return std::string(ratedVoltageOf(table[static_cast<std::size_t>(*found)]));
}

}  // namespace shared

#endif
