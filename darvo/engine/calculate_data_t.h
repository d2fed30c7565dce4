#ifndef DARVO_ENGINE_CALCULATE_DATA_T_H
#define DARVO_ENGINE_CALCULATE_DATA_T_H

#include "darvo/engine/chart_table.h"
#include "darvo/library/product_record.h"

namespace shared {
class Messages;
}

namespace darvo {

// Fills the record that a plot request or a data output prepared in the table (element
// ChartCount) for a temperature-rise or allowable-power chart of part: its 200 points,
// its axis range and, for allowable power, MaxValue. Other chart types are left alone.
//
// Returns false when the fixed load of a temperature rise over frequency is out of its
// bound: the refusal message has been shown (exclamation icon) and the prepared record
// removed, so the table is as it was before the request. A numerical failure (zero
// rated voltage or heat resistance, an allowance of 0 C above the maximum temperature, a
// value that is not finite) also removes the prepared record and then raises
// shared::RuntimeError whose source and description name CalculateDataT; the caller
// shows it as an error report and opens no chart. Raises RuntimeError 9 when no record
// is prepared.
bool CalculateDataT(ChartTable& table, const ProductRecord& part, shared::Messages& messages, char separator);

}  // namespace darvo

#endif
