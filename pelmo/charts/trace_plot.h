#ifndef PELMO_CHARTS_TRACE_PLOT_H
#define PELMO_CHARTS_TRACE_PLOT_H

#include "pelmo/charts/chart_axis.h"
#include "pelmo/charts/chart_trace.h"

namespace shared {
class ChartCanvas;
}

namespace pelmo {

class DrawingLog10;
class TraceStore;

// The series a trace plots: 1, except S21 on Magnitude (2) and Phase (7 for S11, 8 for
// S21, the phase in degrees).
int PlottedSeries(ChartKind kind, const ChartTrace& trace) noexcept;

// Plots trace number k (1 to 6) of a rectangular chart from the store onto the axes:
// 200 segments in colour k, or on a black-only printer in black at width k. A capacitor
// on an apparent chart is drawn in two parts: the flat part as a line and the steep part
// towards its resonance as thick dots, since a line there would only show a wall.
//
// Segments are not clipped: one with an end outside the plot area is left out, and on a
// logarithmic axis a point at or below zero is not plotted at all (the first one of the
// drawing shows "Error at Log10" through log10).
void PlotTrace(shared::ChartCanvas& canvas, ChartKind kind, const ChartTrace& trace, const TraceStore& store,
               const ChartAxis& axis, int k, DrawingLog10& log10);

}  // namespace pelmo

#endif
