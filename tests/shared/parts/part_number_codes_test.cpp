#include "shared/parts/part_number_codes.h"

#include "support/test_names.h"

#include "shared/errors/runtime_error.h"
#include "shared/text/number_text.h"

#include <gtest/gtest.h>
#include <string>

namespace shared {
namespace {

TEST(MidText, ToleratesShortTexts) {
    EXPECT_EQ(MidText("KTA155R71H104KA88", 1, 5), "KTA15");
    EXPECT_EQ(MidText("KTA155R71H104KA88", 15, 3), "A88");
    EXPECT_EQ(MidText("KTA155R71H104KA8", 15, 3), "A8");
    EXPECT_EQ(MidText("KTA", 4, 2), "");
    EXPECT_EQ(MidText("", 1, 3), "");
    EXPECT_EQ(MidText("KTA", 0, 2), "");
}

struct ClassCase {
    const char* partNumber;
    int frequencyClass;
};

class FrequencyRangeClassCases : public ::testing::TestWithParam<ClassCase> {};

TEST_P(FrequencyRangeClassCases, FirstRuleThatHoldsDecides) {
    EXPECT_EQ(FrequencyRangeClass(GetParam().partNumber), GetParam().frequencyClass) << GetParam().partNumber;
}

// Part numbers: series(1-3) size(4-5) sixth(6) characteristic(7-8) voltage(9-10)
// capacitance(11-13) fourteenth(14) rest(15-17).
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, FrequencyRangeClassCases, ::testing::Values(
    ClassCase{"PW15DZ4N7", 1},
    ClassCase{"PW", 1},
    ClassCase{"PWKTA55R7", 1},              // the inductor rule comes before every series rule
    ClassCase{"VSD215R71H104KA88", 2},
    ClassCase{"KTN185R71H104KA88", 2},
    ClassCase{"KTN1852C1H104KA88", 2},      // a class-4 characteristic does not matter for KTN
    ClassCase{"PNE185R71H104KA88", 3},
    ClassCase{"PNN155R71H104KA88", 3},
    ClassCase{"PNO315R71H104KA88", 3},
    ClassCase{"KTA0252C1H010JA01", 4},
    ClassCase{"KTH0358C1H010JA01", 4},
    ClassCase{"KTE1557C1H010JA01", 4},
    ClassCase{"VSK1D54C1H010JA01", 4},
    ClassCase{"KTA155R71H104KA88", 5},
    ClassCase{"KTE185F51C105ZA01", 5},
    ClassCase{"KTA185R61C105KA01", 5},
    ClassCase{"KTA18XL81C105KA01", 5},
    ClassCase{"KUX055R71H104KA88", 6},
    ClassCase{"KUX0552C1H104KA88", 6},
    ClassCase{"KTW155R71H104KA88", 0},      // listed in the sort table, covered by no rule
    ClassCase{"KTA155X71H104KA88", 0},      // unknown characteristic
    ClassCase{"KTH155R71H104KA88", 0},      // class-5 characteristic, but not KTE or KTA
    ClassCase{"VSK1D5R71H104KA88", 0},
    ClassCase{"kta155r71h104ka88", 0},      // lower case: the windows canonicalise first
    ClassCase{"KTA15", 0},
    ClassCase{"", 0}),
    [](const auto& info) { return ::shared::testing::TestName(info.param.partNumber); });
// clang-format on

TEST(PartNumberCodes, InductorAndLowInductanceSizes) {
    EXPECT_TRUE(IsInductorNumber("PW15DZ4N7"));
    EXPECT_FALSE(IsInductorNumber("PN15"));
    EXPECT_FALSE(IsInductorNumber("P"));
    EXPECT_FALSE(IsInductorNumber("pw15"));
    for (const char* size :
         {"PNN18", "PNN21", "PNN31", "PNE18", "PNE21", "PNE31", "PNO18", "PNO21", "PNO31"}) {
        EXPECT_TRUE(IsLowInductanceSize(std::string(size) + "5R71H104KA88")) << size;
    }
    EXPECT_FALSE(IsLowInductanceSize("PNN155R71H104KA88"));
    EXPECT_FALSE(IsLowInductanceSize("KTA185R71H104KA88"));
    EXPECT_FALSE(IsLowInductanceSize("PNN1"));
}

struct CapacitanceCodeCase {
    const char* code;
    const char* withDot;
    const char* withComma;
};

class CapacitanceCodes : public ::testing::TestWithParam<CapacitanceCodeCase> {};

TEST_P(CapacitanceCodes, GiveTheNominalCapacitanceInPicofarads) {
    const std::string partNumber = std::string("KTA155R71H") + GetParam().code + "KA88";
    EXPECT_EQ(ParseCapacitanceCode(partNumber, '.'), GetParam().withDot);
    EXPECT_EQ(ParseCapacitanceCode(partNumber, ','), GetParam().withComma);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Codes, CapacitanceCodes, ::testing::Values(
    CapacitanceCodeCase{"1R5", "1.5", "1,5"},
    CapacitanceCodeCase{"R75", "0.75", "0,75"},
    CapacitanceCodeCase{"R50", "0.5", "0,5"},
    CapacitanceCodeCase{"1R0", "1", "1"},
    CapacitanceCodeCase{"010", "1", "1"},
    CapacitanceCodeCase{"105", "1000000", "1000000"},
    CapacitanceCodeCase{"104", "100000", "100000"},
    CapacitanceCodeCase{"220", "22", "22"},
    CapacitanceCodeCase{"475", "4700000", "4700000"},
    CapacitanceCodeCase{"999", "9.9E+10", "9,9E+10"}),
    [](const auto& info) { return ::shared::testing::TestName(info.param.code); });
// clang-format on

TEST(PartNumberCodes, CapacitanceCodeThatIsNoNumberIsATypeMismatch) {
    for (const char* partNumber :
         {"KTA155R71H1X4KA88", "KTA155R71HRR5KA88", "KTA155R71H", "KTA155R71H-15KA88", "KTA155R71H10"}) {
        try {
            ParseCapacitanceCode(partNumber, '.');
            ADD_FAILURE() << partNumber;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), 13) << partNumber;
        }
    }
}

TEST(PartNumberCodes, RatedVoltageTable) {
    // clang-format off
    const std::pair<const char*, const char*> table[] = {
        {"2H", "500"}, {"YD", "300"}, {"2E", "250"}, {"2D", "200"}, {"2A", "100"}, {"1H", "50"},
        {"1E", "25"}, {"1C", "16"}, {"1A", "10"}, {"0J", "6.3"}, {"0G", "4.0"}};
    // clang-format on
    for (const auto& [code, volts] : table) {
        EXPECT_EQ(RatedVoltageFromCode(std::string("KTA155R7") + code + "104KA88"), volts) << code;
    }
    EXPECT_EQ(RatedVoltageFromCode("KTA155R70J104KA88"), "6.3");  // the caller converts it
    EXPECT_EQ(RatedVoltageFromCode("KTA155R71X104KA88"), "");
    EXPECT_EQ(RatedVoltageFromCode("KTA155R71"), "");
    EXPECT_EQ(RatedVoltageFromCode("KTA155R70j104KA88"), "");
}

}  // namespace
}  // namespace shared
