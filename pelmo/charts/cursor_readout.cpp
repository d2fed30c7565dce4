#include "pelmo/charts/cursor_readout.h"

#include "pelmo/charts/chart_axis.h"
#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/charts/chart_trace.h"
#include "pelmo/charts/chart_window_model.h"
#include "pelmo/charts/drawing_log10.h"
#include "pelmo/charts/smith_chart.h"
#include "pelmo/charts/trace_plot.h"

#include "shared/canvas/chart_canvas.h"
#include "shared/text/number_text.h"

#include <cmath>

namespace pelmo {

namespace {

constexpr shared::Rgb kMarkerRed{255, 0, 0};

bool Near(double pointer, double point) noexcept {
    return std::fabs(pointer - point) < kCursorHitDistance;
}

int SParameterOffset(SParameter sParameter) noexcept {
    return sParameter == SParameter::S21 ? 1 : 0;
}

std::string Two(double value, char separator) {
    return shared::Format(value, "0.00", separator);
}

std::string FrequencyText(double frequency, char separator) {
    return "Freq=" + Two(frequency / 1e6, separator) + "[MHz]";
}

std::optional<CursorHit> HitSmith(const ChartWindowModel& window, double x, double y) {
    const TraceStore& store = window.Store();
    const int slot = window.SlotNumber();
    if (!store.HasTrace(slot)) return std::nullopt;
    const int s = SParameterOffset(window.SParameter());
    for (int i = 0; i < kChartPointCount; ++i) {
        const double xp = kSmithUnit * store.Value(slot, 2 * s + 1, i);
        const double yp = kSmithUnit * store.Value(slot, 2 * s + 2, i);
        if (Near(x, xp) && Near(y, yp)) return CursorHit{slot, i, 1, xp, yp};
    }
    return std::nullopt;
}

std::optional<CursorHit> HitRectangular(const ChartWindowModel& window, const ChartSlotTable& slots, double x,
                                        double y) {
    const ChartKind kind = window.Kind();
    const ChartAxis& axis = window.Axis();
    const TraceStore& store = window.Store();
    const bool logarithmic = IsLogarithmicKind(kind);
    // Only defined values get this far, so the plain logarithm is exact and silent.
    const Log10Function log10 = [](double v) { return std::log10(v); };
    int traceNumber = 0;
    for (const int slot : slots.SlotsOfChart(window.Kind())) {
        ++traceNumber;
        if (!store.HasTrace(slot)) continue;
        ChartTrace trace;
        trace.Slot = slots.Slot(slot);
        const int series = PlottedSeries(kind, trace);
        for (int i = 0; i < kChartPointCount; ++i) {
            const double frequency = store.Value(slot, 0, i);
            const double value = store.Value(slot, series, i);
            const double magnitude = kind == ChartKind::Reactance ? std::fabs(value) : value;
            if (!DrawingLog10::Defined(frequency) || (logarithmic && !DrawingLog10::Defined(magnitude)))
                continue;
            const double xp = FrequencyX(axis, frequency, log10);
            const double yp = ValueY(kind, axis, value, log10);
            if (Near(x, xp) && Near(y, yp)) return CursorHit{slot, i, traceNumber, xp, yp};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<CursorHit> HitTest(const ChartWindowModel& window, const ChartSlotTable& slots, double x,
                                 double y) {
    return window.IsSmith() ? HitSmith(window, x, y) : HitRectangular(window, slots, x, y);
}

std::array<std::string, 3> ReadoutPanelTexts(const ChartWindowModel& window, const ChartSlotTable& slots,
                                             const CursorHit& hit) {
    const TraceStore& store = window.Store();
    const char separator = window.Separator();
    const auto series = [&](int n) { return store.Value(hit.Slot, n, hit.Point); };
    const ChartSlot& slot = slots.Slot(hit.Slot);
    std::array<std::string, 3> panels{FrequencyText(series(0), separator), {}, {}};
    const int s = SParameterOffset(window.IsSmith() ? window.SParameter() : slot.Parameter);
    switch (window.Kind()) {
        case ChartKind::Smith:
        case ChartKind::Phase:
            panels[1] = "Mag=" + Two(series(s + 5), separator) + "[dB]";
            panels[2] = "Phase=" + Two(series(s + 7), separator) + "[DEG]";
            return panels;
        case ChartKind::Magnitude:
            panels[1] = "Mag=" + Two(series(s + 1), separator) + "[dB]";
            panels[2] = "Phase=" + Two(series(s + 3), separator) + "[DEG]";
            return panels;
        case ChartKind::Reactance:
            panels[1] = "X=" + Two(series(1), separator) + "[ohm]";
            break;
        case ChartKind::Impedance:
            panels[1] = "Z=" + Two(series(1), separator) + "[ohm]";
            break;
        case ChartKind::Esr:
            panels[1] = "ESR=" + shared::Format(series(1), "0.000", separator) + "[ohm]";
            break;
        case ChartKind::Q:
            panels[1] = "Q=" + Two(series(1), separator);
            break;
        case ChartKind::DF:
            panels[1] = "DF=" + Two(series(1), separator);
            break;
        case ChartKind::ApparentCapacitance:
            panels[1] = "C=" + Two(series(1), separator) + "[pF]";
            break;
        case ChartKind::ApparentInductance:
            panels[1] = "L=" + Two(series(1), separator) + "[nH]";
            break;
        case ChartKind::ImpedanceAndEsr:
            // The column says what it holds; its place among the traces may not, once a
            // freed slot has split a pair.
            panels[1] = store.HoldsEsr(hit.Slot)
                            ? "ESR=" + shared::Format(series(1), "0.000", separator) + "[ohm]"
                            : "Impedance=" + Two(series(1), separator) + "[ohm]";
            break;
    }
    if (slot.Srf != 0.0F) panels[2] = "SRF=" + shared::FormatSingle(slot.Srf, "0.00", separator) + "[MHz]";
    return panels;
}

double CursorMarkerRadius(bool smith, double pictureHeightTwips) noexcept {
    const auto height = static_cast<float>(pictureHeightTwips);
    return (smith ? 120000.0 : 100000.0) / height;
}

void CursorReadout::MouseMove(const ChartWindowModel& window, const ChartSlotTable& slots,
                              shared::ChartCanvas& canvas, double pictureHeightTwips, double x, double y) {
    if (frozen_) return;
    const std::optional<CursorHit> hit = HitTest(window, slots, x, y);
    if (!hit) {
        Clear(canvas);
        return;
    }
    panels_ = ReadoutPanelTexts(window, slots, *hit);
    active_ = true;
    const double radius = CursorMarkerRadius(window.IsSmith(), pictureHeightTwips);
    canvas.ClearOverlay();
    canvas.BeginOverlay();
    canvas.FilledCircle(hit->X, hit->Y, radius, kMarkerRed, kMarkerRed);
    canvas.EndOverlay();
}

void CursorReadout::LeftButtonDown() noexcept {
    if (active_ && !frozen_) frozen_ = true;
}

CursorRelease CursorReadout::RightButtonUp() noexcept {
    if (active_ && frozen_) {
        active_ = false;
        frozen_ = false;
        return CursorRelease::Released;
    }
    return frozen_ ? CursorRelease::Nothing : CursorRelease::OpenPopup;
}

void CursorReadout::Reset(shared::ChartCanvas& canvas) {
    Clear(canvas);
    frozen_ = false;
}

void CursorReadout::Clear(shared::ChartCanvas& canvas) {
    panels_ = {};
    canvas.ClearOverlay();
    active_ = false;
}

}  // namespace pelmo
