#ifndef SHARED_CANVAS_CANVAS_STATE_H
#define SHARED_CANVAS_CANVAS_STATE_H

#include "shared/canvas/canvas_types.h"
#include "shared/canvas/rgb.h"

namespace shared {

// The drawing state every canvas carries (scale, current point, colours, pen, font,
// overlay switch) and the user <-> device mapping. Shared by the recording and the
// painter canvases so the mapping rules exist once and are tested once.
class CanvasState {
public:
    // A surface of pixelWidth x pixelHeight device pixels at dotsPerInch; the scale
    // starts in pixels, as a fresh picture box does.
    CanvasState(int pixelWidth, int pixelHeight, double dotsPerInch);

    // A new surface size (a resized picture, another page orientation). A Twips or
    // Pixels scale follows the new size; a user scale keeps its numbers, so the same
    // user extent now spans the new surface.
    void SetDevice(int pixelWidth, int pixelHeight, double dotsPerInch);
    int PixelWidth() const noexcept { return pixelWidth_; }
    int PixelHeight() const noexcept { return pixelHeight_; }
    double DotsPerInch() const noexcept { return dotsPerInch_; }

    // Throws RuntimeError (invalid procedure call) for a zero width or height.
    void SetScale(double left, double top, double width, double height);
    void SetScaleMode(ScaleMode mode);
    ScaleMode Mode() const noexcept { return mode_; }
    double Left() const noexcept { return left_; }
    double Top() const noexcept { return top_; }
    double Width() const noexcept { return width_; }
    double Height() const noexcept { return height_; }

    double ToPixelX(double x) const noexcept;
    double ToPixelY(double y) const noexcept;
    double ToUserX(double pixelX) const noexcept;
    double ToUserY(double pixelY) const noexcept;
    // Lengths (always positive): user units along x or y <-> device pixels.
    double UserWidthToPixels(double width) const noexcept;
    double PixelsToUserWidth(double pixels) const noexcept;
    double PixelsToUserHeight(double pixels) const noexcept;
    // +1 when user y grows downwards on the surface, -1 when it grows upwards.
    double DownwardSign() const noexcept { return height_ < 0 ? -1.0 : 1.0; }

    double currentX = 0;
    double currentY = 0;
    Rgb foreColor = colors::kBlack;
    Rgb backColor = colors::kWhite;
    int drawWidth = 1;
    LineStyle drawStyle = LineStyle::Solid;
    FontSpec font;
    bool inOverlay = false;

private:
    void ApplyModeExtent();

    int pixelWidth_;
    int pixelHeight_;
    double dotsPerInch_;
    ScaleMode mode_ = ScaleMode::Pixels;
    double left_ = 0;
    double top_ = 0;
    double width_ = 1;
    double height_ = 1;
};

}  // namespace shared

#endif
