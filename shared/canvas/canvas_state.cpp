#include "shared/canvas/canvas_state.h"

#include "shared/errors/runtime_error.h"

#include <cmath>

namespace shared {

namespace {
// Twips are 1/1440 inch; the screen converts them at its logical resolution.
constexpr double kTwipsPerInch = 1440.0;
}  // namespace

CanvasState::CanvasState(int pixelWidth, int pixelHeight, double dotsPerInch)
    : pixelWidth_(pixelWidth > 0 ? pixelWidth : 1),
      pixelHeight_(pixelHeight > 0 ? pixelHeight : 1),
      dotsPerInch_(dotsPerInch > 0 ? dotsPerInch : 96.0) {
    ApplyModeExtent();
}

void CanvasState::SetDevice(int pixelWidth, int pixelHeight, double dotsPerInch) {
    // A zero-sized surface still needs a finite mapping; one pixel keeps it defined.
    pixelWidth_ = pixelWidth > 0 ? pixelWidth : 1;
    pixelHeight_ = pixelHeight > 0 ? pixelHeight : 1;
    dotsPerInch_ = dotsPerInch > 0 ? dotsPerInch : 96.0;
    ApplyModeExtent();
}

void CanvasState::SetScale(double left, double top, double width, double height) {
    if (width == 0 || height == 0 || !std::isfinite(width) || !std::isfinite(height) ||
        !std::isfinite(left) || !std::isfinite(top))
        throw RuntimeError(error::kInvalidProcedureCall, "ChartCanvas.SetScale");
    mode_ = ScaleMode::User;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void CanvasState::SetScaleMode(ScaleMode mode) {
    mode_ = mode;
    ApplyModeExtent();
}

void CanvasState::ApplyModeExtent() {
    switch (mode_) {
        case ScaleMode::Twips:
            left_ = 0;
            top_ = 0;
            width_ = pixelWidth_ * kTwipsPerInch / dotsPerInch_;
            height_ = pixelHeight_ * kTwipsPerInch / dotsPerInch_;
            break;
        case ScaleMode::Pixels:
            left_ = 0;
            top_ = 0;
            width_ = pixelWidth_;
            height_ = pixelHeight_;
            break;
        case ScaleMode::User:
            break;
    }
}

double CanvasState::ToPixelX(double x) const noexcept {
    return (x - left_) * pixelWidth_ / width_;
}

double CanvasState::ToPixelY(double y) const noexcept {
    return (y - top_) * pixelHeight_ / height_;
}

double CanvasState::ToUserX(double pixelX) const noexcept {
    return left_ + pixelX * width_ / pixelWidth_;
}

double CanvasState::ToUserY(double pixelY) const noexcept {
    return top_ + pixelY * height_ / pixelHeight_;
}

double CanvasState::UserWidthToPixels(double width) const noexcept {
    return std::fabs(width * pixelWidth_ / width_);
}

double CanvasState::PixelsToUserWidth(double pixels) const noexcept {
    return std::fabs(pixels * width_ / pixelWidth_);
}

double CanvasState::PixelsToUserHeight(double pixels) const noexcept {
    return std::fabs(pixels * height_ / pixelHeight_);
}

}  // namespace shared
