#ifndef PELMO_CHARTS_CHART_TRACE_H
#define PELMO_CHARTS_CHART_TRACE_H

#include "pelmo/charts/chart_slot.h"
#include "pelmo/engine/chart_kind.h"

#include "shared/parts/code_system.h"

#include <string>
#include <vector>

namespace pelmo {

class ChartSlotTable;
struct Library;

// A slot as a chart shows it: the slot's own fields plus what its part looks like in
// the notation in force, resolved at drawing time from the library.
struct ChartTrace {
    ChartSlot Slot;
    std::string PartNumber;  // in the notation in force (capacitors)
    bool Capacitor = false;
    bool DependsOnConditions = false;  // a capacitor whose data follow temperature and bias
    int RangeClass = 0;                // FrequencyRangeClass of the part number
};

// The trace of one slot in use. RuntimeError 9 when the slot names a part the library
// does not hold (a corrupt slot must not read beyond the table).
ChartTrace ChartTraceOf(const ChartSlot& slot, const Library& library, shared::CodeSystem codeSystem);

// The traces of a chart kind: every slot in use with its chart name, in slot order (not
// request order), so trace k takes colour k and legend frame k.
std::vector<ChartTrace> CollectTraces(const ChartSlotTable& slots, ChartKind kind, const Library& library,
                                      shared::CodeSystem codeSystem);

}  // namespace pelmo

#endif
