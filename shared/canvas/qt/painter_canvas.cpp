#include "shared/canvas/qt/painter_canvas.h"

#include "shared/canvas/qt/qt_pixel_image.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace shared {

namespace {

constexpr double kInchesPerMetre = 39.37007874015748;

QImage NewLayer(int width, int height, QImage::Format format, double dotsPerInch) {
    QImage image(width, height, format);
    // The image's resolution makes point-sized fonts come out at the screen's size.
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch * kInchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

}  // namespace

PainterCanvas::PainterCanvas(int pixelWidth, int pixelHeight, double dotsPerInch)
    : PaintingCanvas(pixelWidth, pixelHeight, dotsPerInch),
      image_(NewLayer(state_.PixelWidth(), state_.PixelHeight(), QImage::Format_RGB32, state_.DotsPerInch())),
      overlay_(NewLayer(state_.PixelWidth(), state_.PixelHeight(), QImage::Format_ARGB32_Premultiplied,
                        state_.DotsPerInch())) {
    image_.fill(PainterDrawing::ToQColor(state_.backColor));
    overlay_.fill(Qt::transparent);
}

QImage PainterCanvas::ComposedImage() const {
    QImage composed = image_;
    QPainter painter(&composed);
    painter.drawImage(QPoint(0, 0), overlay_);
    return composed;
}

void PainterCanvas::Resize(int pixelWidth, int pixelHeight) {
    state_.SetDevice(pixelWidth, pixelHeight, state_.DotsPerInch());
    QImage resized =
        NewLayer(state_.PixelWidth(), state_.PixelHeight(), QImage::Format_RGB32, state_.DotsPerInch());
    resized.fill(PainterDrawing::ToQColor(state_.backColor));
    {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), image_);
    }
    image_ = std::move(resized);
    overlay_ = NewLayer(state_.PixelWidth(), state_.PixelHeight(), QImage::Format_ARGB32_Premultiplied,
                        state_.DotsPerInch());
    overlay_.fill(Qt::transparent);
    NotifyChanged();
}

void PainterCanvas::Paint(const std::function<void(QPainter&)>& draw) {
    {
        QPainter painter(state_.inOverlay ? &overlay_ : &image_);
        draw(painter);
    }
    NotifyChanged();
}

void PainterCanvas::NotifyChanged() const {
    if (changed_) changed_();
}

void PainterCanvas::Cls() {
    image_.fill(PainterDrawing::ToQColor(state_.backColor));
    overlay_.fill(Qt::transparent);
    state_.currentX = 0;
    state_.currentY = 0;
    NotifyChanged();
}

double PainterCanvas::TextWidth(const std::string& text) const {
    return drawing_.TextWidth(text, image_);
}

double PainterCanvas::TextHeight(const std::string&) const {
    return drawing_.TextHeight(image_);
}

void PainterCanvas::Print(const std::string& text) {
    Paint([&](QPainter& p) { drawing_.Print(p, text); });
}

void PainterCanvas::ClearOverlay() {
    overlay_.fill(Qt::transparent);
    NotifyChanged();
}

PixelImage PainterCanvas::GrabPixels(const PixelRect& rect) {
    PixelImage grabbed = ToPixelImage(image_.copy(rect.x, rect.y, rect.width, rect.height));
    // QImage::copy fills parts outside the image with black; the caller gets the back
    // colour there instead, as if the picture were larger and freshly cleared.
    PixelImage result(rect.width, rect.height, state_.backColor);
    const int insideX = std::max(0, rect.x);
    const int insideY = std::max(0, rect.y);
    const int endX = std::min(image_.width(), rect.x + rect.width);
    const int endY = std::min(image_.height(), rect.y + rect.height);
    if (endX > insideX && endY > insideY)
        result.Blit(
            grabbed.Crop(PixelRect{insideX - rect.x, insideY - rect.y, endX - insideX, endY - insideY}),
            insideX - rect.x, insideY - rect.y);
    return result;
}

void PainterCanvas::PutPixels(const PixelImage& image, int pixelX, int pixelY, RasterOp op) {
    const QImage source = ToQImage(image);
    Paint([&](QPainter& p) { PainterDrawing::PutPixels(p, source, pixelX, pixelY, op); });
}

}  // namespace shared
