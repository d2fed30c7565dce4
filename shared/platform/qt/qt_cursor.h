#ifndef SHARED_PLATFORM_QT_CURSOR_H
#define SHARED_PLATFORM_QT_CURSOR_H

#include "shared/platform/cursor.h"

namespace shared {

// The hourglass as the application's override cursor. Only the overrides this object
// pushed are popped, so it never removes a cursor someone else set; whatever is still
// shown when it ends is restored then.
class QtCursor : public Cursor {
public:
    QtCursor() = default;
    ~QtCursor() override;
    QtCursor(const QtCursor&) = delete;
    QtCursor& operator=(const QtCursor&) = delete;

    void ShowHourglass() override;
    void RestorePointer() override;

private:
    int depth_ = 0;
};

}  // namespace shared

#endif
