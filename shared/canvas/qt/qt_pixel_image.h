#ifndef SHARED_CANVAS_QT_QT_PIXEL_IMAGE_H
#define SHARED_CANVAS_QT_QT_PIXEL_IMAGE_H

#include "shared/canvas/pixel_image.h"

#include <QImage>

namespace shared {

// Conversions at the border between the plain pictures of the core (clipboard, pixel
// copies) and Qt's images. Alpha is dropped: the core pictures are opaque RGB.
QImage ToQImage(const PixelImage& image);
PixelImage ToPixelImage(const QImage& image);

}  // namespace shared

#endif
