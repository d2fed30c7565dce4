#ifndef SHARED_PLATFORM_MESSAGES_H
#define SHARED_PLATFORM_MESSAGES_H

#include <string>

namespace shared {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Message boxes. The windows receive it; the desktop backend shows a modal box, the
// test backend records the call and answers from a script.
class Messages {
public:
    virtual ~Messages() = default;
    // Shows text with an icon and buttons under a title; returns the button pressed.
    virtual MessageAnswer Show(const std::string& text, MessageIcon icon, const std::string& title,
                               MessageButtons buttons = MessageButtons::Ok) = 0;
};

// The button an unattended answer presses: the affirmative one of the set (the console
// tools and the test fakes answer this way when nobody is asked).
inline MessageAnswer DefaultAnswer(MessageButtons buttons) noexcept {
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageAnswer::Yes
                                                                                      : MessageAnswer::Ok;
}

}  // namespace shared

#endif
