#include "shared/errors/runtime_error.h"
#include "shared/text/number_text.h"
#include "shared/text/separator_swap.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace shared {
namespace {

using text_tests::SwapSeparators;

struct GeneralRow {
    double value;
    const char* expected;  // under "."
};

TEST(GeneralNumberText, FifteenSignificantDigits) {
    // clang-format off
    const GeneralRow rows[] = {
        {0, "0"},
        {-0.0, "0"},
        {53, "53"},
        {0.75, "0.75"},
        {-0.5, "-0.5"},
        {2.5e-3, "0.0025"},
        {0.1 + 0.2, "0.3"},                       // 0.30000000000000004 at 15 digits
        {1.0 / 3.0, "0.333333333333333"},
        {-2.0 / 3.0, "-0.666666666666667"},
        {1200, "1200"},
        // Switch point at the top: 15 integer digits plain, 16 in exponent form.
        {999999999999999.0, "999999999999999"},
        {1e15, "1E+15"},
        {-1e15, "-1E+15"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {9999999999999999.0, "1E+16"},            // rounds up into the next decade
        // Switch point below 1: leading zeros plus digits after the separator <= 15.
        {1e-14, "0.00000000000001"},             // 13 zeros + 1 digit
        {1e-15, "0.000000000000001"},            // 14 zeros + 1 digit
        {1e-16, "1E-16"},
        {1.5e-14, "0.000000000000015"},          // 13 + 2
        {1.5e-15, "1.5E-15"},                    // 14 + 2
        {1.5e-7, "0.00000015"},
        {1.23456789012345e-5, "1.23456789012345E-05"},
        {1e-100, "1E-100"},
        {1.7976931348623157e308, "1.79769313486232E+308"},
        {4.9406564584124654e-324, "4.94065645841247E-324"},
    };
    // clang-format on
    for (const GeneralRow& row : rows) {
        EXPECT_EQ(GeneralNumberText(row.value, '.'), row.expected) << row.expected;
        EXPECT_EQ(GeneralNumberText(row.value, ','), SwapSeparators(row.expected)) << row.expected;
    }
}

TEST(GeneralNumberTextSingle, SevenSignificantDigits) {
    struct Row {
        float value;
        const char* expected;
    };
    // clang-format off
    const Row rows[] = {
        {0.0f, "0"},
        {-0.0f, "0"},
        {0.1f, "0.1"},                 // not 0.100000001
        {0.3f, "0.3"},
        {-2.5f, "-2.5"},
        {1.0f / 3.0f, "0.3333333"},
        {20e9f, "2E+10"},
        {1234567.0f, "1234567"},       // 7 integer digits: still plain
        {9999999.0f, "9999999"},
        {12345678.0f, "1.234568E+07"},
        {10000000.0f, "1E+07"},
        {1.5e-7f, "1.5E-07"},          // 6 zeros + 2 digits > 7
        {1.5e-6f, "0.0000015"},        // 5 + 2
        {1e-6f, "0.000001"},           // 5 + 1
        {1e-7f, "0.0000001"},          // 6 + 1
        {1e-8f, "1E-08"},
        {1.234567e-3f, "1.234567E-03"},
        {1.23456e-2f, "0.0123456"},
        {3.4028235e38f, "3.402823E+38"},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(GeneralNumberTextSingle(row.value, '.'), row.expected) << row.expected;
        EXPECT_EQ(GeneralNumberTextSingle(row.value, ','), SwapSeparators(row.expected)) << row.expected;
    }
}

TEST(GeneralNumberText, FollowsTheGivenSeparator) {
    EXPECT_EQ(GeneralNumberText(-1.25, ','), "-1,25");
    EXPECT_EQ(GeneralNumberTextSingle(1.5e-7f, ','), "1,5E-07");
}

TEST(MessageAndPrintedText, BlankBeforeNonNegativeNumbers) {
    struct Row {
        double value;
        const char* message;
        const char* printed;
    };
    // clang-format off
    const Row rows[] = {
        {53, " 53", " 53 "},
        {-2.5, "-2.5", "-2.5 "},
        {0, " 0", " 0 "},
        {-0.0, " 0", " 0 "},
        {0.75, " 0.75", " 0.75 "},
        {1e20, " 1E+20", " 1E+20 "},
        {-1e-20, "-1E-20", "-1E-20 "},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(MessageNumberText(row.value, '.'), row.message);
        EXPECT_EQ(PrintedNumberText(row.value, '.'), row.printed);
        EXPECT_EQ(MessageNumberTextSingle(static_cast<float>(row.value), '.'), row.message);
        EXPECT_EQ(PrintedNumberTextSingle(static_cast<float>(row.value), '.'), row.printed);
    }
    EXPECT_EQ(MessageNumberText(0.5, ','), " 0,5");
    EXPECT_EQ(PrintedNumberTextSingle(-0.5f, ','), "-0,5 ");
}

TEST(GeneralNumberText, NonFiniteValuesRaiseOverflow) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const double value : {inf, -inf, nan}) {
        try {
            GeneralNumberText(value, '.');
            ADD_FAILURE() << "no error for " << value;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), error::kOverflow);
        }
        EXPECT_THROW(GeneralNumberTextSingle(static_cast<float>(value), '.'), RuntimeError);
        EXPECT_THROW(MessageNumberText(value, '.'), RuntimeError);
        EXPECT_THROW(PrintedNumberTextSingle(static_cast<float>(value), ','), RuntimeError);
    }
    // A double too large for a float becomes an infinite float: also refused.
    volatile double tooLarge = 1e39;
    EXPECT_THROW(GeneralNumberTextSingle(static_cast<float>(tooLarge), '.'), RuntimeError);
}

}  // namespace
}  // namespace shared
