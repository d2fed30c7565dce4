#include "shared/canvas/qt/qt_pixel_image.h"

namespace shared {

QImage ToQImage(const PixelImage& image) {
    QImage result(image.Width(), image.Height(), QImage::Format_RGB32);
    for (int y = 0; y < image.Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb c = image.At(x, y);
            line[x] = qRgb(c.red, c.green, c.blue);
        }
    }
    return result;
}

PixelImage ToPixelImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    PixelImage result(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            result.Set(
                x, y,
                Rgb{static_cast<std::uint8_t>(qRed(line[x])), static_cast<std::uint8_t>(qGreen(line[x])),
                    static_cast<std::uint8_t>(qBlue(line[x]))});
    }
    return result;
}

}  // namespace shared
