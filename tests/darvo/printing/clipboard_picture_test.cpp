#include "darvo/printing/clipboard_picture.h"

#include "shared/canvas/recording_canvas.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace darvo {
namespace {

using shared::LineCall;
using shared::TextCall;

TEST(ClipboardPicture, IsLegendFrameChartAndTwelveHundredTwipsWide) {
    EXPECT_EQ(ClipboardPictureWidthTwips(), 11800);
    EXPECT_EQ(ClipboardPictureHeightTwips(), 3650);
}

TEST(ClipboardPicture, ChartAtTheCornerAndOneRowPerCurveUpToTheFirstEmptyLabel) {
    shared::RecordingCanvas canvas(787, 243, 96.0);
    const shared::PixelImage chart(373, 243, shared::Rgb{200, 200, 200});
    const std::vector<LegendEntry> legend = {
        {"GRM188", "( 6.3[V] )", LegendColor(0)},
        {"GRM21B", "( 2[V] )", LegendColor(1)},
        {"", "(ignored)", LegendColor(2)},
        {"AFTER-GAP", "(never)", LegendColor(3)},
    };
    DrawClipboardPicture(canvas, chart, legend);

    EXPECT_EQ(canvas.GetScaleMode(), shared::ScaleMode::Twips);
    EXPECT_EQ(canvas.Pixels().Crop({0, 0, 373, 243}), chart);
    EXPECT_EQ(canvas.Pixels().At(500, 100), shared::colors::kWhite);

    const auto lines = canvas.CallsOf<LineCall>();
    ASSERT_EQ(lines.size(), 2U);
    // Half a line of the 9-point legend font below the label's top: 90 twips.
    EXPECT_EQ(lines[0], (LineCall{5650, 330, 6150, 330, LegendColor(0)}));
    EXPECT_EQ(lines[1], (LineCall{5650, 610 + 330, 6150, 610 + 330, LegendColor(1)}));

    const auto texts = canvas.CallsOf<TextCall>();
    ASSERT_EQ(texts.size(), 4U);
    EXPECT_EQ(texts[0].text, "GRM188");
    EXPECT_EQ(texts[0].x, 6250);
    EXPECT_EQ(texts[0].y, 240);
    EXPECT_EQ(texts[0].color, LegendColor(0));
    EXPECT_EQ(texts[0].font, (shared::FontSpec{"Arial", 9.0}));
    EXPECT_EQ(texts[1].text, "( 6.3[V] )");
    EXPECT_EQ(texts[1].x, 6250 + 2280);
    EXPECT_EQ(texts[1].y, 240);
    EXPECT_EQ(texts[2].text, "GRM21B");
    EXPECT_EQ(texts[2].y, 850);
    EXPECT_EQ(texts[3].color, LegendColor(1));
}

TEST(ClipboardPicture, SixCurvesGiveSixRowsInTheSixLegendColours) {
    shared::RecordingCanvas canvas(787, 243, 96.0);
    std::vector<LegendEntry> legend;
    for (int i = 0; i < 7; ++i) legend.push_back({"P" + std::to_string(i), "", LegendColor(i)});
    DrawClipboardPicture(canvas, shared::PixelImage(10, 10), legend);
    const auto lines = canvas.CallsOf<LineCall>();
    ASSERT_EQ(lines.size(), 6U);
    // The window's legend frames stand at these tops; each line is 330 twips below.
    const double frameTops[] = {0, 610, 1225, 1845, 2470, 3100};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].color, LegendColor(static_cast<int>(i)));
        EXPECT_EQ(lines[i].y1, frameTops[i] + 330);
    }
}

}  // namespace
}  // namespace darvo
