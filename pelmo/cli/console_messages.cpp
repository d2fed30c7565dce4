#include "pelmo/cli/console_messages.h"

#include <ostream>

namespace pelmo {

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

shared::MessageAnswer ConsoleMessages::Show(const std::string& text, shared::MessageIcon icon,
                                            const std::string& /*title*/, shared::MessageButtons buttons) {
    if (icon == shared::MessageIcon::Information) {
        out_ << ConsoleText(text) << '\n';
    } else {
        err_ << ConsoleText(text) << '\n';
        ++complaints_;
    }
    switch (buttons) {
    case shared::MessageButtons::YesNo:
    case shared::MessageButtons::YesNoCancel:
        return shared::MessageAnswer::Yes;
    case shared::MessageButtons::Ok:
    case shared::MessageButtons::OkCancel:
        break;
    }
    return shared::MessageAnswer::Ok;
}

}  // namespace pelmo
