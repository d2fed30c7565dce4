#ifndef DARVO_CHARTS_CHART_DRAWING_H
#define DARVO_CHARTS_CHART_DRAWING_H

#include "darvo/charts/chart_axes.h"
#include "darvo/charts/chart_identity.h"

#include "shared/canvas/rgb.h"

#include <string>

namespace shared {
class ChartCanvas;
}

namespace darvo {

class ChartTable;

// How one drawing of a chart differs by target. The same routines draw the window's
// picture, the printed chart body and (through the window's picture) the clipboard copy.
struct ChartDrawOptions {
    // A user-chosen (magnified) range: every linear axis gets 5 divisions. The window
    // sets it while it draws a magnified range; the print sets it when the window's
    // range is narrower than the full range (IsMagnifiedRange).
    bool CustomRange = false;
    // The window's own picture: the Y title is written upwards along the left side in
    // device pixels; on any other canvas only the Y unit is printed above the plot area.
    bool OwnPicture = false;
    // "\u00B0" on screen and paper; the caller passes the program's DegreeSign.
    std::string DegreeSign = "\u00B0";
    // The separator of the axis labels; the caller passes the program's.
    char DecimalSeparator = '.';
    // The system button-text colour: curve 2 on every canvas, and every curve on a
    // printer that prints black only (told apart there by line width).
    shared::Rgb ButtonTextColor = shared::colors::kBlack;
};

// The user scale of the window's picture: x from -21 to 105, y from 107 (top) down to
// -15 (bottom); the plot area (0, 0)-(100, 100) lies inside.
inline constexpr double kPictureScaleLeft = -21.0;
inline constexpr double kPictureScaleTop = 107.0;
inline constexpr double kPictureScaleWidth = 126.0;
inline constexpr double kPictureScaleHeight = -122.0;

// The user scale of the printed chart body: x from -30 to 160, y from 130 down to -70.
inline constexpr double kPrintScaleLeft = -30.0;
inline constexpr double kPrintScaleTop = 130.0;
inline constexpr double kPrintScaleWidth = 190.0;
inline constexpr double kPrintScaleHeight = -200.0;

// Colours of the drawing.
inline constexpr shared::Rgb kLinearGridColor{64, 64, 64};
inline constexpr shared::Rgb kMinorLogGridColor{128, 128, 128};
// The window's plot area before anything is drawn on it (the system 3-D face colour of
// the classic desktop; the window passes its palette's button colour).
inline constexpr shared::Rgb kDefaultFaceColor{240, 240, 240};

// The curve colour of curve number 0 ... 5: blue, red, the button-text colour, magenta,
// green, RGB(192, 64, 0). Numbers outside 0 ... 5 take the last colour.
shared::Rgb CurveColor(int curve, shared::Rgb buttonTextColor = shared::colors::kBlack) noexcept;
// Line widths of curves 0 ... 5 on a black-only printer: 12, 9, 7, 5, 3, 1 pixels.
int MonochromeCurveWidth(int curve) noexcept;

// Readies the window's picture for a drawing: its scale, cleared, the plot area filled
// with the face colour.
void PreparePicture(shared::ChartCanvas& canvas, shared::Rgb faceColor = kDefaultFaceColor);

// Grid, tick labels, axis titles (and the temperature-rise note), then the black frame,
// in the canvas's current scale, whose plot area is (0, 0)-(100, 100).
void DrawAxes(shared::ChartCanvas& canvas, const ChartIdentity& identity, const AxisRange& range,
              const ChartDrawOptions& options);

// Every curve of the identity in table order (a prepared record of the identity
// included), each segment drawn only when both its data points lie inside range, bounds
// included; nothing is clipped. Stores the plot position of every point in PlotX/PlotY
// of its record, also for points off the plot, for the cursor readout. On a printer
// whose colour mode is black only the curves are drawn in the button-text colour with
// the widths of MonochromeCurveWidth and a solid pen.
void DrawCurves(shared::ChartCanvas& canvas, ChartTable& table, const ChartIdentity& identity,
                const AxisRange& range, const ChartDrawOptions& options);

// DrawAxes then DrawCurves: the whole chart on a prepared canvas. The printed chart body
// sets kPrint scale first; the window prepares its picture with PreparePicture.
void DrawChart(shared::ChartCanvas& canvas, ChartTable& table, const ChartIdentity& identity,
               const AxisRange& range, const ChartDrawOptions& options);

// The plot coordinate of a data value on an axis of that kind: the proportion of the
// range (times 100), of its logarithms on a logarithmic axis; single precision.
float PlotPosition(float value, float min, float max, bool logarithmic) noexcept;

}  // namespace darvo

#endif
