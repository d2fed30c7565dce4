#ifndef DARVO_CLI_CONSOLE_MESSAGES_H
#define DARVO_CLI_CONSOLE_MESSAGES_H

#include "shared/platform/messages.h"

#include <iosfwd>
#include <string>

namespace darvo {

// The message boxes of the shared commands as lines on a console. Confirmations
// (information icon) go to the output stream, every other box (refusals, warnings,
// error reports) to the error stream, so a script keeps data and complaints apart. CR LF
// line breaks become plain line ends; every box is answered with its first button, as a
// user pressing Enter would. Not thread-safe: one per thread.
class ConsoleMessages : public shared::Messages {
public:
    ConsoleMessages(std::ostream& out, std::ostream& err) noexcept : out_(out), err_(err) {}

    shared::MessageAnswer Show(const std::string& text, shared::MessageIcon icon, const std::string& title,
                               shared::MessageButtons buttons = shared::MessageButtons::Ok) override;

private:
    std::ostream& out_;
    std::ostream& err_;
};

// text with every CR LF (and lone CR) turned into LF.
std::string ConsoleText(const std::string& text);

}  // namespace darvo

#endif
