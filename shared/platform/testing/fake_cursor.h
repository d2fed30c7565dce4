#ifndef SHARED_PLATFORM_FAKE_CURSOR_H
#define SHARED_PLATFORM_FAKE_CURSOR_H

#include "shared/platform/cursor.h"

namespace shared {

// Counts hourglass requests, so a test can check the pointer is back to normal after
// a command, whichever way it ended.
class FakeCursor : public Cursor {
public:
    void ShowHourglass() override {
        ++depth_;
        ++hourglassCalls_;
    }
    void RestorePointer() override { --depth_; }

    // Above 0 while an hourglass is shown; below 0 means a restore without a show.
    int Depth() const noexcept { return depth_; }
    bool ShowsHourglass() const noexcept { return depth_ > 0; }
    int HourglassCalls() const noexcept { return hourglassCalls_; }

private:
    int depth_ = 0;
    int hourglassCalls_ = 0;
};

}  // namespace shared

#endif
