#include "shared/canvas/pixel_image.h"

#include "shared/canvas/draw_masked.h"
#include "shared/canvas/recording_canvas.h"
#include "shared/errors/runtime_error.h"

#include <gtest/gtest.h>

namespace shared {
namespace {

constexpr Rgb kBackground{0x40, 0x80, 0xC0};
constexpr Rgb kPicture{0x12, 0x34, 0x56};

struct MaskRow {
    const char* name;
    Rgb mask;
    Rgb image;
    Rgb expected;
};

class DrawMaskedTruthTable : public ::testing::TestWithParam<MaskRow> {};

TEST_P(DrawMaskedTruthTable, CombinesMaskByAndThenImageByXor) {
    const MaskRow& row = GetParam();
    PixelImage target(3, 2, kPicture);  // old contents must not show through
    DrawMasked(target, PixelImage(1, 1, row.image), PixelImage(1, 1, row.mask), kBackground);
    EXPECT_EQ(target.At(0, 0), row.expected);
    // Outside the 1 x 1 picture the cleared background remains.
    EXPECT_EQ(target.At(2, 1), kBackground);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pixels, DrawMaskedTruthTable, ::testing::Values(
    // Transparent part: white mask, black picture keeps the background.
    MaskRow{"TransparentKeepsBackground", colors::kWhite, colors::kBlack, kBackground},
    // Opaque part: black mask shows the picture's own colours.
    MaskRow{"OpaqueShowsPicture",         colors::kBlack, kPicture,       kPicture},
    MaskRow{"OpaqueBlackStaysBlack",      colors::kBlack, colors::kBlack, colors::kBlack},
    MaskRow{"OpaqueWhiteStaysWhite",      colors::kBlack, colors::kWhite, colors::kWhite},
    // A picture pixel that is not black over a white mask inverts the background bits,
    // as the classic source-invert combination does.
    MaskRow{"ColourOverWhiteMaskInverts", colors::kWhite, Rgb{0xFF, 0x00, 0x0F},
            Rgb{0xBF, 0x80, 0xCF}}),
    [](const ::testing::TestParamInfo<MaskRow>& info) { return std::string(info.param.name); });
// clang-format on

TEST(DrawMasked, PictureLargerThanTargetIsCutAtTheEdges) {
    PixelImage target(2, 2);
    PixelImage picture(5, 5, kPicture);
    DrawMasked(target, picture, PixelImage(5, 5, colors::kBlack), kBackground);
    EXPECT_EQ(target, PixelImage(2, 2, kPicture));
}

TEST(DrawMasked, OnACanvasClearsWithItsBackColourFirst) {
    RecordingCanvas canvas(4, 3);
    canvas.SetBackColor(kBackground);
    canvas.PutPixels(PixelImage(4, 3, colors::kRed), 0, 0, RasterOp::Copy);
    PixelImage mask(2, 1, colors::kWhite);
    mask.Set(1, 0, colors::kBlack);
    PixelImage picture(2, 1, colors::kBlack);
    picture.Set(1, 0, kPicture);

    DrawMasked(canvas, picture, mask);

    EXPECT_EQ(canvas.Pixels().At(0, 0), kBackground);
    EXPECT_EQ(canvas.Pixels().At(1, 0), kPicture);
    EXPECT_EQ(canvas.Pixels().At(3, 2), kBackground);
    const auto pixelCalls = canvas.CallsOf<PixelsCall>();
    ASSERT_EQ(pixelCalls.size(), 3u);  // the red fill, then the mask, then the picture
    EXPECT_EQ(pixelCalls[1].op, RasterOp::And);
    EXPECT_EQ(pixelCalls[2].op, RasterOp::Xor);
}

struct BlitRow {
    const char* name;
    int x, y;
    RasterOp op;
    // Expected colour at target (0, 0) and (3, 3); the source is 2 x 2.
    Rgb atOrigin, atFar;
};

class PixelImageBlit : public ::testing::TestWithParam<BlitRow> {};

TEST_P(PixelImageBlit, ClipsAtEveryEdge) {
    const BlitRow& row = GetParam();
    PixelImage target(4, 4, Rgb{0xF0, 0xF0, 0xF0});
    target.Blit(PixelImage(2, 2, Rgb{0x0F, 0x3C, 0xFF}), row.x, row.y, row.op);
    EXPECT_EQ(target.At(0, 0), row.atOrigin);
    EXPECT_EQ(target.At(3, 3), row.atFar);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Positions, PixelImageBlit, ::testing::Values(
    BlitRow{"CopyAtOrigin",      0,  0, RasterOp::Copy, {0x0F, 0x3C, 0xFF}, {0xF0, 0xF0, 0xF0}},
    BlitRow{"CopyOverTopLeft",  -1, -1, RasterOp::Copy, {0x0F, 0x3C, 0xFF}, {0xF0, 0xF0, 0xF0}},
    BlitRow{"CopyOverFarCorner", 3,  3, RasterOp::Copy, {0xF0, 0xF0, 0xF0}, {0x0F, 0x3C, 0xFF}},
    BlitRow{"CopyFullyOutside",  4,  0, RasterOp::Copy, {0xF0, 0xF0, 0xF0}, {0xF0, 0xF0, 0xF0}},
    BlitRow{"And",               0,  0, RasterOp::And,  {0x00, 0x30, 0xF0}, {0xF0, 0xF0, 0xF0}},
    BlitRow{"Xor",               0,  0, RasterOp::Xor,  {0xFF, 0xCC, 0x0F}, {0xF0, 0xF0, 0xF0}}),
    [](const ::testing::TestParamInfo<BlitRow>& info) { return std::string(info.param.name); });
// clang-format on

TEST(PixelImage, CropOutsideThePictureUsesTheGivenColour) {
    PixelImage picture(2, 2, kPicture);
    const PixelImage cropped = picture.Crop(PixelRect{1, 1, 3, 2}, kBackground);
    ASSERT_EQ(cropped.Width(), 3);
    ASSERT_EQ(cropped.Height(), 2);
    EXPECT_EQ(cropped.At(0, 0), kPicture);
    EXPECT_EQ(cropped.At(1, 0), kBackground);
    EXPECT_EQ(cropped.At(0, 1), kBackground);
}

TEST(PixelImage, AccessOutsideThePictureIsAnErrorNotACrash) {
    PixelImage picture(2, 2);
    for (const auto& [x, y] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{2, 0}, std::pair{0, 2}}) {
        try {
            picture.Set(x, y, colors::kRed);
            FAIL() << "wrote outside at " << x << "," << y;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), error::kSubscriptOutOfRange);
        }
        EXPECT_THROW((void)picture.At(x, y), RuntimeError);
    }
    EXPECT_TRUE(PixelImage(-3, 5).IsEmpty());
}

}  // namespace
}  // namespace shared
