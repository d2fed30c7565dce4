#ifndef TESTS_DARVO_CHARTS_CHART_SAMPLE_H
#define TESTS_DARVO_CHARTS_CHART_SAMPLE_H

#include "darvo/charts/chart_axes.h"
#include "darvo/charts/chart_identity.h"
#include "darvo/engine/chart_table.h"
#include "darvo/library/product_library.h"
#include "darvo/selection/plot_conditions.h"

#include "shared/platform/testing/fake_messages.h"

#include <functional>

namespace darvo::testing {

// The generated sample products (as the start derives and sorts them) and a chart table
// whose records come from the real engine, as a plot request makes them.
class ChartSample {
public:
    ChartSample();

    ProductLibrary Library;
    ChartTable Table;
    shared::FakeMessages Messages;

    // The table index of the n-th part (0 first) available for a chart type.
    std::int32_t PartFor(ChartType chartType, int n) const;

    // Prepares and computes a record for the n-th part of the chart type, with the
    // selection window's default conditions changed by tweak. False when the engine
    // refused it (the record is then gone again).
    bool Prepare(const ChartIdentity& identity, int nthPart,
                 const std::function<void(ConditionTexts&)>& tweak = {});
    // Prepare and adopt, as a window's Form_Load would without drawing.
    void AddCurve(const ChartIdentity& identity, int nthPart,
                  const std::function<void(ConditionTexts&)>& tweak = {});
};

// A record with a straight line from (x0, y0) to (x1, y1) over its 200 points and the
// given range, for drawing and readout cases the engine cannot produce exactly.
ChartDataRecord LineRecord(const ChartIdentity& identity, float x0, float y0, float x1, float y1,
                           const AxisRange& range);
// Puts a record into the table as an adopted curve.
void Adopt(ChartTable& table, const ChartDataRecord& record);

}  // namespace darvo::testing

#endif
