#include "pelmo/charts/trace_plot.h"

#include "pelmo/charts/chart_style.h"
#include "pelmo/charts/drawing_log10.h"
#include "pelmo/charts/trace_store.h"

#include "shared/canvas/chart_canvas.h"
#include "shared/canvas/page_canvas.h"

#include <array>
#include <cmath>

namespace pelmo {

namespace {

constexpr double kSteepSlope = 0.2;
constexpr int kDotWidth = 3;
// Points land on the frame up to the rounding of the axis arithmetic.
constexpr double kFrameTolerance = 0.5;

struct PlotPoint {
    double x = 0.0;
    double y = 0.0;
    bool valid = false;
};

using PlotPoints = std::array<PlotPoint, kChartPointCount>;

PlotPoints ComputePoints(ChartKind kind, const ChartTrace& trace, const TraceStore& store,
                         const ChartAxis& axis, DrawingLog10& log10) {
    const int series = PlottedSeries(kind, trace);
    const int slot = trace.Slot.SlotNumber;
    const double right = PlotRight(axis);
    const double top = PlotTop(axis);
    const Log10Function log = [&log10](double x) { return log10(x); };
    PlotPoints points;
    for (int i = 0; i < kChartPointCount; ++i) {
        PlotPoint& p = points[static_cast<std::size_t>(i)];
        const double frequency = store.Value(slot, 0, i);
        double value = store.Value(slot, series, i);
        if (kind == ChartKind::Reactance) value = std::fabs(value);
        if (!DrawingLog10::Defined(frequency) || (IsLogarithmicKind(kind) && !DrawingLog10::Defined(value))) {
            // Shown once per drawing; the point itself is left out.
            log10(DrawingLog10::Defined(frequency) ? value : frequency);
            continue;
        }
        p.x = FrequencyX(axis, frequency, log);
        p.y = ValueY(kind, axis, value, log);
        p.valid = std::isfinite(p.x) && std::isfinite(p.y) && p.x >= axis.Left - kFrameTolerance &&
                  p.x <= right + kFrameTolerance && p.y >= axis.Bottom - kFrameTolerance &&
                  p.y <= top + kFrameTolerance;
    }
    return points;
}

void Segment(shared::ChartCanvas& canvas, const PlotPoints& points, int i, shared::Rgb color) {
    const PlotPoint& a = points[static_cast<std::size_t>(i)];
    const PlotPoint& b = points[static_cast<std::size_t>(i + 1)];
    if (a.valid && b.valid) canvas.Line(a.x, a.y, b.x, b.y, color);
}

void Dot(shared::ChartCanvas& canvas, const PlotPoints& points, int i, shared::Rgb color) {
    const PlotPoint& p = points[static_cast<std::size_t>(i)];
    if (p.valid) canvas.PSet(p.x, p.y, color);
}

// The slope between point i - 1 and i in chart units; steep is what the caller asks.
// Between points that are not both plotted nothing is known, so it counts as neither.
bool SlopeAbove(const PlotPoints& points, int i, bool wantSteep) {
    const PlotPoint& a = points[static_cast<std::size_t>(i - 1)];
    const PlotPoint& b = points[static_cast<std::size_t>(i)];
    if (!a.valid || !b.valid) return false;
    const double dx = b.x - a.x;
    const double slope = dx == 0.0 ? INFINITY : std::fabs((b.y - a.y) / dx);
    return wantSteep ? slope > kSteepSlope : slope < kSteepSlope;
}

}  // namespace

int PlottedSeries(ChartKind kind, const ChartTrace& trace) noexcept {
    const bool s21 = trace.Slot.Parameter == SParameter::S21;
    if (kind == ChartKind::Magnitude) return s21 ? 2 : 1;
    if (kind == ChartKind::Phase) return s21 ? 8 : 7;
    return 1;
}

void PlotTrace(shared::ChartCanvas& canvas, ChartKind kind, const ChartTrace& trace, const TraceStore& store,
               const ChartAxis& axis, int k, DrawingLog10& log10) {
    const PlotPoints points = ComputePoints(kind, trace, store, axis, log10);
    const std::size_t index = static_cast<std::size_t>((k - 1) % 6);
    shared::PageCanvas* page = canvas.AsPage();
    const bool monochrome = page != nullptr && page->ColorMode() == shared::PrinterColorMode::Monochrome;
    const shared::Rgb color = monochrome ? canvas.ForeColor() : kTraceColors[index];

    const bool steep =
        trace.Capacitor && (kind == ChartKind::ApparentCapacitance || kind == ChartKind::ApparentInductance);
    if (!steep) {
        if (monochrome) {
            canvas.SetDrawStyle(shared::LineStyle::Solid);
            canvas.SetDrawWidth(kMonochromeTraceWidths[index]);
        } else if (page != nullptr) {
            canvas.SetDrawWidth(kColorPrintTraceWidth);
        }
        for (int i = 0; i < kChartPointCount - 1; ++i) Segment(canvas, points, i, color);
        if (page != nullptr && !monochrome) canvas.SetDrawWidth(1);
        return;
    }

    const int remembered = canvas.DrawWidth();
    const int lineWidth =
        monochrome ? kMonochromeTraceWidths[index] : (page != nullptr ? kColorPrintTraceWidth : remembered);
    const int last = kChartPointCount - 1;
    if (kind == ChartKind::ApparentCapacitance) {
        // A line while the curve is flat, dots from where it turns up to the resonance.
        canvas.SetDrawWidth(lineWidth);
        int stop = last;
        for (int i = 0; i < last; ++i) {
            if (i >= 1 && SlopeAbove(points, i, true)) {
                stop = i;
                break;
            }
            Segment(canvas, points, i, color);
        }
        canvas.SetDrawWidth(kDotWidth);
        for (int i = stop; i <= last; ++i) Dot(canvas, points, i, color);
    } else {
        // Dots while the curve falls steeply from the resonance, a line once it flattens.
        canvas.SetDrawWidth(kDotWidth);
        int stop = last;
        for (int i = 0; i < last; ++i) {
            if (i >= 1 && SlopeAbove(points, i, false)) {
                stop = i;
                break;
            }
            Dot(canvas, points, i, color);
        }
        canvas.SetDrawWidth(lineWidth);
        for (int i = stop; i < last; ++i) Segment(canvas, points, i, color);
    }
    canvas.SetDrawWidth(remembered);
}

}  // namespace pelmo
