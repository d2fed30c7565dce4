#include "support/test_names.h"

#include "shared/errors/runtime_error.h"
#include "shared/text/number_text.h"
#include "shared/text/separator_swap.h"

#include <cctype>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

namespace shared {
namespace {

using text_tests::SwapSeparators;

struct FormatRow {
    double value;
    const char* pattern;
    const char* expected;  // as written under "."; the "," form swaps the separators
};

void PrintTo(const FormatRow& row, std::ostream* os) {
    *os << "Format(" << row.value << ", \"" << row.pattern << "\")";
}

// The value and the pattern, the pattern spelled out: "#" is "H", "." and "," are "p"
// and "c", "+" and "-" are "Plus" and "Minus"; "1234_0p00", "1000_HEPlusH".
std::string FormatRowName(const ::testing::TestParamInfo<FormatRow>& info) {
    std::string pattern;
    for (const char c : std::string(info.param.pattern)) {
        switch (c) {
            case '#':
                pattern += 'H';
                break;
            case '.':
                pattern += 'p';
                break;
            case ',':
                pattern += 'c';
                break;
            case '+':
                pattern += "Plus";
                break;
            case '-':
                pattern += "Minus";
                break;
            case '%':
                pattern += "Percent";
                break;
            default:
                pattern += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
        }
    }
    return testing::TestName(info.param.value, pattern);
}

class FormatTest : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatTest, WithDotSeparator) {
    const FormatRow& row = GetParam();
    EXPECT_EQ(Format(row.value, row.pattern, '.'), row.expected);
}

TEST_P(FormatTest, WithCommaSeparator) {
    const FormatRow& row = GetParam();
    EXPECT_EQ(Format(row.value, row.pattern, ','), SwapSeparators(row.expected));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FixedDecimals, FormatTest, ::testing::Values(
    FormatRow{2.675, "0.00", "2.68"},        // stored just below 2.675: decimal rounding
    FormatRow{0.125, "0.00", "0.13"},
    FormatRow{-0.125, "0.00", "-0.13"},
    FormatRow{-0.001, "0.00", "0.00"},       // rounds to zeros: no minus sign
    FormatRow{-0.005, "0.00", "-0.01"},
    FormatRow{0.0049999, "0.00", "0.00"},
    FormatRow{0, "0.00", "0.00"},
    FormatRow{1234.5, "0.00", "1234.50"},
    FormatRow{1.0005, "0.000", "1.001"},
    FormatRow{-2, "0.000", "-2.000"},
    FormatRow{0.00005, "0.0000", "0.0001"},
    FormatRow{1.23456789, "0.0000", "1.2346"},
    FormatRow{0.5, "#####0.00", "0.50"},
    FormatRow{1234567.891, "#####0.00", "1234567.89"},  // more digits than placeholders
    FormatRow{-12.345, "#####0.00", "-12.35"},
    FormatRow{1.0625, "#####0.000", "1.063"},
    FormatRow{100, "#####0.000", "100.000"},
    FormatRow{0.12345, "##0.0000", "0.1235"},
    FormatRow{123456.7, "##0.0000", "123456.7000"},
    FormatRow{0.05, "###0.0", "0.1"},
    FormatRow{99.95, "###0.0", "100.0"},
    FormatRow{-0.04, "###0.0", "0.0"},
    FormatRow{99.995, "##0.00", "100.00"},
    FormatRow{-0.5, "##0.00", "-0.50"},
    FormatRow{0.0005, "#0.000", "0.001"},
    FormatRow{12.3456, "###0.000", "12.346"},
    FormatRow{123.456, "000000000000.00", "000000000123.46"},
    FormatRow{1e13, "000000000000.00", "10000000000000.00"},
    FormatRow{7, "00", "07"},
    FormatRow{123, "00", "123"}),
    FormatRowName);

INSTANTIATE_TEST_SUITE_P(Integers, FormatTest, ::testing::Values(
    FormatRow{2.5, "####0", "3"},            // half away from zero, unlike RoundHalfEven
    FormatRow{-2.5, "####0", "-3"},
    FormatRow{0.4, "####0", "0"},
    FormatRow{12345678, "####0", "12345678"},
    FormatRow{1e6, "###0", "1000000"},
    FormatRow{0.5, "###0", "1"},
    FormatRow{0.5, "#####0", "1"},
    FormatRow{1234567, "#####0", "1234567"},
    FormatRow{1234567890123.0, "##########", "1234567890123"},
    FormatRow{1e9 + 0.5, "##########", "1000000001"},
    FormatRow{0, "##########", ""},
    FormatRow{0.4, "##########", ""}),
    FormatRowName);

INSTANTIATE_TEST_SUITE_P(OptionalDecimals, FormatTest, ::testing::Values(
    FormatRow{0.5, "##.###", ".5"},          // no digit before the separator
    FormatRow{12, "##.###", "12."},          // separator kept with no digit after it
    FormatRow{12.3456, "##.###", "12.346"},
    FormatRow{0, "##.###", "."},
    FormatRow{2, "0.###", "2."},
    FormatRow{0, "0.###", "0."},
    FormatRow{1.23456, "0.###", "1.235"},
    FormatRow{0.1, "0.###", "0.1"},
    FormatRow{1.0004, "0.###", "1."},
    FormatRow{3.14159265, "0.#####", "3.14159"},
    FormatRow{0.00001, "0.#####", "0.00001"},
    FormatRow{0.000001, "0.#####", "0."},
    FormatRow{12.5, ".00", "12.50"}),
    FormatRowName);

INSTANTIATE_TEST_SUITE_P(Grouping, FormatTest, ::testing::Values(
    FormatRow{0, "#,###", ""},
    FormatRow{12, "#,###", "12"},
    FormatRow{1000, "#,###", "1,000"},
    FormatRow{100000, "#,###", "100,000"},
    FormatRow{1234567, "#,###", "1,234,567"},
    FormatRow{999.5, "#,###", "1,000"},      // the carry of the rounding is grouped too
    FormatRow{-1234, "#,###", "-1,234"},
    FormatRow{1234.5, "#,##0.00", "1,234.50"},
    FormatRow{1234567, "#,##0,", "1,235"}),  // a trailing comma divides by 1000
    FormatRowName);

INSTANTIATE_TEST_SUITE_P(Exponent, FormatTest, ::testing::Values(
    FormatRow{1000, "#E+#", "1E+3"},
    FormatRow{100000, "#E+#", "1E+5"},
    FormatRow{0.01, "#E+#", "1E-2"},
    FormatRow{95, "#E+#", "1E+2"},           // 9.5 rounds to 10: one more in the exponent
    FormatRow{5, "#E+#", "5E+0"},
    FormatRow{100000, "0E+#0", "1E+5"},
    FormatRow{12345, "0E+#0", "1E+4"},
    FormatRow{0.00012, "0E+#0", "1E-4"},
    FormatRow{1e12, "0E+#0", "1E+12"},
    FormatRow{0, "0E+#0", "0E+0"},
    FormatRow{12.5, "0.000E+#0", "1.250E+1"},
    FormatRow{-12.5, "0.000E+#0", "-1.250E+1"},
    FormatRow{0.5, "0.000E+#0", "5.000E-1"},
    FormatRow{0, "0.000E+#0", "0.000E+0"},
    FormatRow{-123456, "0.000E+#0", "-1.235E+5"},
    FormatRow{9.9996, "0.000E+#0", "1.000E+1"},
    FormatRow{1.00049999, "0.000E+#0", "1.000E+0"},
    FormatRow{-0.0125, "0.00E+00", "-1.25E-02"},
    FormatRow{12.5, "0.00E+00", "1.25E+01"},
    FormatRow{0.005, "0.00E+00", "5.00E-03"},
    FormatRow{100, "0.00E+00", "1.00E+02"},
    FormatRow{1e-100, "0.00E+00", "1.00E-100"},
    FormatRow{6.02e23, "0.00E+00", "6.02E+23"},
    FormatRow{125, "#.00E+##", "1.25E+2"},
    FormatRow{10000, "#.00E+##", "1.00E+4"},
    FormatRow{12000000, "#.00E+##", "1.20E+7"},
    FormatRow{0.5, "#.00E+##", "5.00E-1"},
    FormatRow{1.125, "#.00E+##", "1.13E+0"},  // an exponent shows at least one digit
    FormatRow{0.00125, "0.00E-00", "1.25E-03"},
    FormatRow{125, "0.00E-00", "1.25E02"}),   // "E-": sign only when negative
    FormatRowName);

INSTANTIATE_TEST_SUITE_P(Literals, FormatTest, ::testing::Values(
    FormatRow{-5, "0.0 MHz", "-5.0 MHz"},    // the minus sign leads the whole text
    FormatRow{5, "\"x\"0\\y", "x5y"},
    FormatRow{0.5, "0%", "50%"},
    FormatRow{1234567, "(###) ###-####", "() 123-4567"}),
    FormatRowName);
// clang-format on

TEST(FormatSingle, UsesTheSevenDigitsTheFloatDisplaysAs) {
    struct Row {
        float value;
        const char* pattern;
        const char* expected;
    };
    // clang-format off
    const Row rows[] = {
        {0.1f,        "0.0000000000", "0.1000000000"},  // not 0.1000000015
        {2.675f,      "0.00",         "2.68"},
        {1.005f,      "0.00",         "1.01"},          // 1.00499999523 as a float
        {-0.125f,     "0.00",         "-0.13"},
        {1234567.0f,  "#,###",        "1,234,567"},
        {12345678.0f, "##########",   "12345680"},      // the eighth digit is not shown
        {0.3f,        "0.###",        "0.3"},
        {12.5f,       "0.00E+00",     "1.25E+01"},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(FormatSingle(row.value, row.pattern, '.'), row.expected) << row.value << " " << row.pattern;
        EXPECT_EQ(FormatSingle(row.value, row.pattern, ','), SwapSeparators(row.expected))
            << row.value << " " << row.pattern;
    }
}

TEST(Format, EmptyPatternGivesTheGeneralText) {
    EXPECT_EQ(Format(2.5, "", ','), "2,5");
    EXPECT_EQ(FormatSingle(0.1f, "", '.'), "0.1");
}

TEST(Format, LiteralDotAfterTheSeparatorStaysADot) {
    EXPECT_EQ(Format(1.5, "0.0.", ','), "1,5.");
}

TEST(Format, NonFiniteValuesRaiseOverflow) {
    const double values[] = {std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()};
    for (const double value : values) {
        try {
            Format(value, "0.00", '.');
            ADD_FAILURE() << "no error for " << value;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), error::kOverflow);
            EXPECT_EQ(e.Description(), "Overflow");
        }
        EXPECT_THROW(FormatSingle(static_cast<float>(value), "0.000E+#0", '.'), RuntimeError);
        EXPECT_THROW(Format(value, "", '.'), RuntimeError);
    }
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    struct Row {
        double value;
        double expected;
    };
    // clang-format off
    const Row rows[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2},
        {2.4999999, 2}, {2.5000001, 3}, {-0.4, 0}, {7, 7}, {-7, -7},
        {4503599627370497.0, 4503599627370497.0},  // beyond 2^52 every double is whole
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(RoundHalfEven(row.value), row.expected) << row.value;
    }
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::numeric_limits<double>::quiet_NaN())));
}

TEST(RoundHalfAwayFromZero, RoundsTheDecimalDigits) {
    struct Row {
        double value;
        int decimals;
        double expected;
    };
    // clang-format off
    const Row rows[] = {
        {2.675, 2, 2.68}, {-2.675, 2, -2.68}, {0.125, 2, 0.13}, {2.5, 0, 3}, {-2.5, 0, -3},
        {1.005, 2, 1.01}, {0.0004, 3, 0}, {1250, -2, 1300}, {99.995, 2, 100}, {7, 3, 7},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(RoundHalfAwayFromZero(row.value, row.decimals), row.expected)
            << row.value << " to " << row.decimals;
    }
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(RoundHalfAwayFromZero(largest, 0), largest);
}

}  // namespace
}  // namespace shared
