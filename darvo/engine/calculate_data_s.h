#ifndef DARVO_ENGINE_CALCULATE_DATA_S_H
#define DARVO_ENGINE_CALCULATE_DATA_S_H

#include "darvo/engine/chart_table.h"
#include "darvo/library/product_record.h"

#include "shared/parts/code_system.h"

namespace shared {
class Messages;
}

namespace darvo {

// Fills the record prepared in the table (element ChartCount) for a capacitance chart of
// part (chart types 2, 3 and 4) in the notation codeSystem; other chart types are left
// alone. The axis range follows the record's chart type, which is the chart type
// selected when the request was made.
//
// Returns false when the part's characteristic has no model or no temperature range:
// "Get Temp. Ranger Error!" has been shown (no icon), the prepared record removed, and
// the program goes on, since one odd library record must not end a session with open
// charts. A numerical failure removes the prepared record and raises
// shared::RuntimeError naming CalculateDataS. Raises RuntimeError 9 when no record is
// prepared.
bool CalculateDataS(ChartTable& table, const ProductRecord& part, shared::CodeSystem codeSystem,
                    shared::Messages& messages);

}  // namespace darvo

#endif
