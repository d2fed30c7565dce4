#include "pelmo/cli/cli_part.h"

#include "pelmo/library/records.h"

#include "shared/parts/part_number_codes.h"
#include "shared/text/blanks.h"

#include <cstddef>

namespace pelmo {

namespace {

template <class Record>
const Record* RecordAt(const std::vector<Record>& table, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) {
        return nullptr;
    }
    return &table[static_cast<std::size_t>(index)];
}

}  // namespace

std::optional<CliPart> FindCliPart(const Library& library, std::string_view typed,
                                   shared::CodeSystem codeSystem) {
    const std::string_view key = shared::TrimBlanks(typed);
    if (key.empty()) {
        return std::nullopt;
    }
    CliPart part;
    const shared::KeyCollection& capacitors = library.PartIndex[codeSystem];
    if (const auto index = capacitors.Find(key)) {
        part.Capacitor = RecordAt(library.CapacitorTable, *index);
        if (part.Capacitor != nullptr) {
            part.Kind = ProductKind::Capacitor;
            part.Index = *index;
            part.PartNumber = capacitors.Spelling(key).value_or(std::string(key));
            part.UpperFrequency = part.Capacitor->UpperFrequency;
        }
    }
    if (part.Capacitor == nullptr) {
        const auto index = library.InductorPartIndex.Find(key);
        part.Inductor = index ? RecordAt(library.InductorTable, *index) : nullptr;
        if (part.Inductor == nullptr) {
            return std::nullopt;
        }
        part.Kind = ProductKind::Inductor;
        part.Index = *index;
        part.PartNumber = library.InductorPartIndex.Spelling(key).value_or(std::string(key));
        part.UpperFrequency = part.Inductor->UpperFrequency;
    }
    part.RangeClass = shared::FrequencyRangeClass(part.PartNumber);
    return part;
}

std::vector<std::string> PartNumbersOf(const Library& library, ProductKind kind,
                                       shared::CodeSystem codeSystem) {
    std::vector<std::string> numbers;
    if (kind == ProductKind::Capacitor) {
        numbers.reserve(library.CapacitorTable.size());
        for (const CapacitorRecord& record : library.CapacitorTable) {
            if (!record.PartNumber[codeSystem].empty()) {
                numbers.push_back(record.PartNumber[codeSystem]);
            }
        }
    } else {
        numbers.reserve(library.InductorTable.size());
        for (const InductorRecord& record : library.InductorTable) {
            numbers.push_back(record.PartNumber);
        }
    }
    return numbers;
}

}  // namespace pelmo
