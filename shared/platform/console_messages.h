#ifndef SHARED_PLATFORM_CONSOLE_MESSAGES_H
#define SHARED_PLATFORM_CONSOLE_MESSAGES_H

#include "shared/platform/messages.h"

#include <iosfwd>
#include <string>

namespace shared {

// The message boxes of the shared commands as lines on a console. Confirmations
// (information icon) go to the output stream, every other box (refusals, warnings,
// error reports) to the error stream, so a script can keep data and complaints apart.
// The boxes' CR LF line breaks become plain line ends. Every box is answered with its
// first button, as a user pressing Enter would. Not thread-safe: one per thread.
class ConsoleMessages : public Messages {
public:
    ConsoleMessages(std::ostream& out, std::ostream& err) noexcept : out_(out), err_(err) {}

    MessageAnswer Show(const std::string& text, MessageIcon icon, const std::string& title,
                       MessageButtons buttons = MessageButtons::Ok) override;

    // How many boxes went to the error stream.
    int ComplaintCount() const noexcept { return complaints_; }

private:
    std::ostream& out_;
    std::ostream& err_;
    int complaints_ = 0;
};

// text with every CR LF (and lone CR) turned into LF.
std::string ConsoleText(const std::string& text);

}  // namespace shared

#endif
