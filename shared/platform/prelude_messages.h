#ifndef SHARED_PLATFORM_PRELUDE_MESSAGES_H
#define SHARED_PLATFORM_PRELUDE_MESSAGES_H

#include "shared/platform/messages.h"

#include <functional>
#include <string>
#include <utility>

namespace shared {

// Messages that run a prelude before each box: a modal box keeps the window as it
// stands while it waits, so a window first shows what the command has already changed
// (emptied readouts, a beep) rather than old texts beside the message.
class PreludeMessages : public Messages {
public:
    explicit PreludeMessages(Messages& inner, std::function<void()> prelude = {})
        : inner_(inner), prelude_(std::move(prelude)) {}

    void SetPrelude(std::function<void()> prelude) { prelude_ = std::move(prelude); }

    MessageAnswer Show(const std::string& text, MessageIcon icon, const std::string& title,
                       MessageButtons buttons = MessageButtons::Ok) override {
        if (prelude_) {
            prelude_();
        }
        return inner_.Show(text, icon, title, buttons);
    }

private:
    Messages& inner_;
    std::function<void()> prelude_;
};

}  // namespace shared

#endif
