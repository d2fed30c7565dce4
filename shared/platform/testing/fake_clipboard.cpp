#include "shared/platform/testing/fake_clipboard.h"

namespace shared {

// Out of line: inlined into a test that starts from an empty optional, GCC 12 at -O3
// takes the assignment's copy for a read of the empty optional's vector and warns
// (-Wmaybe-uninitialized, a false positive of the kind of GCC bug 80635).
void FakeClipboard::Clear() {
    picture_.reset();
    ++clears_;
}

void FakeClipboard::SetPicture(const PixelImage& picture) {
    picture_ = picture;
    ++pictures_;
}

}  // namespace shared
