#ifndef DARVO_PRINTING_CLIPBOARD_PICTURE_H
#define DARVO_PRINTING_CLIPBOARD_PICTURE_H

#include "darvo/charts/chart_legends.h"

#include "shared/canvas/canvas_types.h"
#include "shared/canvas/pixel_image.h"

#include <vector>

namespace shared {
class ChartCanvas;
}

namespace darvo {

// The clipboard copy of a chart window: the chart picture with the window's legend rows
// beside it, as one bitmap. The rows stand where the window's legend frames stand, in
// twips of the window's client area, each after a short line in the curve's legend
// colour, since the copy has no frames to tell the curves apart.

// The line before a row and where its texts start after the frame's left edge.
inline constexpr int kLegendLineTwips = 500;
inline constexpr int kLegendTextOffsetTwips = 600;

// The bitmap's size in twips: legend frame, chart and 1200 more (11800 x 3650).
int ClipboardPictureWidthTwips() noexcept;
int ClipboardPictureHeightTwips() noexcept;

// Assembles the picture on a canvas of that size: clears it to white, copies the chart's
// persistent image (never its cursor marker) to the top-left corner, then writes one
// row per legend entry up to the first empty part number (at most six): a line and the
// part number and conditions in the entry's colour, in the legend font. The canvas is
// left in twips.
void DrawClipboardPicture(shared::ChartCanvas& canvas, const shared::PixelImage& chartPicture,
                          const std::vector<LegendEntry>& legend,
                          const shared::FontSpec& legendFont = shared::FontSpec{"Arial", 9.0});

}  // namespace darvo

#endif
