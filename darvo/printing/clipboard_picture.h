#ifndef DARVO_PRINTING_CLIPBOARD_PICTURE_H
#define DARVO_PRINTING_CLIPBOARD_PICTURE_H

#include "shared/canvas/canvas_types.h"
#include "shared/canvas/pixel_image.h"

#include <array>
#include <string>
#include <vector>

namespace shared {
class ChartCanvas;
}

namespace darvo {

// The clipboard copy of a chart window: the chart picture with the window's legend rows
// beside it, as one bitmap. The legend is placed where the window's legend frames stand,
// in twips of the window's client area, with a short line in the curve's colour before
// each part number, since the copy has no frames to tell the curves apart.

// The chart picture and the legend frames of a chart window, in twips.
inline constexpr int kChartPictureWidthTwips = 5600;
inline constexpr int kChartPictureHeightTwips = 3650;
inline constexpr int kLegendFrameLeftTwips = 5650;
inline constexpr int kLegendFrameWidthTwips = 5000;
inline constexpr std::array<int, 6> kLegendFrameTopsTwips = {0, 610, 1225, 1845, 2470, 3100};
// The labels inside a frame: the part number at the left, the conditions beside it.
inline constexpr int kPartLabelLeftTwips = 120;
inline constexpr int kPartLabelTopTwips = 240;
inline constexpr int kConditionLabelLeftTwips = 2280;
inline constexpr int kConditionLabelTopTwips = 240;
// The line before a row and where its texts start after it.
inline constexpr int kLegendLineTwips = 500;
inline constexpr int kLegendTextOffsetTwips = 600;

// One legend frame's labels as the window shows them.
struct ClipboardLegendRow {
    std::string PartNumber;  // the caption of the part-number label; empty ends the legend
    std::string Conditions;  // the caption of the conditions label
};

// The bitmap's size in twips: legend frame, chart and 1200 more (11800 x 3650).
int ClipboardPictureWidthTwips() noexcept;
int ClipboardPictureHeightTwips() noexcept;

// Assembles the picture on a canvas of that size: clears it to white, copies the chart's
// persistent image (never its cursor marker) to the top-left corner, then writes one
// row per legend frame up to the first empty part number (at most six) in the curve's
// legend colour and the legend font. The canvas is left in twips.
void DrawClipboardPicture(shared::ChartCanvas& canvas, const shared::PixelImage& chartPicture,
                          const std::vector<ClipboardLegendRow>& legend,
                          const shared::FontSpec& legendFont = shared::FontSpec{"Arial", 9.0});

}  // namespace darvo

#endif
