#include "darvo/charts/cursor_readout.h"

#include "darvo/charts/chart_axes.h"
#include "darvo/engine/chart_table.h"

#include "shared/canvas/chart_canvas.h"
#include "shared/text/number_text.h"

namespace darvo {

namespace {

constexpr shared::Rgb kMarkerRed{255, 0, 0};

}  // namespace

std::optional<CursorHit> HitTest(const ChartTable& table, const ChartIdentity& identity, double x, double y) {
    for (std::size_t i = 0; i < table.Size(); ++i) {
        const ChartDataRecord& r = table.At(i);
        if (!BelongsTo(r, identity)) continue;
        for (int j = 0; j < kChartPoints; ++j) {
            const auto u = static_cast<std::size_t>(j);
            const double px = r.PlotX[u];
            const double py = r.PlotY[u];
            if (x - 0.5 < px && px < x + 0.5 && y - 1.0 < py && py < y + 1.0)
                return CursorHit{i, j, r.PlotX[u], r.PlotY[u]};
        }
    }
    return std::nullopt;
}

std::array<std::string, 2> ReadoutPanelTexts(const ChartTable& table, const ChartIdentity& identity,
                                             const CursorHit& hit, const std::string& degreeSign,
                                             char separator) {
    const ChartDataRecord& r = table.At(hit.Record);
    const auto u = static_cast<std::size_t>(hit.Point);
    float x = r.XData[u];
    // The data hold Hz; the axis and the readout read kHz.
    if (identity.XAxis == Quantity::Frequency) x /= 1000.0F;
    return {shared::FormatSingle(x, "0.###", separator) + GetUnit(identity.XAxis, degreeSign),
            shared::FormatSingle(r.YData[u], "0.###", separator) + GetUnit(identity.YAxis, degreeSign)};
}

void CursorReadout::MouseMove(const ChartTable& table, const ChartIdentity& identity,
                              shared::ChartCanvas& canvas, const std::string& degreeSign, char separator,
                              double x, double y) {
    if (held_) return;
    if (x < 0.0 || x > 100.0 || y < 0.0 || y > 100.0) {
        Clear(canvas);
        return;
    }
    const std::optional<CursorHit> hit = HitTest(table, identity, x, y);
    if (!hit) {
        Clear(canvas);
        return;
    }
    panels_ = ReadoutPanelTexts(table, identity, *hit, degreeSign, separator);
    canvas.ClearOverlay();
    canvas.BeginOverlay();
    canvas.FilledCircle(hit->X, hit->Y, kCursorMarkerRadius, kMarkerRed, kMarkerRed);
    canvas.EndOverlay();
    active_ = true;
}

CursorButtonAction CursorReadout::MouseDown(bool leftButton, bool rightButton) noexcept {
    if (rightButton && !active_ && !held_) return CursorButtonAction::OpenPopup;
    if (!active_) return CursorButtonAction::Nothing;
    if (!held_ && leftButton) {
        held_ = true;
        return CursorButtonAction::Held;
    }
    if (held_ && rightButton) {
        active_ = false;
        held_ = false;
        return CursorButtonAction::Released;
    }
    return CursorButtonAction::Nothing;
}

void CursorReadout::Reset(shared::ChartCanvas& canvas) {
    held_ = false;
    Clear(canvas);
}

void CursorReadout::Clear(shared::ChartCanvas& canvas) {
    canvas.ClearOverlay();
    active_ = false;
    panels_ = {};
}

}  // namespace darvo
