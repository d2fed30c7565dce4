#include "darvo/printing/clipboard_picture.h"

#include "darvo/charts/chart_window_model.h"

#include "shared/canvas/chart_canvas.h"

#include <cstddef>

namespace darvo {

namespace {
// The picture is widened twice by this beyond legend frame and chart: once before the
// chart is copied and once after.
constexpr double kClipboardMarginTwips = 600.0;
}  // namespace

int ClipboardPictureWidthTwips() noexcept {
    return static_cast<int>(kLegendFrameWidth + kPictureWidth + 2 * kClipboardMarginTwips);
}

int ClipboardPictureHeightTwips() noexcept {
    return static_cast<int>(kPictureHeight);
}

void DrawClipboardPicture(shared::ChartCanvas& canvas, const shared::PixelImage& chartPicture,
                          const std::vector<LegendEntry>& legend, const shared::FontSpec& legendFont) {
    canvas.SetScaleMode(shared::ScaleMode::Twips);
    canvas.SetBackColor(shared::colors::kWhite);
    canvas.Cls();
    canvas.SetFont(legendFont);
    canvas.PutPixels(chartPicture, 0, 0, shared::RasterOp::Copy);
    // Half a text line below the label's top: a point is 20 twips and a line about one
    // point size high, so half of it is the size times 10 twips.
    const double halfLine = legendFont.size * 10.0;
    for (std::size_t i = 0; i < legend.size() && i < static_cast<std::size_t>(kLegendRows); ++i) {
        const LegendEntry& row = legend[i];
        if (row.PartNumber.empty()) break;
        const double left = kLegendFrameLeft;
        const double top = kLegendFrameTops[i];
        canvas.SetForeColor(row.Color);
        const double lineY = top + kLegendLabelTop + halfLine;
        canvas.Line(left, lineY, left + kLegendLineTwips, lineY, row.Color);
        canvas.SetCurrentX(left + kLegendTextOffsetTwips);
        canvas.SetCurrentY(top + kLegendLabelTop);
        canvas.Print(row.PartNumber);
        canvas.SetCurrentX(left + kLegendTextOffsetTwips + kConditionsLabelLeft);
        canvas.SetCurrentY(top + kLegendLabelTop);
        canvas.Print(row.Conditions);
    }
}

}  // namespace darvo
