#ifndef SHARED_PLATFORM_HOURGLASS_GUARD_H
#define SHARED_PLATFORM_HOURGLASS_GUARD_H

#include "shared/platform/cursor.h"

namespace shared {

// Shows the hourglass for the lifetime of the guard, so the pointer is restored on
// every path out of a command, a thrown error included.
class HourglassGuard {
public:
    explicit HourglassGuard(Cursor& cursor) : HourglassGuard(&cursor) {}
    // A command that may run without a pointer to change (no cursor) shows nothing.
    explicit HourglassGuard(Cursor* cursor) : cursor_(cursor) {
        if (cursor_ != nullptr) {
            cursor_->ShowHourglass();
        }
    }
    ~HourglassGuard() { Release(); }
    HourglassGuard(const HourglassGuard&) = delete;
    HourglassGuard& operator=(const HourglassGuard&) = delete;

    // Restores the pointer early (before a message box, for instance); the destructor
    // then does nothing.
    void Release() {
        if (cursor_ != nullptr) {
            cursor_->RestorePointer();
            cursor_ = nullptr;
        }
    }

private:
    Cursor* cursor_;
};

}  // namespace shared

#endif
