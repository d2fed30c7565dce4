#include "pelmo/charts/chart_trace.h"

#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/library/records.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/part_number_codes.h"

namespace pelmo {

namespace {

template <typename Table>
const typename Table::value_type& RecordOf(const Table& table, std::int32_t indexPlusOne) {
    if (indexPlusOne < 1 || static_cast<std::size_t>(indexPlusOne) > table.size())
        throw shared::RuntimeError(shared::error::kSubscriptOutOfRange);
    return table[static_cast<std::size_t>(indexPlusOne - 1)];
}

}  // namespace

ChartTrace ChartTraceOf(const ChartSlot& slot, const Library& library, shared::CodeSystem codeSystem) {
    ChartTrace trace;
    trace.Slot = slot;
    if (slot.Product == ProductKind::Capacitor) {
        const CapacitorRecord& record = RecordOf(library.CapacitorTable, slot.PartIndexPlusOne);
        trace.Capacitor = true;
        trace.PartNumber = record.PartNumber[static_cast<std::size_t>(codeSystem)];
        trace.DependsOnConditions = HasConditionModel(record);
    } else if (slot.Product == ProductKind::Inductor) {
        trace.PartNumber = RecordOf(library.InductorTable, slot.PartIndexPlusOne).PartNumber;
    } else {
        throw shared::RuntimeError(shared::error::kSubscriptOutOfRange);
    }
    trace.RangeClass = shared::FrequencyRangeClass(trace.PartNumber);
    return trace;
}

std::vector<ChartTrace> CollectTraces(const ChartSlotTable& slots, ChartKind kind, const Library& library,
                                      shared::CodeSystem codeSystem) {
    std::vector<ChartTrace> traces;
    for (const int number : slots.SlotsOfChart(kind))
        traces.push_back(ChartTraceOf(slots.Slot(number), library, codeSystem));
    return traces;
}

}  // namespace pelmo
