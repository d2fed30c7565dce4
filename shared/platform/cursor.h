#ifndef SHARED_PLATFORM_CURSOR_H
#define SHARED_PLATFORM_CURSOR_H

namespace shared {

// The mouse pointer during long commands. Calls nest: every ShowHourglass is matched
// by one RestorePointer, and the normal pointer returns after the outermost one.
class Cursor {
public:
    virtual ~Cursor() = default;
    virtual void ShowHourglass() = 0;
    virtual void RestorePointer() = 0;
};

}  // namespace shared

#endif
