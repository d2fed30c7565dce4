#ifndef DARVO_ENGINE_PREPARED_CHART_RECORD_H
#define DARVO_ENGINE_PREPARED_CHART_RECORD_H

#include "darvo/engine/chart_data_record.h"
#include "darvo/engine/chart_table.h"

namespace darvo {

// Prepares element ChartCount of a chart table for one request or data output and
// removes it again on every way out (an early return, a refusal, an exception), unless a
// chart window adopted it. This keeps the table's invariant without a cleanup line on
// each path of the caller.
class PreparedChartRecord {
public:
    explicit PreparedChartRecord(ChartTable& table) : table_(table), record_(&table.Prepare()) {}
    ~PreparedChartRecord() { table_.DiscardPrepared(); }
    PreparedChartRecord(const PreparedChartRecord&) = delete;
    PreparedChartRecord& operator=(const PreparedChartRecord&) = delete;

    // Valid until Adopt() or until the engine removed the record after a refusal.
    ChartDataRecord& Record() noexcept { return *record_; }
    // The chart window takes the record as its curve; it then stays in the table.
    void Adopt() { table_.AdoptPrepared(); }

private:
    ChartTable& table_;
    ChartDataRecord* record_;
};

}  // namespace darvo

#endif
