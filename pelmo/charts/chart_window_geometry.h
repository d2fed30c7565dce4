#ifndef PELMO_CHARTS_CHART_WINDOW_GEOMETRY_H
#define PELMO_CHARTS_CHART_WINDOW_GEOMETRY_H

#include "pelmo/engine/chart_kind.h"

#include "shared/canvas/rgb.h"

#include <optional>
#include <string>

namespace pelmo {

// Where a chart window goes and how its picture and legend frames are sized, in twips
// (the window converts at 1440 twips per inch of the screen's logical resolution).
struct ChartWindowGeometry {
    std::optional<double> Left;  // none: the window manager places it
    double Top = 0.0;
    double Width = 0.0;
    double Height = 0.0;
    double PictureWidth = 0.0;
    double PictureHeight = 0.0;
    double LegendGap = 120.0;          // from the picture's right edge to the frames
    std::optional<double> FrameWidth;  // Smith only: 2250 (label 2050)
    std::optional<double> LabelWidth;
};

// A new chart window. Smith windows alternate between the left edge (odd slot) and
// 5430 twips in (even slot), so two of them side by side do not cover each other;
// their picture is square. A rectangular window's picture is 1.5 times as wide as high.
ChartWindowGeometry NewChartWindowGeometry(ChartKind kind, int slotNumber);

// The picture of a window of that height: |height - 300| x 0.88 high.
double ChartPictureHeight(double windowHeight) noexcept;

// The picture size a rectangular chart sets before every screen drawing.
inline constexpr double kRectangularPictureWidth = 5438.4;
inline constexpr double kRectangularPictureHeight = 3625.6;

// "No.1" ... "No.6": the caption of legend frame k (0 to 5) of a rectangular window.
std::string LegendFrameCaption(int k);
// The fore colour of legend frame k: the trace colour on rectangular charts, blue for
// every frame of a Smith window.
shared::Rgb LegendFrameColor(ChartKind kind, int k);

}  // namespace pelmo

#endif
