#ifndef SHARED_CANVAS_QT_PAINTER_CANVAS_H
#define SHARED_CANVAS_QT_PAINTER_CANVAS_H

#include "shared/canvas/chart_canvas.h"
#include "shared/canvas/qt/painting_canvas.h"

#include <QImage>

#include <functional>

class QPainter;

namespace shared {

// The screen canvas: a persistent image (grid, labels, traces) plus a transparent overlay
// for the cursor marker. A window shows ComposedImage(); ClearOverlay restores exactly
// the pixels of the image below because the image itself is never touched by overlay
// drawing. Hidden pictures (the clipboard assembly) are the same class, never shown.
//
// Each operation paints at once into the image, so GrabPixels and ComposedImage always
// see everything drawn so far. Not thread-safe: use it on the user-interface thread.
class PainterCanvas : public PaintingCanvas<ChartCanvas> {
public:
    // A pixelWidth x pixelHeight picture filled with white, measured at dotsPerInch so
    // point-sized fonts and twips scales match the screen they are shown on.
    PainterCanvas(int pixelWidth, int pixelHeight, double dotsPerInch = 96);

    // The persistent picture, without the overlay.
    const QImage& Image() const noexcept { return image_; }
    // The transient layer (transparent where nothing is drawn).
    const QImage& OverlayImage() const noexcept { return overlay_; }
    // The picture as the window shows it: the image with the overlay on top.
    QImage ComposedImage() const;

    // A new picture size: pixels keep their place, new area takes the back colour, the
    // overlay is emptied. A user scale keeps its numbers over the new size.
    void Resize(int pixelWidth, int pixelHeight);
    // Called after every change of the visible picture, so a widget can repaint. The
    // callback must not draw on this canvas.
    void SetChangedCallback(std::function<void()> callback) { changed_ = std::move(callback); }

    void Cls() override;

    double TextWidth(const std::string& text) const override;
    double TextHeight(const std::string& text) const override;
    void Print(const std::string& text) override;

    void ClearOverlay() override;

    PixelImage GrabPixels(const PixelRect& rect) override;
    void PutPixels(const PixelImage& image, int pixelX, int pixelY, RasterOp op) override;

private:
    // Paints on the layer in use (image or overlay) and tells the widget.
    void Paint(const std::function<void(QPainter&)>& draw) override;
    void NotifyChanged() const;

    QImage image_;
    QImage overlay_;
    std::function<void()> changed_;
};

}  // namespace shared

#endif
