#ifndef PELMO_CHARTS_RECTANGULAR_CHART_H
#define PELMO_CHARTS_RECTANGULAR_CHART_H

#include "pelmo/charts/chart_axis.h"
#include "pelmo/charts/chart_trace.h"

#include <string>
#include <vector>

namespace shared {
class ChartCanvas;
}

namespace pelmo {

class DrawingLog10;
class TraceStore;

// The unit width of the chart area: the 3000 x 3000 chart units of a rectangular chart
// take 10650 x 7100 twips on paper, three quarters of a 14200-twip line.
inline constexpr double kPrintedChartWidthTwips = 10650.0;
inline constexpr double kPrintedChartHeightTwips = 7100.0;

// Prepares a rectangular chart's target: the window's picture gets the 3000 x 3000
// y-up scale, is cleared and draws in black; a printer page (canvas.AsPage()) keeps its
// content and maps the chart units onto 10650 x 7100 twips, 600 twips right of and
// 1200 below the printable origin, measured from its current twip scale.
void PrepareRectangularTarget(shared::ChartCanvas& canvas);

// Draws the whole chart of one kind on a prepared target, in layers: axis titles, the
// frame and grid, the labels, then each trace over them. Lays out axis (its left,
// bottom and, for Phase, divisions stay; the rest is recomputed from the traces) and
// returns the legend caption of every trace, in trace order, for the window's legend
// frames. At most six traces are drawn (the request checks never let more through).
std::vector<std::string> DrawRectangularChart(shared::ChartCanvas& canvas, ChartKind kind,
                                              const std::vector<ChartTrace>& traces, const TraceStore& store,
                                              ChartAxis& axis, const std::string& degreeSign, char separator,
                                              DrawingLog10& log10);

// The value axis range over every point of every trace: the plotted series (|X| on
// Reactance), only positive values on logarithmic kinds. False when nothing qualifies.
bool ValueRange(ChartKind kind, const std::vector<ChartTrace>& traces, const TraceStore& store, double& vmin,
                double& vmax);

}  // namespace pelmo

#endif
