#ifndef PELMO_SIZE_CHIP_PICTURE_H
#define PELMO_SIZE_CHIP_PICTURE_H

#include "shared/canvas/pixel_image.h"
#include "shared/canvas/rgb.h"

namespace pelmo {

// A picture with its mask, as the masked draw combines them: the mask is white where
// the target's own background is to show through and black elsewhere; the picture is
// black where the mask is white and carries the drawing's colours elsewhere.
struct MaskedPicture {
    shared::PixelImage Image;
    shared::PixelImage Mask;
};

// Splits a drawing made on a ground of one colour into that pair, so the outline can
// be put on a picture box of any background colour: pixels of exactly the ground colour
// become transparent, every other pixel keeps its colour.
MaskedPicture SplitMaskedPicture(const shared::PixelImage& drawing, shared::Rgb ground);

}  // namespace pelmo

#endif
