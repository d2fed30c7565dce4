#include "pelmo/charts/rectangular_chart.h"

#include "pelmo/charts/axis_labels.h"
#include "pelmo/charts/chart_captions.h"
#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/charts/chart_style.h"
#include "pelmo/charts/drawing_log10.h"
#include "pelmo/charts/trace_plot.h"
#include "pelmo/charts/trace_store.h"

#include "shared/canvas/chart_canvas.h"
#include "shared/canvas/print_at.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pelmo {

namespace {

constexpr double kChartUnits = 3000.0;
constexpr double kLabelEdgeMargin = 15.0;

using shared::PrintAt;

void PrintTitles(shared::ChartCanvas& canvas, ChartKind kind) {
    PrintAt(canvas, 1400, 200, "Frequency [MHz]");
    const std::string unit = ValueUnitText(kind);
    if (canvas.AsPage() != nullptr) {
        PrintAt(canvas, 470, 2970, unit);
        return;
    }
    // Read upwards beside the value labels; the thin narrow face keeps it clear of them.
    const std::string title = std::string(ChartName(kind)) + " " + unit;
    const shared::RotatedFont font{"Arial", 12, 5, 100};
    const shared::Rgb previous = canvas.ForeColor();
    canvas.SetForeColor(shared::colors::kBlack);
    canvas.PrintRotated(title, font, 900, 5, static_cast<int>(canvas.TextWidth(title) / 15 + 100));
    canvas.SetForeColor(previous);
}

void DrawFrameAndGrid(shared::ChartCanvas& canvas, const ChartAxis& axis) {
    const double right = PlotRight(axis);
    const double top = PlotTop(axis);
    if (canvas.AsPage() == nullptr)
        canvas.FilledBox(axis.Left, axis.Bottom, right, top, kPlotAreaGrey);
    else
        canvas.Box(axis.Left, axis.Bottom, right, top, shared::colors::kBlack);
    const shared::Rgb fore = canvas.ForeColor();
    for (int g = 0; g <= axis.Divisions; ++g) {
        const double y = axis.Bottom + static_cast<double>(g) * axis.DivisionHeight;
        canvas.Line(axis.Left, y, right, y, fore);
    }
    for (int h = 0; h <= axis.Decades; ++h) {
        const double x = axis.Left + static_cast<double>(h) * axis.DecadeWidth;
        canvas.Line(x, axis.Bottom, x, top, fore);
    }
    for (int m = 0; m < axis.Decades; ++m)
        for (int h = 2; h <= 9; ++h) {
            const double x = axis.Left + axis.DecadeWidth * (m + std::log10(static_cast<double>(h)));
            canvas.Line(x, axis.Bottom, x, top, kMinorGridGrey);
        }
}

void PrintLabels(shared::ChartCanvas& canvas, const std::vector<AxisLabel>& labels) {
    // The last frequency line of a 20 GHz axis lies so close to the picture's right
    // edge that its centred label ("100,000") would run past it: such a label ends at
    // the edge instead.
    const double visibleRight = canvas.ScaleLeft() + canvas.ScaleWidth() - kLabelEdgeMargin;
    for (const AxisLabel& label : labels) {
        const double width = canvas.TextWidth(label.Text);
        double x =
            label.Alignment == AxisLabel::Align::Centre ? label.AnchorX - width / 2 : label.AnchorX - width;
        if (label.Alignment == AxisLabel::Align::Centre) x = std::min(x, visibleRight - width);
        PrintAt(canvas, x, label.Top, label.Text);
    }
}

}  // namespace

void PrepareRectangularTarget(shared::ChartCanvas& canvas) {
    if (canvas.AsPage() == nullptr) {
        canvas.SetScale(0, kChartUnits, kChartUnits, -kChartUnits);
        canvas.Cls();
        canvas.SetForeColor(shared::colors::kBlack);
        return;
    }
    const double w = canvas.ScaleWidth();
    const double h = canvas.ScaleHeight();
    canvas.SetScale(-1800000.0 / kPrintedChartWidthTwips, 24900000.0 / kPrintedChartHeightTwips,
                    w * kChartUnits / kPrintedChartWidthTwips, -h * kChartUnits / kPrintedChartHeightTwips);
}

bool ValueRange(ChartKind kind, const std::vector<ChartTrace>& traces, const TraceStore& store, double& vmin,
                double& vmax) {
    vmin = std::numeric_limits<double>::infinity();
    vmax = -std::numeric_limits<double>::infinity();
    for (const ChartTrace& trace : traces) {
        const int series = kind == ChartKind::Magnitude ? PlottedSeries(kind, trace) : 1;
        for (int i = 0; i < kChartPointCount; ++i) {
            double v = store.Value(trace.Slot.SlotNumber, series, i);
            if (kind == ChartKind::Reactance) v = std::fabs(v);
            if (!std::isfinite(v) || (IsLogarithmicKind(kind) && !DrawingLog10::Defined(v))) continue;
            vmin = std::min(vmin, v);
            vmax = std::max(vmax, v);
        }
    }
    return vmin <= vmax;
}

std::vector<std::string> DrawRectangularChart(shared::ChartCanvas& canvas, ChartKind kind,
                                              const std::vector<ChartTrace>& traces, const TraceStore& store,
                                              ChartAxis& axis, const std::string& degreeSign, char separator,
                                              DrawingLog10& log10) {
    PrintTitles(canvas, kind);

    std::vector<FrequencyAxisTrace> frequencyTraces;
    for (const ChartTrace& trace : traces)
        frequencyTraces.push_back(FrequencyAxisTrace{trace.RangeClass, trace.Slot.UpperFrequency});
    LayoutFrequencyAxis(axis, frequencyTraces);

    const Log10Function log = [&log10](double x) { return log10(x); };
    if (kind == ChartKind::Magnitude || IsLogarithmicKind(kind)) {
        double vmin = 0.0;
        double vmax = 0.0;
        if (!ValueRange(kind, traces, store, vmin, vmax)) {
            // Nothing can be placed on this axis: say so once, and show one decade.
            log10(0.0);
            vmin = vmax = kind == ChartKind::Magnitude ? 0.0 : 1.0;
        }
        if (kind == ChartKind::Magnitude)
            LayoutMagnitudeAxis(axis, vmin);
        else
            LayoutLogAxis(axis, vmin, vmax, log);
    }

    DrawFrameAndGrid(canvas, axis);
    PrintLabels(canvas, FrequencyLabels(kind, axis, separator));
    PrintLabels(canvas, ValueLabels(kind, axis, separator));

    std::vector<std::string> legends;
    const std::size_t shown = std::min<std::size_t>(traces.size(), kMaxTracesPerChart);
    for (std::size_t t = 0; t < shown; ++t) {
        const ChartTrace& trace = traces[t];
        legends.push_back(
            LegendCaption(kind, trace, store.HoldsEsr(trace.Slot.SlotNumber), degreeSign, separator));
        PlotTrace(canvas, kind, trace, store, axis, static_cast<int>(t) + 1, log10);
    }
    return legends;
}

}  // namespace pelmo
