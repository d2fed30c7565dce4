#include "shared/platform/console_messages.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace shared {
namespace {

TEST(ConsoleTextTest, TurnsEveryLineBreakFormIntoOneLineEnd) {
    // clang-format off
    struct Row { std::string text; std::string expected; };
    const Row rows[] = {
        {"", ""},
        {"plain", "plain"},
        {"a\r\nb", "a\nb"},
        {"a\rb", "a\nb"},
        {"a\nb", "a\nb"},
        {"a\r\n\r\nb", "a\n\nb"},
        {"a\r\r\nb", "a\n\nb"},
        {"end\r", "end\n"},
        {"end\r\n", "end\n"},
        {"\n\r", "\n\n"},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(ConsoleText(row.text), row.expected) << row.text;
    }
}

TEST(ConsoleMessagesTest, ConfirmationsGoToOutputAndEverythingElseToErrors) {
    // clang-format off
    struct Row { MessageIcon icon; MessageButtons buttons; bool toOutput; MessageAnswer answer; };
    const Row rows[] = {
        {MessageIcon::Information, MessageButtons::Ok, true, MessageAnswer::Ok},
        {MessageIcon::Information, MessageButtons::YesNo, true, MessageAnswer::Yes},
        {MessageIcon::Exclamation, MessageButtons::Ok, false, MessageAnswer::Ok},
        {MessageIcon::Exclamation, MessageButtons::OkCancel, false, MessageAnswer::Ok},
        {MessageIcon::Critical, MessageButtons::YesNoCancel, false, MessageAnswer::Yes},
        {MessageIcon::Question, MessageButtons::YesNo, false, MessageAnswer::Yes},
        {MessageIcon::None, MessageButtons::Ok, false, MessageAnswer::Ok},
    };
    // clang-format on
    for (const Row& row : rows) {
        std::ostringstream out;
        std::ostringstream err;
        ConsoleMessages messages(out, err);
        EXPECT_EQ(messages.Show("one\r\ntwo", row.icon, "title", row.buttons), row.answer);
        EXPECT_EQ((row.toOutput ? out : err).str(), "one\ntwo\n");
        EXPECT_EQ((row.toOutput ? err : out).str(), "");
        EXPECT_EQ(messages.ComplaintCount(), row.toOutput ? 0 : 1);
    }
}

TEST(ConsoleMessagesTest, CountsEveryComplaintButNoConfirmation) {
    std::ostringstream out;
    std::ostringstream err;
    ConsoleMessages messages(out, err);
    messages.Show("refused", MessageIcon::Exclamation, "");
    messages.Show("saved", MessageIcon::Information, "");
    messages.Show("failed", MessageIcon::Critical, "");
    EXPECT_EQ(messages.ComplaintCount(), 2);
    EXPECT_EQ(out.str(), "saved\n");
    EXPECT_EQ(err.str(), "refused\nfailed\n");
}

}  // namespace
}  // namespace shared
