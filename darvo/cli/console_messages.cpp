#include "darvo/cli/console_messages.h"

#include <ostream>

namespace darvo {

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
    (icon == shared::MessageIcon::Information ? out_ : err_) << ConsoleText(text) << '\n';
    return buttons == shared::MessageButtons::YesNo || buttons == shared::MessageButtons::YesNoCancel
               ? shared::MessageAnswer::Yes
               : shared::MessageAnswer::Ok;
}

}  // namespace darvo
