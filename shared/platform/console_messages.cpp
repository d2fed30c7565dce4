#include "shared/platform/console_messages.h"

#include <ostream>

namespace shared {

std::string ConsoleText(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            result += text[i];
        }
    }
    return result;
}

MessageAnswer ConsoleMessages::Show(const std::string& text, MessageIcon icon, const std::string& /*title*/,
                                    MessageButtons buttons) {
    if (icon == MessageIcon::Information) {
        out_ << ConsoleText(text) << '\n';
    } else {
        err_ << ConsoleText(text) << '\n';
        ++complaints_;
    }
    return DefaultAnswer(buttons);
}

}  // namespace shared
