#ifndef SHARED_PLATFORM_QT_QT_CLIPBOARD_H
#define SHARED_PLATFORM_QT_QT_CLIPBOARD_H

#include "shared/platform/clipboard.h"

class QClipboard;

namespace shared {

// The clipboard service over the application's QClipboard (QGuiApplication::clipboard()).
// Use it on the user-interface thread only, as QClipboard requires.
class QtClipboard : public Clipboard {
public:
    // The clipboard must outlive this object (it lives as long as the application).
    explicit QtClipboard(QClipboard& clipboard) noexcept : clipboard_(clipboard) {}

    void Clear() override;
    void SetPicture(const PixelImage& picture) override;

private:
    QClipboard& clipboard_;
};

}  // namespace shared

#endif
