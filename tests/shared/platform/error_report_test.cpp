#include "shared/platform/error_report.h"

#include "shared/platform/testing/fake_messages.h"

#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace shared {
namespace {

TEST(ErrorReportTest, ShowsNumberAndDescriptionInBothNumberForms) {
    // clang-format off
    struct Row { RuntimeError error; ErrorNumberForm form; std::string text; };
    const Row rows[] = {
        {RuntimeError(53), ErrorNumberForm::MessageConversion, "Unexpected Error 53\r\nFile not found"},
        {RuntimeError(53), ErrorNumberForm::TrailingBlank, "Unexpected Error 53\r\nFile not found"},
        {RuntimeError(-5, "", "odd"), ErrorNumberForm::MessageConversion, "Unexpected Error-5\r\nodd"},
        {RuntimeError(-5, "", "odd"), ErrorNumberForm::TrailingBlank, "Unexpected Error -5\r\nodd"},
    };
    // clang-format on
    for (const Row& row : rows) {
        FakeMessages messages;
        ErrorReport(messages, "pelmo:Public.Main", row.error, row.form);
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_EQ(messages.Shown()[0].text, row.text);
        EXPECT_EQ(messages.Shown()[0].icon, MessageIcon::Critical);
        EXPECT_EQ(messages.Shown()[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(messages.Shown()[0].title, "pelmo:Public.Main");
    }
}

TEST(ErrorReportTest, OtherFailuresGetTheClassicNumberThatFits) {
    // clang-format off
    struct Row { std::function<void()> fail; std::string text; };
    const Row rows[] = {
        {[] { throw std::bad_alloc(); }, "Unexpected Error 7\r\nOut of memory"},
        {[] { throw std::out_of_range("vector"); }, "Unexpected Error 9\r\nSubscript out of range"},
        {[] { throw std::overflow_error("big"); }, "Unexpected Error 6\r\nOverflow"},
        {[] { throw std::runtime_error("disk on fire"); }, "Unexpected Error 5\r\ndisk on fire"},
        {[] { throw 42; }, "Unexpected Error 5\r\nInvalid procedure call or argument"},
        {[] { throw RuntimeError(75, "x"); }, "Unexpected Error 75\r\nPath/File access error"},
    };
    // clang-format on
    for (const Row& row : rows) {
        FakeMessages messages;
        EXPECT_FALSE(RunReportingErrors(messages, "Pelmo", row.fail));
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_EQ(messages.Shown()[0].text, row.text);
    }
    FakeMessages messages;
    EXPECT_TRUE(RunReportingErrors(messages, "Pelmo", [] {}));
    EXPECT_TRUE(messages.Shown().empty());
}

// The source is a tag of where a failure arose; only a report title chosen by the
// raiser may replace the handler's title, and it survives the way through a handler
// that catches std::exception.
TEST(ErrorReportTest, ReportTitleIsTheRaisersChoiceNeverTheSource) {
    // clang-format off
    struct Row { RuntimeError error; std::string title; };
    const Row rows[] = {
        {RuntimeError(9, "darvo:mdlPublic.ChartTable"), "darvo"},
        {RuntimeError(6, "pelmo.idx", "Overflow").WithReportTitle("darvo:mdlPublic.CalculateDataS"),
         "darvo:mdlPublic.CalculateDataS"},
        {RuntimeError(5).WithReportTitle(""), "darvo"},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(ReportTitleOf(row.error, "darvo"), row.title);
        const RuntimeError passed = AsRuntimeError(row.error);
        EXPECT_EQ(ReportTitleOf(passed, "darvo"), row.title);
        EXPECT_EQ(passed.Source(), row.error.Source());
    }
}

TEST(ErrorReportTest, PrinterErrorHasItsClassicDescription) {
    FakeMessages messages;
    ErrorReport(messages, "pelmo", RuntimeError(error::kPrinterError, "Printer"),
                ErrorNumberForm::TrailingBlank);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "Unexpected Error 482\r\nPrinter error");
}

}  // namespace
}  // namespace shared
