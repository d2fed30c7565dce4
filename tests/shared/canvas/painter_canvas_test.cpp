#include "shared/canvas/qt/painter_canvas.h"

#include <QFontInfo>
#include <QImage>

#include <gtest/gtest.h>
#include <numbers>

namespace shared {
namespace {

constexpr double kPi = std::numbers::pi;

Rgb PixelAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return Rgb{static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
               static_cast<std::uint8_t>(qBlue(p))};
}

// Pixels of one colour inside a device rectangle.
int CountColour(const QImage& image, Rgb color, QRect area) {
    int count = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += PixelAt(image, x, y) == color ? 1 : 0;
    return count;
}

// Bounding box of every pixel that differs from white.
QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelAt(image, x, y) != colors::kWhite) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

struct PointRow {
    const char* name;
    double left, top, width, height;
    double x, y;
    int pixelX, pixelY;
};

class PainterCanvasMapping : public ::testing::TestWithParam<PointRow> {};

TEST_P(PainterCanvasMapping, PointLandsOnTheMappedDevicePixel) {
    const PointRow& row = GetParam();
    PainterCanvas canvas(600, 600);
    canvas.SetScale(row.left, row.top, row.width, row.height);
    canvas.PSet(row.x, row.y, colors::kRed);
    const QImage& image = canvas.Image();
    EXPECT_EQ(PixelAt(image, row.pixelX, row.pixelY), colors::kRed);
    EXPECT_EQ(CountColour(image, colors::kRed, image.rect()), 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Scales, PainterCanvasMapping, ::testing::Values(
    PointRow{"ChartYUpCentre",       0, 3000, 3000, -3000, 1500, 1500, 300, 300},
    PointRow{"ChartYUpPlotCorner",   0, 3000, 3000, -3000,  450,  400,  90, 520},
    PointRow{"ChartYUpNearTop",      0, 3000, 3000, -3000,   10, 2990,   2,   2},
    PointRow{"SmithUnitCircleTop", -1200, 1200, 2400, -2400, 0, 1000, 300,  50},
    PointRow{"YDownPixels",          0,    0,  600,   600,   17,   33,  17,  33}),
    [](const ::testing::TestParamInfo<PointRow>& info) { return std::string(info.param.name); });
// clang-format on

TEST(PainterCanvas, OverlayClearsBackToTheExactImage) {
    PainterCanvas canvas(300, 200);
    canvas.SetScale(0, 3000, 3000, -3000);
    canvas.FilledBox(470, 400, 2870, 2800, Rgb{192, 192, 192});
    canvas.Line(470, 1000, 2870, 1000, colors::kBlack);
    canvas.Line(470, 400, 2870, 2800, colors::kBlue);
    const QImage before = canvas.ComposedImage();
    const QImage imageBefore = canvas.Image();

    canvas.ClearOverlay();
    canvas.BeginOverlay();
    canvas.FilledCircle(1670, 1600, 60, colors::kRed, colors::kRed);
    canvas.EndOverlay();

    const QImage withMarker = canvas.ComposedImage();
    EXPECT_NE(withMarker, before);
    EXPECT_EQ(PixelAt(withMarker, 167, 93), colors::kRed);
    EXPECT_EQ(canvas.Image(), imageBefore) << "overlay drawing touched the image";

    canvas.ClearOverlay();
    EXPECT_EQ(canvas.ComposedImage(), before);

    // Drawing after EndOverlay goes to the image again.
    canvas.Line(470, 2000, 2870, 2000, colors::kBlack);
    EXPECT_NE(canvas.Image(), imageBefore);
}

TEST(PainterCanvas, ClsClearsImageAndOverlayToTheBackColour) {
    PainterCanvas canvas(40, 30);
    canvas.Line(0, 0, 39, 29, colors::kBlack);
    canvas.BeginOverlay();
    canvas.PSet(5, 5, colors::kRed);
    canvas.EndOverlay();
    canvas.SetBackColor(Rgb{10, 20, 30});
    canvas.Cls();
    EXPECT_EQ(CountColour(canvas.ComposedImage(), Rgb{10, 20, 30}, QRect(0, 0, 40, 30)), 1200);
}

struct ArcRow {
    const char* name;
    double start, end;
    // Which quarters around the centre (as seen: up-right, up-left, down-left,
    // down-right) hold arc pixels.
    bool upRight, upLeft, downLeft, downRight;
};

class PainterCanvasArc : public ::testing::TestWithParam<ArcRow> {};

TEST_P(PainterCanvasArc, DrawsCounterClockwiseBetweenTheAngles) {
    const ArcRow& row = GetParam();
    PainterCanvas canvas(200, 200);
    canvas.SetScale(-100, 100, 200, -200);  // y up, centre at pixel (100, 100)
    canvas.Arc(0, 0, 80, colors::kBlack, row.start, row.end);
    const QImage& image = canvas.Image();
    // Quarters with a margin around the axes, where neighbouring arcs end.
    const auto inked = [&](QRect area) { return CountColour(image, colors::kBlack, area) > 20; };
    EXPECT_EQ(inked(QRect(110, 0, 90, 90)), row.upRight);
    EXPECT_EQ(inked(QRect(0, 0, 90, 90)), row.upLeft);
    EXPECT_EQ(inked(QRect(0, 110, 90, 90)), row.downLeft);
    EXPECT_EQ(inked(QRect(110, 110, 90, 90)), row.downRight);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Angles, PainterCanvasArc, ::testing::Values(
    ArcRow{"FirstQuarter",       0,            kPi / 2,     true,  false, false, false},
    ArcRow{"SecondHalf",         kPi,          2 * kPi,     false, false, true,  true},
    ArcRow{"WrapsThroughZero",   3 * kPi / 2,  kPi / 2,     true,  false, false, true},
    // The Smith chart's X = +1 arc, 180 to 270 degrees.
    ArcRow{"SmithThirdQuarter",  565.48667772 / 180, 848.23001658 / 180,
                                                            false, false, true,  false},
    ArcRow{"EqualIsFullCircle",  1.0,          1.0,         true,  true,  true,  true}),
    [](const ::testing::TestParamInfo<ArcRow>& info) { return std::string(info.param.name); });
// clang-format on

TEST(PainterCanvas, CircleRadiusIsMeasuredInXUnits) {
    PainterCanvas canvas(400, 100);
    canvas.SetScale(0, 100, 400, -100);  // one unit is one pixel both ways
    canvas.Circle(200, 50, 30, colors::kBlack);
    const QRect bounds = InkBounds(canvas.Image());
    EXPECT_NEAR(bounds.width(), 61, 2);
    EXPECT_NEAR(bounds.height(), 61, 2);
    canvas.SetScale(0, 100, 800, -100);  // x units now half a pixel
    canvas.Cls();
    canvas.Circle(400, 50, 60, colors::kBlack);
    EXPECT_NEAR(InkBounds(canvas.Image()).width(), 61, 2);
}

TEST(PainterCanvas, FilledCircleFillsInsideWithTheFillColour) {
    PainterCanvas canvas(100, 100);
    canvas.FilledCircle(50, 50, 20, colors::kBlack, colors::kRed);
    EXPECT_EQ(PixelAt(canvas.Image(), 50, 50), colors::kRed);
    EXPECT_EQ(PixelAt(canvas.Image(), 50, 30), colors::kBlack);
    EXPECT_EQ(PixelAt(canvas.Image(), 50, 20), colors::kWhite);
}

TEST(PainterCanvas, LineWidthIsInDevicePixelsWhateverTheScale) {
    PainterCanvas canvas(100, 100);
    canvas.SetScale(0, 3000, 3000, -3000);
    canvas.SetDrawWidth(5);
    canvas.Line(300, 1500, 2700, 1500, colors::kBlue);
    int rows = 0;
    for (int y = 40; y < 60; ++y) rows += PixelAt(canvas.Image(), 50, y) == colors::kBlue ? 1 : 0;
    EXPECT_EQ(rows, 5);
}

TEST(PainterCanvas, DashedLineHasGapsAndSolidLineHasNone) {
    PainterCanvas canvas(200, 20);
    canvas.Line(10, 5, 190, 5, colors::kBlack);
    canvas.SetDrawStyle(LineStyle::Dash);
    canvas.Line(10, 15, 190, 15, colors::kBlack);
    EXPECT_EQ(CountColour(canvas.Image(), colors::kBlack, QRect(20, 5, 160, 1)), 160);
    const int dashed = CountColour(canvas.Image(), colors::kBlack, QRect(20, 15, 160, 1));
    EXPECT_GT(dashed, 40);
    EXPECT_LT(dashed, 150);
}

TEST(PainterCanvas, ThickPointIsARoundDotOfThePenWidth) {
    PainterCanvas canvas(50, 50);
    canvas.SetDrawWidth(7);
    canvas.PSet(25, 25, colors::kBlue);
    const QRect bounds = InkBounds(canvas.Image());
    EXPECT_NEAR(bounds.width(), 7, 1);
    EXPECT_TRUE(bounds.contains(25, 25));
    EXPECT_EQ(PixelAt(canvas.Image(), bounds.left(), bounds.top()), colors::kWhite);
}

TEST(PainterCanvas, PrintedTextHangsDownAndRightFromTheCurrentPoint) {
    PainterCanvas canvas(300, 300);
    canvas.SetScale(0, 3000, 3000, -3000);
    canvas.SetFontSize(9);
    canvas.SetCurrentX(1000);
    canvas.SetCurrentY(2000);  // pixel (100, 100)
    canvas.Print("Frequency [MHz]");
    const QRect ink = InkBounds(canvas.Image());
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), 100);
    EXPECT_GE(ink.top(), 100);
    EXPECT_LT(ink.top(), 106);
    // The measured width agrees with what was painted (within a pixel of rounding).
    EXPECT_NEAR(canvas.TextWidth("Frequency [MHz]") / 10, ink.width(), 3);
    EXPECT_DOUBLE_EQ(canvas.CurrentX(), 0);
    EXPECT_DOUBLE_EQ(canvas.CurrentY(), 2000 - canvas.TextHeight("x"));
}

TEST(PainterCanvas, ArialResolvesToAnArialCompatibleFont) {
    const QFontInfo info(PainterDrawing::ToQFont(FontSpec{}));
    EXPECT_TRUE(info.family().contains("Liberation Sans") || info.family().contains("Arial"))
        << info.family().toStdString();
}

TEST(PainterCanvas, TextGrowsWithFontSizeAndResolution) {
    PainterCanvas screen(600, 600, 96);
    PainterCanvas dense(600, 600, 192);
    screen.SetFontSize(9);
    dense.SetFontSize(9);
    const double normal = screen.TextWidth("10,000");
    EXPECT_GT(normal, 20);
    EXPECT_NEAR(dense.TextWidth("10,000") / normal, 2.0, 0.25);
    screen.SetFontSize(18);
    EXPECT_NEAR(screen.TextWidth("10,000") / normal, 2.0, 0.25);
}

TEST(PainterCanvas, RotatedTextReadsUpwardsFromItsDevicePixel) {
    PainterCanvas canvas(200, 300);
    canvas.SetScale(-21, 107, 126, -122);
    RotatedFont font;
    font.height = 12;
    font.averageWidth = 5;
    font.weight = 100;
    canvas.PrintRotated("Temperature Rise [C]", font, 900, 5, 160);
    const QRect ink = InkBounds(canvas.Image());
    ASSERT_FALSE(ink.isNull()) << "rotated text changed no pixel";
    EXPECT_GT(ink.height(), 3 * ink.width()) << "text is not standing upright";
    EXPECT_GE(ink.left(), 4);
    EXPECT_LE(ink.right(), 5 + 14);
    EXPECT_LE(ink.bottom(), 161);
    EXPECT_LT(ink.top(), 100);
}

}  // namespace
}  // namespace shared
