#include "pelmo/printing/clipboard_picture.h"

#include "shared/canvas/chart_canvas.h"

namespace pelmo {

int ClipboardPictureWidthTwips(const ClipboardPictureSource& source) noexcept {
    const int width = source.LegendFrameWidthTwips + source.ChartWidthTwips;
    return source.Smith ? width : width + kClipboardRectangularExtraTwips;
}

void DrawClipboardPicture(shared::ChartCanvas& canvas, const ClipboardPictureSource& source) {
    canvas.SetScaleMode(shared::ScaleMode::Twips);
    canvas.SetBackColor(shared::colors::kWhite);
    canvas.Cls();
    canvas.SetFont(source.LegendFont);
    canvas.PutPixels(source.ChartPicture, 0, 0, shared::RasterOp::Copy);
    // The first label's colour on a Smith chart: every label of its window is blue.
    const shared::Rgb smithColour =
        source.Legend.empty() ? shared::colors::kBlue : source.Legend.front().Colour;
    // Half a text line below the label's top: a point is 20 twips and a line about one
    // point size high, so half of it is the size times 10 twips.
    const double halfLine = source.LegendFont.size * 10.0;
    for (const LegendRow& row : source.Legend) {
        if (row.Caption.empty()) break;
        if (source.Smith) {
            canvas.SetForeColor(smithColour);
            canvas.SetCurrentX(row.Left);
            canvas.SetCurrentY(row.Top);
            canvas.Print(row.Caption);
            continue;
        }
        canvas.SetForeColor(row.Colour);
        const double y = row.Top + halfLine;
        canvas.Line(row.Left, y, row.Left + kClipboardLegendLineTwips, y, row.Colour);
        canvas.SetCurrentX(row.Left + kClipboardLegendTextOffsetTwips);
        canvas.SetCurrentY(row.Top);
        canvas.Print(row.Caption);
    }
}

}  // namespace pelmo
