#ifndef DARVO_CHARTS_CURSOR_READOUT_H
#define DARVO_CHARTS_CURSOR_READOUT_H

#include "darvo/charts/chart_identity.h"

#include <array>
#include <optional>
#include <string>

namespace shared {
class ChartCanvas;
}

namespace darvo {

class ChartTable;

// The point under the pointer: the record and point index, and where the last drawing
// put it (plot units).
struct CursorHit {
    std::size_t Record = 0;
    int Point = 0;
    float X = 0.0F;
    float Y = 0.0F;
};

// The first point of the identity's curves (table order, then point order) that lies
// strictly within 0.5 plot units horizontally and 1 unit vertically of (x, y), found
// from the positions the last drawing stored; so of two curves through one spot the
// earlier record wins.
std::optional<CursorHit> HitTest(const ChartTable& table, const ChartIdentity& identity, double x, double y);

// The status panels of a hit: X and Y with at most three decimals and their units, a
// frequency read in kHz.
std::array<std::string, 2> ReadoutPanelTexts(const ChartTable& table, const ChartIdentity& identity,
                                             const CursorHit& hit, const std::string& degreeSign,
                                             char separator);

// The marker: a red dot of radius 1 plot unit.
inline constexpr double kCursorMarkerRadius = 1.0;

// What a mouse button on the chart asks of the window.
enum class CursorButtonAction { Nothing, OpenPopup, Held, Released };

// The cursor readout of one chart window: idle, tracking a point, or held there by a
// left click. The window forwards the picture's mouse events and copies Panels() into
// its status bar; the marker lives on the canvas's overlay so it never redraws the chart.
class CursorReadout {
public:
    // picGraph_MouseMove. Nothing while held; outside the plot area (its edges belong
    // to it) or near no point the marker and the panels are cleared.
    void MouseMove(const ChartTable& table, const ChartIdentity& identity, shared::ChartCanvas& canvas,
                   const std::string& degreeSign, char separator, double x, double y);
    // picGraph_MouseDown: right button while idle asks for the popup menu; left button
    // while tracking holds the point; right button while held goes back to tracking on
    // the next move. Every other combination does nothing.
    CursorButtonAction MouseDown(bool leftButton, bool rightButton) noexcept;
    // A new drawing, a new range or a minimised window: back to idle, panels empty,
    // marker gone.
    void Reset(shared::ChartCanvas& canvas);

    bool CursorActive() const noexcept { return active_; }
    bool CursorHeld() const noexcept { return held_; }
    const std::array<std::string, 2>& Panels() const noexcept { return panels_; }

private:
    void Clear(shared::ChartCanvas& canvas);

    bool active_ = false;
    bool held_ = false;
    std::array<std::string, 2> panels_;
};

}  // namespace darvo

#endif
