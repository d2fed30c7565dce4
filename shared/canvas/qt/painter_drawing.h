#ifndef SHARED_CANVAS_QT_PAINTER_DRAWING_H
#define SHARED_CANVAS_QT_PAINTER_DRAWING_H

#include "shared/canvas/canvas_state.h"
#include "shared/canvas/canvas_types.h"
#include "shared/canvas/rgb.h"

#include <QColor>
#include <QFont>

#include <optional>
#include <string>
#include <utility>

class QImage;
class QPaintDevice;
class QPainter;

namespace shared {

class PixelImage;

// The QPainter side of every canvas operation, shared by the picture canvas and the
// printer canvas: maps user coordinates through the canvas state to device pixels and
// paints with the state's colours, pen and font. The painter is given per call and
// carries no transform, so pen widths and rotated-text positions are device pixels.
//
// Shapes are drawn without antialiasing at whole device pixels, so grid lines stay one
// crisp pixel wide and a point lands on exactly the pixel the mapping names.
class PainterDrawing {
public:
    // The state is owned by the canvas and outlives this object.
    explicit PainterDrawing(CanvasState& state) noexcept : state_(state) {}

    static QColor ToQColor(Rgb color) noexcept { return QColor(color.red, color.green, color.blue); }
    // The Qt font of a canvas font ("Arial" resolves through fontconfig, usually to the
    // metric-compatible Liberation Sans).
    static QFont ToQFont(const FontSpec& font);

    double TextWidth(const std::string& text, const QPaintDevice& device) const;
    double TextHeight(const QPaintDevice& device) const;

    void Print(QPainter& painter, const std::string& text) const;
    // Advances the current point as Print does (the printer discards overlay text but
    // must still move on).
    void AdvanceLine(const QPaintDevice& device) const;
    void PrintRotated(QPainter& painter, const std::string& text, const RotatedFont& font,
                      int escapementTenths, int pixelX, int pixelY) const;

    void Line(QPainter& painter, double x1, double y1, double x2, double y2, Rgb color) const;
    void Box(QPainter& painter, double x1, double y1, double x2, double y2, Rgb color, bool filled) const;
    // A full circle when arcAngles is empty; filled inside when fill is given.
    void Circle(QPainter& painter, double cx, double cy, double radius, Rgb color,
                std::optional<std::pair<double, double>> arcAngles, std::optional<Rgb> fill) const;
    void PSet(QPainter& painter, double x, double y, Rgb color) const;
    static void PutPixels(QPainter& painter, const QImage& image, int pixelX, int pixelY, RasterOp op);

    // Moves the current point to the end of a shape, as the classic shapes do.
    void MoveTo(double x, double y) const noexcept {
        state_.currentX = x;
        state_.currentY = y;
    }

private:
    void UsePen(QPainter& painter, Rgb color) const;

    CanvasState& state_;
};

}  // namespace shared

#endif
