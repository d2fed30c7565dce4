#ifndef SHARED_PLATFORM_TESTING_FAKE_CLIPBOARD_H
#define SHARED_PLATFORM_TESTING_FAKE_CLIPBOARD_H

#include "shared/platform/clipboard.h"

#include <optional>

namespace shared {

// A clipboard for tests: keeps the last picture so a test can check its size and pixels.
class FakeClipboard : public Clipboard {
public:
    void Clear() override;
    void SetPicture(const PixelImage& picture) override;

    // The picture on the clipboard, empty after Clear.
    const std::optional<PixelImage>& Picture() const noexcept { return picture_; }
    int Clears() const noexcept { return clears_; }
    int PicturesSet() const noexcept { return pictures_; }

private:
    std::optional<PixelImage> picture_;
    int clears_ = 0;
    int pictures_ = 0;
};

}  // namespace shared

#endif
