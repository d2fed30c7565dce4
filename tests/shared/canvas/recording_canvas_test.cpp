#include "shared/canvas/recording_canvas.h"

#include <gtest/gtest.h>
#include <numbers>

namespace shared {
namespace {

// A piece of a chart the way the chart code draws it: scale, frame, a grid line, a
// right-aligned label, a thick trace segment and the cursor marker on the overlay.
void DrawSmallChart(ChartCanvas& canvas) {
    canvas.SetScale(0, 3000, 3000, -3000);
    canvas.Cls();
    canvas.SetForeColor(colors::kBlack);
    canvas.FilledBox(470, 400, 2870, 2800, Rgb{192, 192, 192});
    canvas.Line(470, 1000, 2870, 1000, canvas.ForeColor());
    canvas.SetFontSize(9);
    canvas.SetCurrentX(440 - canvas.TextWidth("100"));
    canvas.SetCurrentY(1100);
    canvas.Print("100");
    canvas.SetDrawWidth(5);
    canvas.Line(470, 500, 520, 700, colors::kBlue);
    canvas.SetDrawWidth(1);
    canvas.ClearOverlay();
    canvas.BeginOverlay();
    canvas.FilledCircle(520, 700, 100000.0 / 3625.6, colors::kRed, colors::kRed);
    canvas.EndOverlay();
}

TEST(RecordingCanvas, LogsASmallChartInOrderWithPenAndLayer) {
    RecordingCanvas canvas(600, 600, 96);
    DrawSmallChart(canvas);

    const auto& calls = canvas.Calls();
    ASSERT_EQ(calls.size(), 14u);
    EXPECT_EQ(std::get<ScaleCall>(calls[0]), (ScaleCall{0, 3000, 3000, -3000}));
    EXPECT_TRUE(std::holds_alternative<ClsCall>(calls[1]));
    EXPECT_EQ(std::get<BoxCall>(calls[3]),
              (BoxCall{470, 400, 2870, 2800, Rgb{192, 192, 192}, true, 1, LineStyle::Solid, false}));
    EXPECT_EQ(std::get<LineCall>(calls[4]),
              (LineCall{470, 1000, 2870, 1000, colors::kBlack, 1, LineStyle::Solid, false}));

    // 9 pt at 96 dpi: 3 characters of 4.5 pt = 18 pixels = 90 chart units.
    const auto text = std::get<TextCall>(calls[6]);
    EXPECT_EQ(text.text, "100");
    EXPECT_DOUBLE_EQ(text.x, 440 - 90);
    EXPECT_DOUBLE_EQ(text.y, 1100);
    EXPECT_EQ(text.font.size, 9);

    const auto trace = std::get<LineCall>(calls[8]);
    EXPECT_EQ(trace.color, colors::kBlue);
    EXPECT_EQ(trace.width, 5);
    EXPECT_FALSE(trace.overlay);

    EXPECT_EQ(std::get<OverlayCall>(calls[10]).action, OverlayCall::Action::Clear);
    const auto marker = std::get<CircleCall>(calls[12]);
    EXPECT_TRUE(marker.overlay);
    ASSERT_TRUE(marker.fill.has_value());
    EXPECT_EQ(*marker.fill, colors::kRed);
    EXPECT_NEAR(marker.radius, 27.58, 0.01);
    EXPECT_EQ(std::get<OverlayCall>(calls[13]).action, OverlayCall::Action::End);
    EXPECT_EQ(canvas.CallsOf<LineCall>().size(), 2u);
}

struct PrintRow {
    const char* name;
    double top, height;  // scale top and height over 480 pixels
    double startY;
    double expectedNextY;
};

class RecordingCanvasPrint : public ::testing::TestWithParam<PrintRow> {};

TEST_P(RecordingCanvasPrint, MovesToTheNextLineDownThePage) {
    const PrintRow& row = GetParam();
    RecordingCanvas canvas(640, 480, 96);
    canvas.SetScale(-21, row.top, 126, row.height);
    canvas.SetFontSize(10);  // a line is 12 pt = 16 pixels
    canvas.SetCurrentX(35);
    canvas.SetCurrentY(row.startY);
    canvas.Print("Frequency [kHz]");
    EXPECT_DOUBLE_EQ(canvas.CurrentY(), row.expectedNextY);
    EXPECT_DOUBLE_EQ(canvas.CurrentX(), -21);
    EXPECT_DOUBLE_EQ(canvas.CallsOf<TextCall>().at(0).x, 35);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Directions, RecordingCanvasPrint, ::testing::Values(
    // 480 pixels for 120 units: 16 pixels are 4 units.
    PrintRow{"YUp",   107, -120, -7, -11},
    PrintRow{"YDown", -13,  120, -7,  -3}),
    [](const ::testing::TestParamInfo<PrintRow>& info) { return std::string(info.param.name); });
// clang-format on

TEST(RecordingCanvas, FontModelCountsCharactersNotBytes) {
    RecordingCanvas canvas(600, 600, 96);
    canvas.SetScaleMode(ScaleMode::Pixels);
    canvas.SetFontSize(12);  // 6 pt = 8 pixels a character
    EXPECT_DOUBLE_EQ(canvas.TextWidth("[\xC2\xB0"
                                      "C]"),
                     32);
    EXPECT_DOUBLE_EQ(canvas.TextWidth(""), 0);
    EXPECT_DOUBLE_EQ(canvas.TextHeight("x"), 19.2);
    canvas.SetScaleMode(ScaleMode::Twips);  // 15 twips a pixel
    EXPECT_DOUBLE_EQ(canvas.TextWidth("ab"), 240);
}

TEST(RecordingCanvas, ShapesMoveTheCurrentPointToTheirEnd) {
    RecordingCanvas canvas;
    canvas.SetScale(0, 100, 100, -100);
    canvas.Line(1, 2, 30, 40, colors::kBlack);
    EXPECT_DOUBLE_EQ(canvas.CurrentX(), 30);
    EXPECT_DOUBLE_EQ(canvas.CurrentY(), 40);
    canvas.Arc(10, 20, 5, colors::kBlack, 0, std::numbers::pi);
    EXPECT_DOUBLE_EQ(canvas.CurrentX(), 10);
    EXPECT_DOUBLE_EQ(canvas.CurrentY(), 20);
    canvas.Cls();
    EXPECT_DOUBLE_EQ(canvas.CurrentX(), 0);
    EXPECT_DOUBLE_EQ(canvas.CurrentY(), 0);
}

TEST(RecordingCanvas, PenWidthBelowOneCountsAsOne) {
    RecordingCanvas canvas;
    canvas.SetDrawWidth(0);
    canvas.PSet(1, 1, colors::kBlack);
    EXPECT_EQ(canvas.DrawWidth(), 1);
    EXPECT_EQ(canvas.CallsOf<PointCall>().at(0).width, 1);
}

TEST(RecordingCanvas, OnlyAPageAnswersAsPage) {
    RecordingCanvas picture;
    RecordingCanvas page(4800, 6300, 600, true);
    EXPECT_EQ(picture.AsPage(), nullptr);
    EXPECT_EQ(page.AsPage(), &page);
}

TEST(RecordingCanvas, TurnedPageSwapsItsTwipsExtent) {
    RecordingCanvas page(4800, 6300, 600, true);  // 8 x 10.5 inches
    page.SetScaleMode(ScaleMode::Twips);
    EXPECT_DOUBLE_EQ(page.ScaleWidth(), 11520);
    EXPECT_DOUBLE_EQ(page.ScaleHeight(), 15120);
    page.SetOrientation(PageOrientation::Landscape);
    EXPECT_DOUBLE_EQ(page.ScaleWidth(), 15120);
    EXPECT_DOUBLE_EQ(page.ScaleHeight(), 11520);
    page.SetOrientation(PageOrientation::Landscape);  // no second turn
    EXPECT_DOUBLE_EQ(page.ScaleWidth(), 15120);
    page.NewPage();
    page.EndDoc();
    EXPECT_EQ(page.PagesEnded(), 2);
    EXPECT_TRUE(page.DocumentEnded());
}

TEST(RecordingCanvas, CopyPixelsTakesTheImageAndFillsOutsideWithBackColour) {
    RecordingCanvas source(4, 4);
    source.PutPixels(PixelImage(4, 4, colors::kBlue), 0, 0, RasterOp::Copy);
    source.SetBackColor(colors::kRed);
    RecordingCanvas target(6, 6);

    source.CopyPixels(PixelRect{2, 2, 4, 4}, target, 1, 1);

    EXPECT_EQ(target.Pixels().At(0, 0), colors::kWhite);
    EXPECT_EQ(target.Pixels().At(1, 1), colors::kBlue);
    EXPECT_EQ(target.Pixels().At(2, 2), colors::kBlue);
    EXPECT_EQ(target.Pixels().At(3, 3), colors::kRed);  // beyond the source's edge
    EXPECT_EQ(target.CallsOf<PixelsCall>().at(0).rect, (PixelRect{1, 1, 4, 4}));
}

}  // namespace
}  // namespace shared
