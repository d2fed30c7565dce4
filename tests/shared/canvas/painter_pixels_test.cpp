#include "shared/canvas/draw_masked.h"
#include "shared/canvas/qt/canvas_sample.h"
#include "shared/canvas/qt/painter_canvas.h"
#include "shared/canvas/qt/qt_draw_masked.h"
#include "shared/canvas/qt/qt_pixel_image.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>
#include <random>

namespace shared {
namespace {

PixelImage RandomPicture(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    PixelImage picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.Set(x, y,
                        Rgb{static_cast<std::uint8_t>(byte(random)), static_cast<std::uint8_t>(byte(random)),
                            static_cast<std::uint8_t>(byte(random))});
    return picture;
}

TEST(QtPixelImage, RoundTripKeepsEveryChannel) {
    const PixelImage picture = RandomPicture(17, 9, 1);
    const QImage image = ToQImage(picture);
    EXPECT_EQ(qRed(image.pixel(3, 4)), picture.At(3, 4).red);
    EXPECT_EQ(qBlue(image.pixel(3, 4)), picture.At(3, 4).blue);
    EXPECT_EQ(ToPixelImage(image), picture);
}

// The Qt raster operations must give the same bits as the plain rule, for every kind
// of pixel, not only black and white.
TEST(QtDrawMasked, AgreesBitForBitWithThePlainRule) {
    const PixelImage picture = RandomPicture(23, 19, 2);
    PixelImage mask = RandomPicture(23, 19, 3);
    // Make most of the mask clean black or white, as real masks are.
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 23; ++x)
            if ((x + y) % 3 != 0) mask.Set(x, y, (x < 11) ? colors::kBlack : colors::kWhite);
    const Rgb background{0x33, 0x99, 0xCC};

    PixelImage expected(30, 25);
    DrawMasked(expected, picture, mask, background);

    QImage target(30, 25, QImage::Format_ARGB32);  // not the raster format: converted
    DrawMasked(target, ToQImage(picture), ToQImage(mask), QColor(0x33, 0x99, 0xCC));
    EXPECT_EQ(ToPixelImage(target), expected);

    PainterCanvas canvas(30, 25);
    canvas.SetBackColor(background);
    DrawMasked(canvas, picture, mask);
    EXPECT_EQ(ToPixelImage(canvas.Image()), expected);
}

TEST(PainterCanvasPixels, GrabTakesTheImageWithoutTheOverlay) {
    PainterCanvas canvas(20, 20);
    canvas.FilledBox(0, 0, 19, 19, colors::kBlue);
    canvas.BeginOverlay();
    canvas.FilledBox(0, 0, 9, 9, colors::kRed);
    canvas.EndOverlay();
    canvas.SetBackColor(Rgb{1, 2, 3});

    const PixelImage grabbed = canvas.GrabPixels(PixelRect{10, 0, 15, 5});
    ASSERT_EQ(grabbed.Width(), 15);
    EXPECT_EQ(grabbed.At(0, 0), colors::kBlue);
    EXPECT_EQ(grabbed.At(9, 4), colors::kBlue);
    EXPECT_EQ(grabbed.At(10, 0), (Rgb{1, 2, 3})) << "outside the picture";
    EXPECT_EQ(canvas.GrabPixels(PixelRect{0, 0, 5, 5}), PixelImage(5, 5, colors::kBlue));
}

TEST(PainterCanvasPixels, CopyPixelsPlacesTheRectangleOnTheTarget) {
    PainterCanvas chart(30, 30);
    chart.FilledBox(5, 5, 14, 14, colors::kBlue);
    PainterCanvas clipboard(60, 40);
    chart.CopyPixels(PixelRect{0, 0, 30, 30}, clipboard, 10, 5);
    EXPECT_EQ(clipboard.GrabPixels(PixelRect{15, 10, 10, 10}), PixelImage(10, 10, colors::kBlue));
    EXPECT_EQ(ToPixelImage(clipboard.Image()).At(14, 9), colors::kWhite);
}

TEST(PainterCanvasPixels, ResizeKeepsPixelsAndFillsTheNewArea) {
    PainterCanvas canvas(10, 10);
    canvas.FilledBox(0, 0, 9, 9, colors::kBlue);
    canvas.SetBackColor(colors::kRed);
    canvas.Resize(20, 5);
    EXPECT_EQ(canvas.PixelWidth(), 20);
    EXPECT_EQ(canvas.Image().size(), QSize(20, 5));
    const PixelImage pixels = ToPixelImage(canvas.Image());
    EXPECT_EQ(pixels.At(9, 4), colors::kBlue);
    EXPECT_EQ(pixels.At(10, 0), colors::kRed);
}

TEST(CanvasSample, RendersEveryKindOfDrawing) {
    QImage image(600, 400, QImage::Format_RGB32);
    RenderCanvasSample(image);
    ASSERT_EQ(image.size(), QSize(600, 400));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) & 0xFFFFFF);
    EXPECT_TRUE(colours.contains(0x0000FF)) << "no blue curve";
    EXPECT_TRUE(colours.contains(0xFF0000)) << "no red marker or arc";
    EXPECT_TRUE(colours.contains(0xC0C0C0)) << "no plot area";
    EXPECT_TRUE(colours.contains(0x7F7F7F)) << "no minor grid";

    QImage empty;
    RenderCanvasSample(empty);
    EXPECT_EQ(empty.size(), QSize(600, 400));
}

}  // namespace
}  // namespace shared
