#include "shared/parts/capacitance_text.h"

#include "support/test_names.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/log10.h"
#include "shared/parts/numeric_list.h"
#include "shared/platform/messages.h"
#include "shared/text/number_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace shared {
namespace {

struct NotationCase {
    char separator;
    const char* picofarads;
    const char* notation;
};

class CapacitanceNotation : public ::testing::TestWithParam<NotationCase> {};

TEST_P(CapacitanceNotation, TextOfAValue) {
    EXPECT_EQ(CapacitanceText(GetParam().picofarads, GetParam().separator), GetParam().notation);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, CapacitanceNotation, ::testing::Values(
    NotationCase{'.', "0.5", "500 f"},
    NotationCase{'.', "1", "1 p"},
    NotationCase{'.', "999", "999 p"},
    NotationCase{'.', "1000", "1 n"},
    NotationCase{'.', "2200000", "2.2 u"},
    NotationCase{'.', "4700000000", "4.7 m"},
    NotationCase{'.', "1000000000000", "1"},
    NotationCase{'.', "0.47", "470 f"},
    NotationCase{'.', "", ""},
    NotationCase{',', "0,5", "500 f"},
    NotationCase{',', "2200000", "2,2 u"},
    NotationCase{',', "4700", "4,7 n"}),
    [](const auto& info) {
        return ::shared::testing::TestName(::shared::testing::NameOfSeparator(info.param.separator),
                                           info.param.picofarads, "pF");
    });
// clang-format on

TEST(CapacitanceNotation, TextThatIsNoNumberIsATypeMismatch) {
    try {
        CapacitanceText("1 n", '.');
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 13);
    }
}

struct ValueCase {
    char separator;
    const char* notation;
    const char* picofarads;
};

class CapacitanceValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(CapacitanceValues, ValueOfAText) {
    EXPECT_EQ(CapacitanceValue(GetParam().notation, GetParam().separator), GetParam().picofarads);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, CapacitanceValues, ::testing::Values(
    ValueCase{'.', "4.7 n", "4700"},
    ValueCase{'.', "10 u", "10000000"},
    ValueCase{'.', "500 f", "0.5"},
    ValueCase{'.', "1 p", "1"},
    ValueCase{'.', "2.2 m", "2200000000"},
    ValueCase{'.', "", ""},
    ValueCase{'.', "abc n", "abc n"},          // no number before the last blank: unchanged
    ValueCase{'.', "4.7 x n", "4.7 x n"},
    ValueCase{'.', "5", "5000000000000"},      // no blank: a plain number without suffix
    ValueCase{'.', "abc", "abc"},
    ValueCase{',', "4,7 n", "4700"},
    ValueCase{',', "470 f", "0,47"}),
    [](const auto& info) {
        return ::shared::testing::TestName(::shared::testing::NameOfSeparator(info.param.separator),
                                           info.param.notation);
    });
// clang-format on

TEST(LastIndexOf, SearchesBackwardsAndReportsTheStartItUsed) {
    struct Row {
        const char* text;
        const char* find;
        int start;
        int position;
        int startAfter;
    };
    // clang-format off
    const Row rows[] = {
        {"4.7 n", " ", 0, 4, 5},
        {"a b c", " ", 0, 4, 5},
        {"a b c", " ", 3, 2, 3},
        {"abcabc", "bc", 0, 5, 6},
        {"abcabc", "bc", 4, 2, 4},
        {"abcabc", "bc", -3, 5, 6},
        {"abc", "c", 10, 3, 10},     // a start beyond the text finds the last match
        {"ABC", "b", 0, 0, 3},       // letter case counts
        {"bcd", "ab", 0, 0, 3},      // a match would begin before the text
        {"abc", "", 0, 0, 0},        // empty texts leave start alone
        {"", "a", -1, 0, -1},
    };
    // clang-format on
    for (const Row& row : rows) {
        int start = row.start;
        EXPECT_EQ(LastIndexOf(row.text, row.find, start), row.position) << row.text << "/" << row.find;
        EXPECT_EQ(start, row.startAfter) << row.text << "/" << row.find;
    }
}

TEST(SortNumericList, OrdersByValue) {
    std::vector<std::string> capacitances = {"10 n", "1 u", "470 p"};
    SortNumericList(capacitances, true, '.');
    EXPECT_EQ(capacitances, (std::vector<std::string>{"470 p", "10 n", "1 u"}));

    // Written back through the notation: 0.47 pF stays "470 f", and 1000 p becomes 1 n.
    std::vector<std::string> rewritten = {"1 p", "1000 p", "470 f", "1 n"};
    SortNumericList(rewritten, true, '.');
    EXPECT_EQ(rewritten, (std::vector<std::string>{"470 f", "1 p", "1 n", "1 n"}));

    std::vector<std::string> voltages = {"10", "6.3", "100", "16", "4.0"};
    SortNumericList(voltages, false, '.');
    EXPECT_EQ(voltages, (std::vector<std::string>{"4", "6.3", "10", "16", "100"}));
}

TEST(SortNumericList, UsesTheGivenSeparator) {
    std::vector<std::string> plain = {"10", "6,3"};
    SortNumericList(plain, false, ',');
    EXPECT_EQ(plain, (std::vector<std::string>{"6,3", "10"}));
    std::vector<std::string> capacitances = {"2,2 u", "4,7 n"};
    SortNumericList(capacitances, true, ',');
    EXPECT_EQ(capacitances, (std::vector<std::string>{"4,7 n", "2,2 u"}));
}

TEST(SortNumericList, LeavesListsItCannotReadAlone) {
    std::vector<std::string> one = {"10 n"};
    SortNumericList(one, true, '.');
    EXPECT_EQ(one, (std::vector<std::string>{"10 n"}));

    std::vector<std::string> firstNotNumeric = {"All", "20", "10"};
    SortNumericList(firstNotNumeric, false, '.');
    EXPECT_EQ(firstNotNumeric, (std::vector<std::string>{"All", "20", "10"}));

    std::vector<std::string> laterNotNumeric = {"20", "x", "10"};
    try {
        SortNumericList(laterNotNumeric, false, '.');
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 13);
    }
    EXPECT_EQ(laterNotNumeric, (std::vector<std::string>{"20", "x", "10"}));
}

class RecordedMessages : public Messages {
public:
    struct Shown {
        std::string text;
        MessageIcon icon;
        std::string title;
        MessageButtons buttons;
    };
    MessageAnswer Show(const std::string& text, MessageIcon icon, const std::string& title,
                       MessageButtons buttons) override {
        shown.push_back({text, icon, title, buttons});
        return MessageAnswer::Ok;
    }
    std::vector<Shown> shown;
};

TEST(Log10, ValuesAndTheMessageWhereThereIsNone) {
    RecordedMessages messages;
    EXPECT_DOUBLE_EQ(Log10(100.0, &messages, "Pelmo"), 2.0);
    EXPECT_NEAR(Log10(35.0, &messages, "Pelmo"), 1.544068, 1e-6);
    EXPECT_NEAR(Log10(1e-12, &messages, "Pelmo"), -12.0, 1e-12);
    EXPECT_TRUE(messages.shown.empty());

    const double failing[] = {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity()};
    for (const double x : failing) {
        EXPECT_EQ(Log10(x, &messages, "darvo"), 0.0);
    }
    ASSERT_EQ(messages.shown.size(), 4u);
    EXPECT_EQ(messages.shown[0].text, "Error at Log10");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(messages.shown[0].title, "darvo");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);

    EXPECT_EQ(Log10(0.0, nullptr, "Pelmo"), 0.0);
}

}  // namespace
}  // namespace shared
