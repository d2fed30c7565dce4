#ifndef SHARED_CANVAS_PIXEL_IMAGE_H
#define SHARED_CANVAS_PIXEL_IMAGE_H

#include "shared/canvas/canvas_types.h"
#include "shared/canvas/rgb.h"

#include <vector>

namespace shared {

// A plain RGB picture: what the clipboard receives, what a pixel copy carries between
// canvases, and what the masked-image routine works on. Kept free of Qt so the clipboard
// and the masking rules can be used and tested by the plain C++ code.
class PixelImage {
public:
    PixelImage() = default;
    // A width x height picture filled with one colour. Negative sizes give an empty picture.
    PixelImage(int width, int height, Rgb fill = colors::kWhite);

    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }
    bool IsEmpty() const noexcept { return width_ == 0 || height_ == 0; }

    // Pixel access; coordinates outside the picture are a programming error and throw
    // a RuntimeError (subscript out of range) rather than touch foreign memory.
    Rgb At(int x, int y) const;
    void Set(int x, int y, Rgb color);
    void Fill(Rgb color);

    // Combines source onto this picture with its top-left corner at (x, y), pixel for
    // pixel with the raster operation; whatever falls outside this picture is dropped.
    void Blit(const PixelImage& source, int x, int y, RasterOp op = RasterOp::Copy);

    // The part of the picture inside rect; parts of rect outside the picture are filled
    // with the given colour so the result always has the size asked for.
    PixelImage Crop(const PixelRect& rect, Rgb outside = colors::kWhite) const;

    friend bool operator==(const PixelImage&, const PixelImage&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

}  // namespace shared

#endif
