#include "shared/platform/testing/fake_messages.h"

namespace shared {

MessageAnswer FakeMessages::Show(const std::string& text, MessageIcon icon, const std::string& title,
                                 MessageButtons buttons) {
    shown_.push_back({text, icon, title, buttons});
    if (whileShown_) {
        whileShown_();
    }
    if (!answers_.empty()) {
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return DefaultAnswer(buttons);
}

}  // namespace shared
