#ifndef SHARED_PLATFORM_FAKE_MESSAGES_H
#define SHARED_PLATFORM_FAKE_MESSAGES_H

#include "shared/platform/messages.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace shared {

// One message box as the program asked for it.
struct RecordedMessage {
    std::string text;
    MessageIcon icon = MessageIcon::None;
    std::string title;
    MessageButtons buttons = MessageButtons::Ok;
};

// Records every message box and answers from a script. Without a scripted answer it
// presses the first button of the box (OK or Yes), like a user hitting Enter.
class FakeMessages : public Messages {
public:
    MessageAnswer Show(const std::string& text, MessageIcon icon, const std::string& title,
                       MessageButtons buttons = MessageButtons::Ok) override;

    // Answers for the next boxes, in order.
    void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }

    const std::vector<RecordedMessage>& Shown() const noexcept { return shown_; }
    void Clear() { shown_.clear(); }
    // Runs while each box is up, as a user would look at the window behind it.
    void WhileShown(std::function<void()> look) { whileShown_ = std::move(look); }

private:
    std::vector<RecordedMessage> shown_;
    std::deque<MessageAnswer> answers_;
    std::function<void()> whileShown_;
};

}  // namespace shared

#endif
