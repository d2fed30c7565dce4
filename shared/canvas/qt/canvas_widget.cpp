#include "shared/canvas/qt/canvas_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace shared {

CanvasWidget::CanvasWidget(QWidget* parent, double dotsPerInch)
    : QWidget(parent), canvas_(1, 1, dotsPerInch) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvas_.SetChangedCallback([this] { update(); });
}

CanvasWidget::~CanvasWidget() {
    // The canvas outlives no widget: stop it calling back into a dying one.
    canvas_.SetChangedCallback({});
}

void CanvasWidget::SetPictureSize(int pixelWidth, int pixelHeight) {
    resize(pixelWidth, pixelHeight);
    if (canvas_.PixelWidth() != pixelWidth || canvas_.PixelHeight() != pixelHeight)
        canvas_.Resize(pixelWidth, pixelHeight);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, canvas_.Image(), area);
    painter.drawImage(area, canvas_.OverlayImage(), area);
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
    const QSize size = event->size();
    if (canvas_.PixelWidth() != size.width() || canvas_.PixelHeight() != size.height())
        canvas_.Resize(size.width(), size.height());
    QWidget::resizeEvent(event);
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit mouseMoved(event->buttons(), event->modifiers(), canvas_.ToUserX(at.x()), canvas_.ToUserY(at.y()));
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit mousePressed(event->button(), event->modifiers(), canvas_.ToUserX(at.x()), canvas_.ToUserY(at.y()));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit mouseReleased(event->button(), event->modifiers(), canvas_.ToUserX(at.x()), canvas_.ToUserY(at.y()));
}

}  // namespace shared
