#ifndef SHARED_CANVAS_QT_CANVAS_WIDGET_H
#define SHARED_CANVAS_QT_CANVAS_WIDGET_H

#include "shared/canvas/qt/painter_canvas.h"

#include <QWidget>

namespace shared {

// The picture box of a window: shows its PainterCanvas (image with the overlay on top)
// and reports the mouse in the canvas's user coordinates, which is what the chart
// windows' MouseMove/MouseDown/MouseUp handlers take. The widget owns its canvas; the
// canvas follows the widget's size and keeps its pixels when resized.
class CanvasWidget : public QWidget {
    Q_OBJECT

public:
    explicit CanvasWidget(QWidget* parent = nullptr, double dotsPerInch = 96);
    ~CanvasWidget() override;
    CanvasWidget(const CanvasWidget&) = delete;
    CanvasWidget& operator=(const CanvasWidget&) = delete;

    // Sizes widget and picture at once. A hidden widget gets its resize event only when
    // shown, but the windows draw their chart while loading, before they are shown.
    void SetPictureSize(int pixelWidth, int pixelHeight);

    PainterCanvas& Canvas() noexcept { return canvas_; }
    const PainterCanvas& Canvas() const noexcept { return canvas_; }

signals:
    // Coordinates in the canvas's user scale at the time of the event.
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x, double y);
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PainterCanvas canvas_;
};

}  // namespace shared

#endif
