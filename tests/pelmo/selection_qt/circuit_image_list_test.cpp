#include "pelmo/selection/qt/circuit_image_list.h"

#include "pelmo/selection/circuit_pictures.h"

#include "shared/canvas/draw_masked.h"
#include "shared/dialogs/twips.h"
#include "shared/errors/runtime_error.h"

#include <gtest/gtest.h>

namespace pelmo {
namespace {

TEST(CircuitImageListTest, RendersEachKeyAtItsTwipsSizeForTheScreen) {
    for (const double dpi : {96.0, 144.0}) {
        CircuitImageList list(dpi);
        for (const char* key : {"cec", "cseries", "cshunt", "iec", "iseries"}) {
            const TwipsSize size = CircuitPictureTwips(*CircuitPictureOf(key));
            for (const std::string& name : {std::string(key), std::string(key) + "_mask"}) {
                const shared::PixelImage& image = list.ListImage(name);
                EXPECT_EQ(image.Width(), shared::TwipsToPixels(size.Width, dpi)) << name;
                EXPECT_EQ(image.Height(), shared::TwipsToPixels(size.Height, dpi)) << name;
            }
        }
    }
}

TEST(CircuitImageListTest, UnknownKeyIsAProgramError) {
    CircuitImageList list;
    for (const char* key : {"ishunt", "_mask", "cec_mask_mask", ""}) {
        try {
            list.ListImage(key);
            ADD_FAILURE() << key;
        } catch (const shared::RuntimeError& failure) {
            EXPECT_EQ(failure.Number(), shared::error::kInvalidProcedureCall) << key;
        }
    }
}

// Through DrawMasked the background stays where the mask is white, the strokes show
// where it is black, and nothing else of the background changes colour.
TEST(CircuitImageListTest, MaskedPictureKeepsTheBackgroundOutsideTheStrokes) {
    CircuitImageList list;
    const shared::Rgb background{212, 208, 200};
    for (const char* key : {"cec", "cseries", "cshunt", "iec", "iseries"}) {
        const shared::PixelImage& picture = list.ListImage(key);
        const shared::PixelImage& mask = list.ListImage(std::string(key) + "_mask");
        shared::PixelImage target(picture.Width(), picture.Height());
        shared::DrawMasked(target, picture, mask, background);
        int strokes = 0;
        for (int y = 0; y < target.Height(); ++y) {
            for (int x = 0; x < target.Width(); ++x) {
                if (mask.At(x, y) == shared::colors::kWhite) {
                    ASSERT_EQ(target.At(x, y), background) << key << " " << x << "," << y;
                    ASSERT_EQ(picture.At(x, y), shared::colors::kBlack) << key << " " << x << "," << y;
                } else if (mask.At(x, y) == shared::colors::kBlack) {
                    EXPECT_EQ(target.At(x, y), picture.At(x, y));
                    ++strokes;
                }
            }
        }
        EXPECT_GT(strokes, 50) << key;
    }
}

}  // namespace
}  // namespace pelmo
