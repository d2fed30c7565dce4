#include "pelmo/size/chip_picture.h"

namespace pelmo {

MaskedPicture SplitMaskedPicture(const shared::PixelImage& drawing, shared::Rgb ground) {
    MaskedPicture picture{shared::PixelImage(drawing.Width(), drawing.Height(), shared::colors::kBlack),
                          shared::PixelImage(drawing.Width(), drawing.Height(), shared::colors::kWhite)};
    for (int y = 0; y < drawing.Height(); ++y) {
        for (int x = 0; x < drawing.Width(); ++x) {
            const shared::Rgb colour = drawing.At(x, y);
            if (colour != ground) {
                picture.Image.Set(x, y, colour);
                picture.Mask.Set(x, y, shared::colors::kBlack);
            }
        }
    }
    return picture;
}

}  // namespace pelmo
