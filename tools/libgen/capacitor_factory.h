#ifndef TOOLS_LIBGEN_CAPACITOR_FACTORY_H
#define TOOLS_LIBGEN_CAPACITOR_FACTORY_H

#include "pelmo/library/records.h"
#include "tools/libgen/part_number_claims.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pelmo::libgen {

class SplitMix64;
struct CatalogRow;

// Turns the catalogue rows into capacitor records: part numbers in both notations,
// index texts, the chip size sheet and the equivalent circuit. Part numbers are kept
// unique per notation regardless of letter case, because the program cannot index a
// second part of the same name.
class CapacitorFactory {
public:
    explicit CapacitorFactory(SplitMix64& random) : random_(random) {}

    // Every part of every catalogue row, in row order.
    std::vector<CapacitorRecord> BuildCatalogue();

    // The part number of a part in one notation: series, size, thickness code,
    // characteristic code, voltage code, capacitance code, tolerance and the series'
    // three closing characters (17 characters).
    static std::string PartNumber(std::string_view series, std::string_view sizeCode, char thicknessCode,
                                  std::string_view characteristicCode, std::string_view voltageCode,
                                  std::string_view capacitanceCode, char tolerance, std::string_view suffix);

private:
    void AddRow(const CatalogRow& row, std::vector<CapacitorRecord>& records);
    // Claims the record's part numbers; false (and nothing claimed) when one is taken.
    bool Claim(const CapacitorRecord& record);

    SplitMix64& random_;
    PartNumberClaims claims_;
};

// Lengthens (or shortens) a catalogue to exactly count records for scale tests. Extra
// records repeat the catalogue's parts with letters in positions 16-17 ("A88" becomes
// "AAB", "AAC", ...)
// so every part number stays unique; count is at most 32767.
std::vector<CapacitorRecord> ResizeCatalogue(const std::vector<CapacitorRecord>& catalogue,
                                             std::size_t count);

}  // namespace pelmo::libgen

#endif
