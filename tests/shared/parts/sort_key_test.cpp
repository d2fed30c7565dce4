#include "shared/parts/sort_key.h"

#include "shared/text/number_text.h"

#include <gtest/gtest.h>
#include <string>

namespace shared {
namespace {

TEST(SortKey, KeyOfTheDocumentedPartInBothSeparators) {
    std::string key;
    std::string message;
    {
        ASSERT_TRUE(BuildSortKey("KTA155R71H104KA88", '.', key, message)) << message;
        EXPECT_EQ(key,
                  "02"
                  "11"
                  "000000100000.00"
                  "05"
                  "5"
                  "K"
                  "A88");
    }
    {
        ASSERT_TRUE(BuildSortKey("KTA155R71H104KA88", ',', key, message)) << message;
        EXPECT_EQ(key,
                  "02"
                  "11"
                  "000000100000,00"
                  "05"
                  "5"
                  "K"
                  "A88");
    }
}

TEST(SortKey, KeysOfOtherParts) {
    // clang-format off
    const std::pair<const char*, const char*> rows[] = {
        {"KTA025R91H1R5JA01", "00" "07" "000000000001.50" "05" "5" "J" "A01"},
        {"KUX05XF52HR75WB02", "34" "21" "000000000000.75" "00" "X" "W" "B02"},
        {"PNO3188C0G999KA88", "33" "06" "099000000000.00" "10" "8" "K" "A88"},
        {"KTW155R61H010",     "03" "17" "000000000001.00" "05" "5" ""  ""},
        {"KTA155R71H104KA88XYZ", "02" "11" "000000100000.00" "05" "5" "K" "A88"},
    };
    // clang-format on
    for (const auto& [partNumber, expected] : rows) {
        std::string key;
        std::string message;
        EXPECT_TRUE(BuildSortKey(partNumber, '.', key, message)) << partNumber << ": " << message;
        EXPECT_EQ(key, expected) << partNumber;
    }
}

TEST(SortKey, FailsWhenACodeIsNotInItsTable) {
    for (const char* partNumber : {"KTX155R71H104KA88", "KTA155X71H104KA88", "KTA155R71Z104KA88",
                                   "KTA155R71H1X4KA88", "kta155R71H104KA88", "KTA15", ""}) {
        std::string key;
        std::string message;
        EXPECT_FALSE(BuildSortKey(partNumber, '.', key, message)) << partNumber;
        EXPECT_FALSE(message.empty()) << partNumber;
    }
}

TEST(SortKey, WeightTablesKeepTheCatalogueOrder) {
    EXPECT_EQ(SeriesAndSizeWeights().size(), 35u);
    EXPECT_EQ(CharacteristicWeights().size(), 22u);
    EXPECT_EQ(RatedVoltageWeights().size(), 11u);
    EXPECT_EQ(WeightDigits(SeriesAndSizeWeights()), 2);
    EXPECT_EQ(WeightDigits(CharacteristicWeights()), 2);
    EXPECT_EQ(WeightDigits(RatedVoltageWeights()), 2);
    EXPECT_EQ(WeightOf(SeriesAndSizeWeights(), "KTW15"), 3);
    EXPECT_EQ(WeightOf(SeriesAndSizeWeights(), "KUX05"), 34);
    EXPECT_EQ(WeightOf(CharacteristicWeights(), "D8"), 16);
    EXPECT_EQ(WeightOf(CharacteristicWeights(), "R6"), 17);
    EXPECT_EQ(WeightOf(RatedVoltageWeights(), "2H"), 0);
    EXPECT_EQ(WeightOf(RatedVoltageWeights(), "0G"), 10);
    EXPECT_EQ(WeightOf(RatedVoltageWeights(), "1h"), -1);
}

}  // namespace
}  // namespace shared
