#include "shared/canvas/qt/canvas_widget.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPixmap>

#include <gtest/gtest.h>

namespace shared {
namespace {

TEST(CanvasWidget, ReportsTheMouseInUserCoordinates) {
    CanvasWidget widget;
    widget.SetPictureSize(300, 200);
    widget.Canvas().SetScale(0, 3000, 3000, -3000);
    double x = -1, y = -1;
    Qt::MouseButton pressed = Qt::NoButton;
    QObject::connect(&widget, &CanvasWidget::mouseMoved,
                     [&](Qt::MouseButtons, Qt::KeyboardModifiers, double ux, double uy) {
                         x = ux;
                         y = uy;
                     });
    QObject::connect(
        &widget, &CanvasWidget::mousePressed,
        [&](Qt::MouseButton button, Qt::KeyboardModifiers, double, double) { pressed = button; });

    QMouseEvent move(QEvent::MouseMove, QPointF(150, 50), QPointF(150, 50), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
    EXPECT_DOUBLE_EQ(x, 1500);
    EXPECT_DOUBLE_EQ(y, 2250);

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
    EXPECT_EQ(pressed, Qt::RightButton);
}

TEST(CanvasWidget, ShowsTheImageWithTheOverlayAndKeepsItOnResize) {
    CanvasWidget widget;
    widget.SetPictureSize(100, 100);
    PainterCanvas& canvas = widget.Canvas();
    canvas.FilledBox(0, 0, 99, 99, colors::kBlue);
    canvas.BeginOverlay();
    canvas.FilledCircle(50, 50, 10, colors::kRed, colors::kRed);
    canvas.EndOverlay();

    QImage shown = widget.grab().toImage();
    EXPECT_EQ(shown.pixel(50, 50) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(shown.pixel(5, 5) & 0xFFFFFF, 0x0000FFu);

    canvas.ClearOverlay();
    shown = widget.grab().toImage();
    EXPECT_EQ(shown.pixel(50, 50) & 0xFFFFFF, 0x0000FFu);

    widget.show();
    widget.resize(150, 120);
    QCoreApplication::processEvents();
    EXPECT_EQ(canvas.PixelWidth(), 150);
    EXPECT_EQ(canvas.Image().pixel(99, 99) & 0xFFFFFF, 0x0000FFu);
}

}  // namespace
}  // namespace shared
