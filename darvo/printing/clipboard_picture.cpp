#include "darvo/printing/clipboard_picture.h"

#include "darvo/printing/chart_page.h"

#include "shared/canvas/chart_canvas.h"

#include <cstddef>

namespace darvo {

namespace {
// The clipboard picture is widened twice by this beyond legend frame and chart.
constexpr int kClipboardMarginTwips = 600;
}  // namespace

int ClipboardPictureWidthTwips() noexcept {
    return kLegendFrameWidthTwips + kChartPictureWidthTwips + 2 * kClipboardMarginTwips;
}

int ClipboardPictureHeightTwips() noexcept {
    return kChartPictureHeightTwips;
}

void DrawClipboardPicture(shared::ChartCanvas& canvas, const shared::PixelImage& chartPicture,
                          const std::vector<ClipboardLegendRow>& legend, const shared::FontSpec& legendFont) {
    canvas.SetScaleMode(shared::ScaleMode::Twips);
    canvas.SetBackColor(shared::colors::kWhite);
    canvas.Cls();
    canvas.SetFont(legendFont);
    canvas.PutPixels(chartPicture, 0, 0, shared::RasterOp::Copy);
    // Half a text line below the label's top: a point is 20 twips and a line about one
    // point size high, so half of it is the size times 10 twips.
    const double halfLine = legendFont.size * 10.0;
    for (std::size_t i = 0; i < legend.size() && i < kLegendFrameTopsTwips.size(); ++i) {
        const ClipboardLegendRow& row = legend[i];
        if (row.PartNumber.empty()) break;
        const shared::Rgb colour = kLegendColors[i];
        const double left = kLegendFrameLeftTwips;
        const double top = kLegendFrameTopsTwips[i];
        canvas.SetForeColor(colour);
        const double lineY = top + kPartLabelTopTwips + halfLine;
        canvas.Line(left, lineY, left + kLegendLineTwips, lineY, colour);
        canvas.SetCurrentX(left + kLegendTextOffsetTwips);
        canvas.SetCurrentY(top + kPartLabelTopTwips);
        canvas.Print(row.PartNumber);
        canvas.SetCurrentX(left + kLegendTextOffsetTwips + kConditionLabelLeftTwips);
        canvas.SetCurrentY(top + kConditionLabelTopTwips);
        canvas.Print(row.Conditions);
    }
}

}  // namespace darvo
