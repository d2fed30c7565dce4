#include "pelmo/selection/frequency_scroll.h"

#include "support/test_names.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace pelmo {
namespace {

struct ScrollRow {
    int rangeClass;
    float upperFrequency;
    int position;
    char separator;
    std::string text;
};

class ScrollTextTest : public ::testing::TestWithParam<ScrollRow> {};

TEST_P(ScrollTextTest, WritesTheClassFormat) {
    const ScrollRow& row = GetParam();
    const PartFrequencyRange range = *FrequencyRangeOf(row.rangeClass, row.upperFrequency, row.separator);
    EXPECT_EQ(ScrollFrequencyText(range, row.position, row.separator), row.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Classes, ScrollTextTest, ::testing::Values(
    // The ends of the bar are the limits themselves.
    ScrollRow{5, 1.5e9F, 0, '.', "0.030"},
    ScrollRow{5, 1.5e9F, 200, '.', "1500.000"},
    // A single-precision 8.5 GHz limit (8499.999744 MHz) would round above itself and
    // be refused by the frequency check; the end of the bar shows the limit's text.
    ScrollRow{4, 8.5e9F, 200, '.', "8499.999744"},
    ScrollRow{3, 8.5e9F, 200, ',', "8499,999744"},
    ScrollRow{5, 8.5e9F, 199, '.', "7982.840"},
    // Halfway is the geometric mean: sqrt(0.03 x 1500) = 6.708...
    ScrollRow{5, 1.5e9F, 100, '.', "6.708"},
    ScrollRow{5, 1.5e9F, 100, ',', "6,708"},
    ScrollRow{1, 6e9F, 0, '.', "10.0"},
    ScrollRow{1, 6e9F, 200, '.', "6000.0"},
    ScrollRow{2, 20e9F, 100, '.', "1414.2"},
    ScrollRow{3, 6e9F, 100, '.', "42.4"},
    // Class 4 drops the decimal once U^(p/200) reaches 10: 3000^(57/200) = 9.79,
    // 3000^(58/200) = 10.19.
    ScrollRow{4, 3e9F, 57, '.', "4.1"},
    ScrollRow{4, 3e9F, 58, '.', "4"},
    ScrollRow{4, 3e9F, 200, '.', "3000"}),
    [](const auto& info) {
        const ScrollRow& row = info.param;
        return ::shared::testing::TestName("Class" + std::to_string(row.rangeClass),
                                           ::shared::testing::NamePart(row.upperFrequency / 1e9) + "GHz",
                                           "Position" + std::to_string(row.position),
                                           ::shared::testing::NameOfSeparator(row.separator));
    });
// clang-format on

TEST(ScrollPositionTest, FollowsATypedFrequencyAndStaysOnTheBar) {
    const PartFrequencyRange range = *FrequencyRangeOf(5, 1.5e9F, '.');
    EXPECT_EQ(ScrollPosition(range, 0.03), 0);
    EXPECT_EQ(ScrollPosition(range, 1500.0), 200);
    EXPECT_EQ(ScrollPosition(range, ScrollFrequency(range, 137)), 137);
    EXPECT_EQ(ScrollPosition(range, 0.001), 0);
    EXPECT_EQ(ScrollPosition(range, 1e6), 200);
}

TEST(ScrollPositionTest, RoundsHalvesToEven) {
    // Built from the mapping itself: halfway between 100 and 101 rounds to 100, between
    // 101 and 102 to 102.
    const PartFrequencyRange range = *FrequencyRangeOf(1, 10e9F, '.');
    const double between100And101 = range.Lower * std::pow(range.Upper / range.Lower, 100.5 / 200.0);
    const double between101And102 = range.Lower * std::pow(range.Upper / range.Lower, 101.5 / 200.0);
    EXPECT_EQ(ScrollPosition(range, between100And101), 100);
    EXPECT_EQ(ScrollPosition(range, between101And102), 102);
}

}  // namespace
}  // namespace pelmo
