#include "shared/canvas/pixel_image.h"

#include "shared/errors/runtime_error.h"

#include <algorithm>
#include <cstddef>

namespace shared {

namespace {

Rgb Combine(Rgb destination, Rgb source, RasterOp op) {
    switch (op) {
        case RasterOp::And:
            return {static_cast<std::uint8_t>(destination.red & source.red),
                    static_cast<std::uint8_t>(destination.green & source.green),
                    static_cast<std::uint8_t>(destination.blue & source.blue)};
        case RasterOp::Xor:
            return {static_cast<std::uint8_t>(destination.red ^ source.red),
                    static_cast<std::uint8_t>(destination.green ^ source.green),
                    static_cast<std::uint8_t>(destination.blue ^ source.blue)};
        case RasterOp::Copy:
            break;
    }
    return source;
}

}  // namespace

PixelImage::PixelImage(int width, int height, Rgb fill)
    : width_(width > 0 && height > 0 ? width : 0),
      height_(width > 0 && height > 0 ? height : 0),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

Rgb PixelImage::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw RuntimeError(error::kSubscriptOutOfRange, "PixelImage.At");
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void PixelImage::Set(int x, int y, Rgb color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw RuntimeError(error::kSubscriptOutOfRange, "PixelImage.Set");
    pixels_[static_cast<std::size_t>(y) * width_ + x] = color;
}

void PixelImage::Fill(Rgb color) {
    std::fill(pixels_.begin(), pixels_.end(), color);
}

void PixelImage::Blit(const PixelImage& source, int x, int y, RasterOp op) {
    const int firstX = std::max(0, x);
    const int firstY = std::max(0, y);
    const int endX = std::min(width_, x + source.width_);
    const int endY = std::min(height_, y + source.height_);
    for (int ty = firstY; ty < endY; ++ty) {
        for (int tx = firstX; tx < endX; ++tx) {
            Rgb& target = pixels_[static_cast<std::size_t>(ty) * width_ + tx];
            const Rgb from = source.pixels_[static_cast<std::size_t>(ty - y) * source.width_ + (tx - x)];
            target = Combine(target, from, op);
        }
    }
}

PixelImage PixelImage::Crop(const PixelRect& rect, Rgb outside) const {
    PixelImage result(rect.width, rect.height, outside);
    if (result.IsEmpty()) return result;
    result.Blit(*this, -rect.x, -rect.y, RasterOp::Copy);
    return result;
}

}  // namespace shared
