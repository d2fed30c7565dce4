#ifndef PELMO_PRINTING_CLIPBOARD_PICTURE_H
#define PELMO_PRINTING_CLIPBOARD_PICTURE_H

#include "shared/canvas/canvas_types.h"
#include "shared/canvas/pixel_image.h"
#include "shared/canvas/rgb.h"

#include <string>
#include <vector>

namespace shared {
class ChartCanvas;
}

namespace pelmo {

// One legend label of a chart window as the clipboard picture repeats it. Left is the
// legend frame's left edge and Top the frame's top plus the label's top inside it, both
// in twips of the window's client area, as the frames sit beside the chart picture.
struct LegendRow {
    std::string Caption;
    shared::Rgb Colour;
    int Left = 0;
    int Top = 0;
};

// Rectangular pictures leave room for a short line in the trace colour before each
// caption, which the legend frames do not need on screen.
inline constexpr int kClipboardLegendLineTwips = 500;
inline constexpr int kClipboardLegendTextOffsetTwips = 600;
inline constexpr int kClipboardRectangularExtraTwips = 600;

// What the clipboard picture is assembled from.
struct ClipboardPictureSource {
    shared::PixelImage ChartPicture;  // the chart's persistent image, never its cursor marker
    int ChartWidthTwips = 0;
    int ChartHeightTwips = 0;
    int LegendFrameWidthTwips = 0;
    bool Smith = false;
    std::vector<LegendRow> Legend;
    shared::FontSpec LegendFont;  // the font of the legend labels
};

// Width of the assembled picture in twips: legend frame plus chart, and 600 more on
// rectangular charts for the line samples. Its height is the chart's.
int ClipboardPictureWidthTwips(const ClipboardPictureSource& source) noexcept;

// Assembles the picture on a canvas of ClipboardPictureWidthTwips x ChartHeightTwips:
// clears it, copies the chart's pixels at its top-left corner, then writes the legend
// rows up to the first empty caption - on a Smith chart all in the first label's
// colour, on a rectangular chart each after a 500-twip line in its trace colour, half a
// text line below the label's top. The canvas is left in twips.
void DrawClipboardPicture(shared::ChartCanvas& canvas, const ClipboardPictureSource& source);

}  // namespace pelmo

#endif
