#ifndef SHARED_CANVAS_QT_PAINTING_CANVAS_H
#define SHARED_CANVAS_QT_PAINTING_CANVAS_H

#include "shared/canvas/canvas_with_state.h"
#include "shared/canvas/qt/painter_drawing.h"

#include <QPainter>

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace shared {

// The shapes every QPainter-backed canvas draws the same way; a backend only says which
// painter a drawing goes to (the picture or its overlay, or the printer's page).
template <class Interface>
class PaintingCanvas : public CanvasWithState<Interface> {
public:
    void PrintRotated(const std::string& text, const RotatedFont& font, int escapementTenths, int pixelX,
                      int pixelY) override {
        Paint([&](QPainter& p) { drawing_.PrintRotated(p, text, font, escapementTenths, pixelX, pixelY); });
    }
    void Line(double x1, double y1, double x2, double y2, Rgb color) override {
        Paint([&](QPainter& p) { drawing_.Line(p, x1, y1, x2, y2, color); });
    }
    void Box(double x1, double y1, double x2, double y2, Rgb color) override {
        Paint([&](QPainter& p) { drawing_.Box(p, x1, y1, x2, y2, color, false); });
    }
    void FilledBox(double x1, double y1, double x2, double y2, Rgb color) override {
        Paint([&](QPainter& p) { drawing_.Box(p, x1, y1, x2, y2, color, true); });
    }
    void Circle(double cx, double cy, double radius, Rgb color) override {
        Paint([&](QPainter& p) { drawing_.Circle(p, cx, cy, radius, color, std::nullopt, std::nullopt); });
    }
    void Arc(double cx, double cy, double radius, Rgb color, double startAngle, double endAngle) override {
        Paint([&](QPainter& p) {
            drawing_.Circle(p, cx, cy, radius, color, std::make_pair(startAngle, endAngle), std::nullopt);
        });
    }
    void FilledCircle(double cx, double cy, double radius, Rgb outline, Rgb fill) override {
        Paint([&](QPainter& p) { drawing_.Circle(p, cx, cy, radius, outline, std::nullopt, fill); });
    }
    void PSet(double x, double y, Rgb color) override {
        Paint([&](QPainter& p) { drawing_.PSet(p, x, y, color); });
    }

protected:
    PaintingCanvas(int pixelWidth, int pixelHeight, double dotsPerInch)
        : CanvasWithState<Interface>(pixelWidth, pixelHeight, dotsPerInch), drawing_(this->state_) {}

    // Runs one drawing on the painter in use.
    virtual void Paint(const std::function<void(QPainter&)>& draw) = 0;

    PainterDrawing drawing_;
};

}  // namespace shared

#endif
