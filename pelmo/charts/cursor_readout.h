#ifndef PELMO_CHARTS_CURSOR_READOUT_H
#define PELMO_CHARTS_CURSOR_READOUT_H

#include <array>
#include <optional>
#include <string>

namespace shared {
class ChartCanvas;
}

namespace pelmo {

class ChartSlotTable;
class ChartWindowModel;

// A trace point is hit when the pointer lies less than this many chart units away from
// it, horizontally and vertically.
inline constexpr double kCursorHitDistance = 20.0;

// The trace point under the pointer.
struct CursorHit {
    int Slot = 0;         // the slot whose column holds the point
    int Point = 0;        // 0 ... 200
    int TraceNumber = 0;  // 1 ... 6 on rectangular charts (slot order); 1 on Smith
    double X = 0.0;       // the point's plot position [chart units]
    double Y = 0.0;
};

// The first trace point within reach of (x, y): traces in slot order, points in
// frequency order, so of two traces through one spot the lower slot wins. Works on the
// window's own copy and axis layout only. On logarithmic kinds a point at or below zero
// is not plotted and so cannot be hit, and the search never reports "Error at Log10":
// a mouse move must not open a message box.
std::optional<CursorHit> HitTest(const ChartWindowModel& window, const ChartSlotTable& slots, double x,
                                 double y);

// The texts of the status bar's three panels for a hit: frequency, the main value and
// (phase or SRF) a second one. Values have two decimals, ESR three. Panel 3 of a kind
// that shows the SRF is empty when the trace's slot has none, so it never keeps the SRF
// of another trace. An Impedance & ESR trace is read as what its column holds.
std::array<std::string, 3> ReadoutPanelTexts(const ChartWindowModel& window, const ChartSlotTable& slots,
                                             const CursorHit& hit);

// The marker's radius in chart units for a picture of that height [twips]: 33 1/3
// twips on a rectangular chart (3000 units high), 50 on a Smith chart (2400 units).
double CursorMarkerRadius(bool smith, double pictureHeightTwips) noexcept;

// What a right button release asks of the window.
enum class CursorRelease { Nothing, Released, OpenPopup };

// The cursor readout of one chart window: which point the status bar shows and whether
// the user froze it there. The window forwards the picture's mouse events and copies
// Panels() into its status bar after each one; the marker is drawn on the canvas's
// overlay so clearing it never redraws the chart.
class CursorReadout {
public:
    // picGraph_MouseMove. Ignored while frozen. On a hit the panels and the marker show
    // the point; otherwise both are cleared.
    void MouseMove(const ChartWindowModel& window, const ChartSlotTable& slots, shared::ChartCanvas& canvas,
                   double pictureHeightTwips, double x, double y);
    // picGraph_MouseDown with the left button: freezes the point shown, if any.
    void LeftButtonDown() noexcept;
    // picGraph_MouseUp with the right button: releases a frozen point (panels and marker
    // stay until the next move), or asks for the popup menu when nothing is frozen.
    CursorRelease RightButtonUp() noexcept;
    // The window was minimised: panels, marker and both flags are reset, so a restored
    // window shows no marker without values.
    void Reset(shared::ChartCanvas& canvas);

    bool Active() const noexcept { return active_; }
    bool Frozen() const noexcept { return frozen_; }
    const std::array<std::string, 3>& Panels() const noexcept { return panels_; }

private:
    void Clear(shared::ChartCanvas& canvas);

    bool active_ = false;
    bool frozen_ = false;
    std::array<std::string, 3> panels_;
};

}  // namespace pelmo

#endif
