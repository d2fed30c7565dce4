#include "pelmo/selection/operating_conditions.h"

#include "pelmo/library/records.h"
#include "support/test_names.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace pelmo {
namespace {

struct RangeRow {
    int rangeClass;
    float upperFrequency;
    char separator;
    std::string lower;
    std::string upper;
};

class FrequencyRangeTest : public ::testing::TestWithParam<RangeRow> {};

TEST_P(FrequencyRangeTest, ShowsTheClassLimits) {
    const RangeRow& row = GetParam();
    const std::optional<PartFrequencyRange> range =
        FrequencyRangeOf(row.rangeClass, row.upperFrequency, row.separator);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->LowerText, row.lower);
    EXPECT_EQ(range->UpperText, row.upper);
    EXPECT_EQ(DefaultFrequencyText(*range), row.lower);
    EXPECT_EQ(FrequencyRangeText(*range), row.lower + " - " + row.upper + " [MHz]");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Classes, FrequencyRangeTest, ::testing::Values(
    RangeRow{1, 6e9F, '.', "10", "6000"},
    // Class 1 rounds U to a whole number, halves to even.
    RangeRow{1, 24.5e6F, '.', "10", "24"},
    RangeRow{1, 25.5e6F, '.', "10", "26"},
    RangeRow{2, 20e9F, '.', "100", "20000"},
    RangeRow{3, 6e9F, '.', "0.3", "6000"},
    RangeRow{4, 3e9F, '.', "0.3", "3000"},
    RangeRow{5, 1.5e9F, '.', "0.03", "1500"},
    RangeRow{6, 6e9F, ',', "0,3", "6000"},
    // The other classes show U as the double value of the stored single.
    RangeRow{3, 8.5e9F, ',', "0,3", "8499,999744"}),
    [](const auto& info) {
        const RangeRow& row = info.param;
        return ::shared::testing::TestName("Class" + std::to_string(row.rangeClass),
                                           ::shared::testing::NamePart(row.upperFrequency / 1e9) + "GHz",
                                           ::shared::testing::NameOfSeparator(row.separator));
    });
// clang-format on

TEST(FrequencyRangeTest, NoRangeOutsideTheClasses) {
    EXPECT_FALSE(FrequencyRangeOf(0, 6e9F, '.'));
    EXPECT_FALSE(FrequencyRangeOf(7, 6e9F, '.'));
}

struct FrequencyRow {
    int rangeClass;
    std::string typed;
    char separator;
    std::optional<std::string> message;  // nothing: accepted
};

class FrequencyCheckTest : public ::testing::TestWithParam<FrequencyRow> {};

TEST_P(FrequencyCheckTest, AnswersTheWindowsMessage) {
    const FrequencyRow& row = GetParam();
    const PartFrequencyRange range = *FrequencyRangeOf(row.rangeClass, 1.5e9F, row.separator);
    double frequency = -1.0;
    EXPECT_EQ(FrequencyCheckMessage(row.typed, range, row.separator, &frequency), row.message);
    if (!row.message) {
        EXPECT_GT(frequency, 0.0);
    }
}

const std::string kClass5Range = "\nPlease enter a Number from 0.03 - 1500 [MHz]";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, FrequencyCheckTest, ::testing::Values(
    FrequencyRow{5, "", '.', "Operating Freqency if not selected!" + kClass5Range},
    FrequencyRow{5, "abc", '.', "Operating Frequency is invalid!" + kClass5Range},
    FrequencyRow{5, "1,5", '.', "Operating Frequency is invalid!" + kClass5Range},
    FrequencyRow{5, "0.029", '.', "Operating Frequency is out of Range!" + kClass5Range},
    FrequencyRow{5, "1500.001", '.', "Operating Frequency is out of Range!" + kClass5Range},
    // Both limits typed exactly are inside the range.
    FrequencyRow{5, "0.03", '.', std::nullopt},
    FrequencyRow{5, "1500", '.', std::nullopt},
    FrequencyRow{3, "0.3", '.', std::nullopt},
    FrequencyRow{3, "0,3", ',', std::nullopt},
    FrequencyRow{3, "0.29999", '.', "Operating Frequency is out of Range!\nPlease enter a Number from 0.3 - 1500 [MHz]"},
    FrequencyRow{1, "9.99", '.', "Operating Frequency is out of Range!\nPlease enter a Number from 10 - 1500 [MHz]"},
    FrequencyRow{1, " 10 ", '.', std::nullopt}),
    [](const auto& info) {
        const FrequencyRow& row = info.param;
        return ::shared::testing::TestName("Class" + std::to_string(row.rangeClass),
                                           ::shared::testing::SpelledText(row.typed),
                                           ::shared::testing::NameOfSeparator(row.separator));
    });
// clang-format on

// One capacitor under test in a library of its own, found by its part number.
class ConditionCheckTest : public ::testing::Test {
protected:
    ConditionCheckTest() {
        CapacitorRecord record;
        record.PartNumber = {kPart, kPart};
        record.TempChar = {"X7R", "B"};
        record.RatedVoltage = "6.3";
        record.ModelType = 2;
        library_.CapacitorTable.push_back(record);
        library_.PartIndex.Rebuild(1, [&](std::size_t u, shared::CodeSystem code) {
            return library_.CapacitorTable[u].PartNumber[code];
        });
    }

    CapacitorRecord& Record() { return library_.CapacitorTable.front(); }

    std::optional<std::string> Check(const std::string& temperature, const std::string& bias,
                                     shared::CodeSystem code = shared::Eia) {
        return OperatingConditionMessage(library_, Record(), kPart, code, temperature, bias, '.');
    }

    static constexpr const char* kPart = "KTA155R70J104KA88";
    Library library_;
};

TEST_F(ConditionCheckTest, RefusesWithTheWindowsMessages) {
    const std::string biasRange = "DC Bias Voltage is out of range!\nPlease enter a Number from 0 to 6.3 [V]";
    EXPECT_EQ(Check("", "0"), "Operation Temp is invalid!");
    EXPECT_EQ(Check("abc", "0"), "Operation Temp is invalid!");
    EXPECT_EQ(Check("150", "0"),
              "Operation Temp is out of range!\nPlease enter a Number from -55 to 125 [C]");
    EXPECT_EQ(Check("-55.01", "0"),
              "Operation Temp is out of range!\nPlease enter a Number from -55 to 125 [C]");
    EXPECT_EQ(Check("25", ""), "DC Bias Voltage is invalid!");
    EXPECT_EQ(Check("25", "x"), "DC Bias Voltage is invalid!");
    EXPECT_EQ(Check("25", "-1"), biasRange);
    EXPECT_EQ(Check("25", "6.31"), biasRange);
    EXPECT_EQ(Check("25", "10"), biasRange);
    // In JIS notation the part's JIS characteristic decides the range.
    EXPECT_EQ(Check("100", "0", shared::Jis),
              "Operation Temp is out of range!\nPlease enter a Number from -25 to 85 [C]");
}

TEST_F(ConditionCheckTest, AcceptsTheLimitsThemselves) {
    EXPECT_EQ(Check("-55", "0"), std::nullopt);
    EXPECT_EQ(Check("125", "6.3"), std::nullopt);
    EXPECT_EQ(Check("25", "0"), std::nullopt);
}

TEST_F(ConditionCheckTest, ACharacteristicWithoutRangeRefusesThePart) {
    Record().TempChar = {"C0G", "CG"};
    EXPECT_EQ(Check("25", "0"), "Error at GetTempRange");
}

TEST_F(ConditionCheckTest, APartWithoutModelPassesWhateverTheFieldsHold) {
    Record().ModelType = 1;
    Record().TempChar = {"C0G", "CG"};
    EXPECT_EQ(Check("abc", "-5"), std::nullopt);
}

TEST(DefaultConditionsTest, ReferenceTemperatureOfTheNotation) {
    EXPECT_EQ(DefaultTemperatureText(shared::Eia, '.'), "25");
    EXPECT_EQ(DefaultTemperatureText(shared::Jis, '.'), "20");
}

}  // namespace
}  // namespace pelmo
