#include "pelmo/library/capacitor_order.h"

#include "pelmo/library/library_files.h"
#include "pelmo/library/library_reader.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/key_collection.h"
#include "shared/parts/part_index.h"
#include "shared/parts/part_sort.h"
#include "shared/platform/error_report.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace pelmo {

namespace {

const std::string& PartNumberOf(const CapacitorRecord& record, shared::CodeSystem codeSystem) {
    return record.PartNumber[codeSystem];
}

const std::string& RatedVoltageText(const CapacitorRecord& record) {
    return record.RatedVoltage;
}

// The first part number that two capacitors share in a notation (letter case ignored),
// with the field of cap.idx that holds it; nothing when there is none.
std::optional<std::string> RepeatedPartNumber(const std::vector<CapacitorRecord>& table) {
    for (const shared::CodeSystem notation : {shared::Eia, shared::Jis}) {
        shared::KeyCollection seen;
        for (std::size_t i = 0; i < table.size(); ++i) {
            const std::string& partNumber = table[i].PartNumber[notation];
            if (partNumber.empty()) {
                continue;
            }
            if (seen.Contains(partNumber)) {
                return ShownField(partNumber) + (notation == shared::Eia ? " (field 1)" : " (field 2)");
            }
            seen.Add(partNumber, static_cast<std::int32_t>(i));
        }
    }
    return std::nullopt;
}

}  // namespace

bool SortCapacitors(Library& library, shared::CodeSystem codeSystem, char separator,
                    std::string* diagnostic) {
    try {
        return shared::SortByPartNumber(library.CapacitorTable, codeSystem, separator, PartNumberOf,
                                        library.PartIndex, diagnostic);
    } catch (const shared::RuntimeError& failure) {
        if (failure.Number() != shared::error::kDuplicateKey) {
            throw;
        }
        const std::optional<std::string> repeated = RepeatedPartNumber(library.CapacitorTable);
        if (!repeated) {
            throw;
        }
        throw shared::WithDetailLine(failure, std::string(kCapacitorIndexFile) + ": the part number " +
                                                  *repeated + " is in two records");
    }
}

std::string RatedVoltageOf(const Library& library, std::string_view partNumber,
                           shared::CodeSystem codeSystem) {
    return shared::RatedVoltageOf(partNumber, codeSystem, library.PartIndex, library.CapacitorTable,
                                  RatedVoltageText);
}

}  // namespace pelmo
