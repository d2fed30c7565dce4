#ifndef SHARED_CANVAS_QT_QT_DRAW_MASKED_H
#define SHARED_CANVAS_QT_QT_DRAW_MASKED_H

#include <QColor>
#include <QImage>

namespace shared {

// The masked picture on Qt images (the circuit picture and chip outline come as QImage
// resources): the target is filled with the background, the mask is combined at the
// top-left by bitwise AND and the picture by bitwise XOR. The target becomes an opaque
// RGB32 image if it was not one, since the raster operations need one.
void DrawMasked(QImage& target, const QImage& image, const QImage& mask, QColor background);

}  // namespace shared

#endif
