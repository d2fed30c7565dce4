#include "shared/canvas/qt/qt_draw_masked.h"

#include <QPainter>

namespace shared {

void DrawMasked(QImage& target, const QImage& image, const QImage& mask, QColor background) {
    if (target.format() != QImage::Format_RGB32) target = target.convertToFormat(QImage::Format_RGB32);
    target.fill(background.rgb());
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(QPoint(0, 0), mask.convertToFormat(QImage::Format_RGB32));
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawImage(QPoint(0, 0), image.convertToFormat(QImage::Format_RGB32));
}

}  // namespace shared
