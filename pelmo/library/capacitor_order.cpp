#include "pelmo/library/capacitor_order.h"

#include "shared/parts/part_index.h"
#include "shared/parts/part_sort.h"

namespace pelmo {

namespace {

const std::string& PartNumberOf(const CapacitorRecord& record, shared::CodeSystem codeSystem) {
    return record.PartNumber[codeSystem];
}

const std::string& RatedVoltageText(const CapacitorRecord& record) {
    return record.RatedVoltage;
}

}  // namespace

bool SortCapacitors(Library& library, shared::CodeSystem codeSystem, char separator,
                    std::string* diagnostic) {
    return shared::SortByPartNumber(library.CapacitorTable, codeSystem, separator, PartNumberOf,
                                    library.PartIndex, diagnostic);
}

std::string RatedVoltageOf(const Library& library, std::string_view partNumber,
                           shared::CodeSystem codeSystem) {
    return shared::RatedVoltageOf(partNumber, codeSystem, library.PartIndex, library.CapacitorTable,
                                  RatedVoltageText);
}

}  // namespace pelmo
