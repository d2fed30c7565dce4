#include "shared/platform/qt/qt_clipboard.h"

#include "shared/canvas/qt/qt_pixel_image.h"

#include <QClipboard>

namespace shared {

void QtClipboard::Clear() {
    clipboard_.clear();
}

void QtClipboard::SetPicture(const PixelImage& picture) {
    clipboard_.setImage(ToQImage(picture));
}

}  // namespace shared
