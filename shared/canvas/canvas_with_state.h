#ifndef SHARED_CANVAS_CANVAS_WITH_STATE_H
#define SHARED_CANVAS_CANVAS_WITH_STATE_H

#include "shared/canvas/canvas_state.h"

namespace shared {

// The scale, current position, colours, pen and font every canvas keeps the same way,
// so each backend only implements how it draws. Interface is ChartCanvas or PageCanvas;
// a backend may still override a setter (the recording canvas logs them).
template <class Interface>
class CanvasWithState : public Interface {
public:
    void SetScale(double left, double top, double width, double height) override {
        state_.SetScale(left, top, width, height);
    }
    void SetScaleMode(ScaleMode mode) override { state_.SetScaleMode(mode); }
    ScaleMode GetScaleMode() const override { return state_.Mode(); }
    double ScaleLeft() const override { return state_.Left(); }
    double ScaleTop() const override { return state_.Top(); }
    double ScaleWidth() const override { return state_.Width(); }
    double ScaleHeight() const override { return state_.Height(); }
    int PixelWidth() const override { return state_.PixelWidth(); }
    int PixelHeight() const override { return state_.PixelHeight(); }
    double DotsPerInch() const override { return state_.DotsPerInch(); }
    double ToPixelX(double x) const override { return state_.ToPixelX(x); }
    double ToPixelY(double y) const override { return state_.ToPixelY(y); }
    double ToUserX(double pixelX) const override { return state_.ToUserX(pixelX); }
    double ToUserY(double pixelY) const override { return state_.ToUserY(pixelY); }

    double CurrentX() const override { return state_.currentX; }
    double CurrentY() const override { return state_.currentY; }
    void SetCurrentX(double x) override { state_.currentX = x; }
    void SetCurrentY(double y) override { state_.currentY = y; }

    void SetForeColor(Rgb color) override { state_.foreColor = color; }
    Rgb ForeColor() const override { return state_.foreColor; }
    void SetBackColor(Rgb color) override { state_.backColor = color; }
    Rgb BackColor() const override { return state_.backColor; }
    void SetDrawWidth(int pixels) override { state_.drawWidth = pixels < 1 ? 1 : pixels; }
    int DrawWidth() const override { return state_.drawWidth; }
    void SetDrawStyle(LineStyle style) override { state_.drawStyle = style; }
    LineStyle DrawStyle() const override { return state_.drawStyle; }
    void SetFont(const FontSpec& font) override { state_.font = font; }
    FontSpec Font() const override { return state_.font; }

    void BeginOverlay() override { state_.inOverlay = true; }
    void EndOverlay() override { state_.inOverlay = false; }

protected:
    CanvasWithState(int pixelWidth, int pixelHeight, double dotsPerInch)
        : state_(pixelWidth, pixelHeight, dotsPerInch) {}

    CanvasState state_;
};

}  // namespace shared

#endif
