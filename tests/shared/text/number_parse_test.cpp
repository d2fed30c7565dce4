#include "support/test_names.h"

#include "shared/text/number_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace shared {
namespace {

struct ParseRow {
    const char* text;
    char separator;
    std::optional<double> expected;  // nothing: refused
};

void PrintTo(const ParseRow& row, std::ostream* os) {
    *os << "\"" << row.text << "\" with '" << row.separator << "'";
}

class ParseNumberTest : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseNumberTest, AcceptsOrRefuses) {
    const ParseRow& row = GetParam();
    EXPECT_EQ(ParseNumber(row.text, row.separator), row.expected);
    EXPECT_EQ(IsNumeric(row.text, row.separator), row.expected.has_value());
    const std::optional<float> single = ParseSingle(row.text, row.separator);
    ASSERT_EQ(single.has_value(), row.expected.has_value());
    if (single) {
        EXPECT_EQ(*single, static_cast<float>(*row.expected));
    }
}

constexpr std::nullopt_t kRefused = std::nullopt;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Accepted, ParseNumberTest, ::testing::Values(
    ParseRow{" 1,5 ", ',', 1.5},
    ParseRow{"1.5", '.', 1.5},
    ParseRow{"\t-1,25\t", ',', -1.25},
    ParseRow{"1e3", '.', 1000.0},
    ParseRow{"1E3", ',', 1000.0},
    ParseRow{"-2.5E-3", '.', -0.0025},
    ParseRow{"-2,5e-3", ',', -0.0025},
    ParseRow{"1,5e+2", ',', 150.0},
    ParseRow{"+3", '.', 3.0},
    ParseRow{".5", '.', 0.5},
    ParseRow{",5", ',', 0.5},
    ParseRow{"5.", '.', 5.0},
    ParseRow{"007", '.', 7.0},
    ParseRow{"-0", '.', 0.0},
    ParseRow{"1,000", ',', 1.0},              // under "," this is one with three decimals
    ParseRow{"1e-400", '.', 0.0}),           // below the smallest double: zero
    [](const auto& info) {
        return ::shared::testing::TestName(::shared::testing::NameOfSeparator(info.param.separator),
                                           ::shared::testing::SpelledText(info.param.text));
    });

INSTANTIATE_TEST_SUITE_P(Refused, ParseNumberTest, ::testing::Values(
    ParseRow{"", '.', kRefused},
    ParseRow{" ", '.', kRefused},
    ParseRow{"abc", '.', kRefused},
    ParseRow{"1.5", ',', kRefused},           // the other locale's separator
    ParseRow{"1,5", '.', kRefused},
    ParseRow{"1,000", '.', kRefused},         // group separators are not numbers
    ParseRow{"1.000,5", ',', kRefused},
    ParseRow{"1 000", '.', kRefused},
    ParseRow{".", '.', kRefused},
    ParseRow{"-", '.', kRefused},
    ParseRow{"+-3", '.', kRefused},
    ParseRow{"1e", '.', kRefused},
    ParseRow{"1e+", '.', kRefused},
    ParseRow{"e3", '.', kRefused},
    ParseRow{"1.5.2", '.', kRefused},
    ParseRow{"12abc", '.', kRefused},
    ParseRow{"0x10", '.', kRefused},
    ParseRow{"inf", '.', kRefused},
    ParseRow{"nan", '.', kRefused},
    ParseRow{"1e400", '.', kRefused},         // too large for a double
    ParseRow{"- 5", '.', kRefused}),
    [](const auto& info) {
        return ::shared::testing::TestName(::shared::testing::NameOfSeparator(info.param.separator),
                                           ::shared::testing::SpelledText(info.param.text));
    });
// clang-format on

TEST(ParseSingle, GivesTheNearestFloatOfTheDecimalText) {
    // Limits typed as text must compare equal to the same decimal constant in single
    // precision, and a double-then-float conversion can miss by one unit.
    EXPECT_EQ(ParseSingle("0.3", '.'), 0.3f);
    EXPECT_EQ(ParseSingle("0,03", ','), 0.03f);
    EXPECT_EQ(ParseSingle("20e9", '.'), 20e9f);
    EXPECT_EQ(ParseSingle("6.3", '.'), 6.3f);
    // 1.00000005960464477539062500000001 lies just above the halfway point between
    // 1 and the next float; through a double it would round to the halfway point and
    // then to even, i.e. down to 1.
    EXPECT_EQ(ParseSingle("1.00000005960464477539062500000001", '.'), std::nextafter(1.0f, 2.0f));
    EXPECT_EQ(ParseSingle("1e39", '.'), std::nullopt);  // beyond the float range
    EXPECT_EQ(ParseSingle("3.4e38", '.'), 3.4e38f);
}

TEST(ParseFileNumber, AlwaysReadsDot) {
    EXPECT_EQ(ParseFileNumber("2.2"), 2.2);
    EXPECT_EQ(ParseFileNumber("2,2"), std::nullopt);
    EXPECT_EQ(ParseFileSingle(" 0.47 "), 0.47f);
    EXPECT_EQ(ParseFileSingle("0,47"), std::nullopt);
    EXPECT_EQ(ParseFileNumber(""), std::nullopt);
}

TEST(ParseNumber, ReadsBackEveryGeneralText) {
    // Whatever a readout shows, typing it back gives the same number at the shown
    // precision: values round-trip through 15 significant digits in both locales.
    double value = 1.234567890123e-30;
    for (int i = 0; i < 120; ++i, value *= -7.3) {
        for (const char separator : {'.', ','}) {
            const std::string text = GeneralNumberText(value, separator);
            const std::optional<double> back = ParseNumber(text, separator);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_NEAR(*back, value, std::fabs(value) * 1e-14) << text;
            EXPECT_EQ(GeneralNumberText(*back, separator), text);
        }
    }
}

TEST(ParseSingle, ReadsBackEveryGeneralTextExactly) {
    // Seven significant digits identify a float only when the float came from seven
    // digits; these do, so the round trip is exact.
    const float values[] = {0.1f, 0.3f, 1.5e-7f, 1234567.0f, 20e9f, -6.3f, 0.0123456f, 3e-30f};
    for (const float value : values) {
        for (const char separator : {'.', ','}) {
            const std::string text = GeneralNumberTextSingle(value, separator);
            EXPECT_EQ(ParseSingle(text, separator), value) << text;
        }
    }
}

}  // namespace
}  // namespace shared
