#ifndef DARVO_CHARTS_CHART_AXES_H
#define DARVO_CHARTS_CHART_AXES_H

#include "darvo/charts/chart_identity.h"

#include <optional>
#include <string>

namespace darvo {

class ChartTable;

// The range a chart is drawn with, single precision in the order the window keeps it.
// Frequencies are in Hz although their labels read kHz.
struct AxisRange {
    float Xmax = 0.0F;
    float Ymax = 0.0F;
    float Xmin = 0.0F;
    float Ymin = 0.0F;

    friend bool operator==(const AxisRange&, const AxisRange&) = default;
};

// The full range of an identity: the largest maxima and the smallest minima over every
// record of the table with that identity, a prepared record of that identity included
// (the window that adopts it draws it). Nothing when the table holds no such record.
std::optional<AxisRange> FullRange(const ChartTable& table, const ChartIdentity& identity);

// Axis kinds follow from the identity alone: allowable power is logarithmic on both
// axes, a temperature rise over frequency on X only, every other chart linear.
bool IsLogX(const ChartIdentity& identity) noexcept;
bool IsLogY(const ChartIdentity& identity) noexcept;

// Division counts of the linear axes. customRange (a magnified or printed magnified
// chart) gives 5 whatever the chart. A count that rounds to 0 (a range the engine never
// produces) is drawn as 1 division, so the tick spacing stays finite; a range that
// would need more than kMaxDivisions (values far beyond any characteristic, up to the
// largest float) gets kMaxDivisions.
inline constexpr int kMaxDivisions = 100;
int XDivisions(const ChartIdentity& identity, float xmax, float xmin, bool customRange);
int YDivisions(const ChartIdentity& identity, float ymax, float ymin, bool customRange);

// The unit text of an axis quantity: "[Arms]", "[Vrms]", "[VA]", "[W]", "[kHz]",
// "[" + degree sign + "C]" for both temperatures ("[C]" when plainTemperature, as
// warnings write it), "[V]", "[pF]", "[%]"; empty for None.
std::string GetUnit(Quantity axis, const std::string& degreeSign, bool plainTemperature = false);

}  // namespace darvo

#endif
