#ifndef SHARED_PLATFORM_CLIPBOARD_H
#define SHARED_PLATFORM_CLIPBOARD_H

#include "shared/canvas/pixel_image.h"

namespace shared {

// The system clipboard as the chart windows use it: clear it, then put a picture.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void Clear() = 0;
    // Replaces the clipboard contents with the picture as a bitmap.
    virtual void SetPicture(const PixelImage& picture) = 0;
};

}  // namespace shared

#endif
