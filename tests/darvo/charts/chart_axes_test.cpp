// Identity and caption, cascade place, range union, division counts and unit texts of
// darvo's chart windows.
#include "darvo/charts/chart_axes.h"

#include "chart_sample.h"
#include "darvo/charts/chart_identity.h"
#include "darvo/charts/chart_window_model.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

namespace darvo {
namespace {

const ChartIdentity kRiseOverCurrent{TemperatureRise, Quantity::Current, Quantity::TemperatureRise};
const ChartIdentity kRiseOverFrequency{TemperatureRise, Quantity::Frequency, Quantity::TemperatureRise};
const ChartIdentity kCapTemp{CapacitanceTemperature, Quantity::Temperature, Quantity::Capacitance};
const ChartIdentity kCapTempChange{CapacitanceTemperature, Quantity::Temperature,
                                   Quantity::CapacitanceChange};
const ChartIdentity kCapDcChange{CapacitanceDcVoltage, Quantity::DcBiasVoltage, Quantity::CapacitanceChange};

TEST(ChartIdentity, CaptionIsReadBackAndOtherTextsAreRefused) {
    EXPECT_EQ(ChartCaption(kRiseOverCurrent), "Temperature Rise Characteristics(Current,Temperature Rise)");
    EXPECT_EQ(ChartCaption(ChartIdentity{AllowablePower, Quantity::Frequency, Quantity::ApparentPower}),
              "Allowable power(Frequency,Apparent Power)");
    EXPECT_EQ(ParseChartCaption(ChartCaption(kCapDcChange)), kCapDcChange);
    EXPECT_EQ(ParseChartCaption("Allowable power(Frequency,Current)"),
              (ChartIdentity{AllowablePower, Quantity::Frequency, Quantity::Current}));
    EXPECT_FALSE(ParseChartCaption("Allowable power"));
    EXPECT_FALSE(ParseChartCaption("Allowable power(Frequency Current)"));
    EXPECT_FALSE(ParseChartCaption("Allowable power(Speed,Current)"));
    EXPECT_EQ(GetChartTypeNumber("Capacitance-AC Voltage Characteristics"), CapacitanceAcVoltage);
    EXPECT_EQ(GetChartTypeNumber("Allowable Power"), TemperatureRise);  // case matters; unknown gives 0
}

TEST(ChartWindowPlace, FirstChartWindowAt50AndEachFurther300ToTheRight) {
    // Main window, selection window and the chart windows, this one included.
    EXPECT_EQ(CascadeLeft(3), 50.0);
    EXPECT_EQ(CascadeLeft(4), 350.0);
    EXPECT_EQ(CascadeLeft(17), 4250.0);
}

TEST(FullRange, UnionOfTheIdentityOnlyWithThePreparedRecordIncluded) {
    ChartTable table;
    EXPECT_FALSE(FullRange(table, kCapTemp));
    testing::Adopt(table, testing::LineRecord(kCapTemp, -55, 1, 125, 2, AxisRange{125, 10, -55, 1}));
    testing::Adopt(table,
                   testing::LineRecord(kCapTempChange, -80, -90, 150, 90, AxisRange{150, 90, -80, -90}));
    testing::Adopt(table, testing::LineRecord(kCapTemp, -25, 1, 150, 2, AxisRange{150, 8, -25, 0.5F}));
    EXPECT_EQ(FullRange(table, kCapTemp), (AxisRange{150, 10, -55, 0.5F}));
    table.Prepare() = testing::LineRecord(kCapTemp, -60, 1, 100, 2, AxisRange{100, 20, -60, 1});
    EXPECT_EQ(FullRange(table, kCapTemp), (AxisRange{150, 20, -60, 0.5F}));
}

TEST(AxisKinds, FollowTheIdentity) {
    const ChartIdentity power{AllowablePower, Quantity::Frequency, Quantity::Current};
    EXPECT_TRUE(IsLogX(power));
    EXPECT_TRUE(IsLogY(power));
    EXPECT_TRUE(IsLogX(kRiseOverFrequency));
    EXPECT_FALSE(IsLogY(kRiseOverFrequency));
    EXPECT_FALSE(IsLogX(kRiseOverCurrent));
    EXPECT_FALSE(IsLogX(kCapTemp));
}

struct DivisionRow {
    const char* name;
    ChartIdentity identity;
    float max;
    float min;
    bool custom;
    int x;
    int y;
};

class Divisions : public ::testing::TestWithParam<DivisionRow> {};

TEST_P(Divisions, OfBothLinearAxes) {
    const DivisionRow& row = GetParam();
    EXPECT_EQ(XDivisions(row.identity, row.max, row.min, row.custom), row.x);
    EXPECT_EQ(YDivisions(row.identity, row.max, row.min, row.custom), row.y);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ChartAxes, Divisions, ::testing::Values(
    // Capacitance-temperature X: span / 25, halves to even; Y capacitance 5.
    DivisionRow{"Minus55To125", kCapTemp, 125.0F, -55.0F, false, 7, 5},
    DivisionRow{"Span187_5", kCapTemp, 132.5F, -55.0F, false, 8, 5},
    DivisionRow{"Span162_5", kCapTemp, 107.5F, -55.0F, false, 6, 5},
    // Capacitance change: 20 or less / 5, else / 10.
    DivisionRow{"Change20", kCapDcChange, 10.0F, -10.0F, false, 5, 4},
    DivisionRow{"Change22_5", kCapDcChange, 12.5F, -10.0F, false, 5, 2},
    DivisionRow{"RiseOverFrequency", kRiseOverFrequency, 80.0F, 0.0F, false, 5, 8},
    DivisionRow{"RiseOverCurrent", kRiseOverCurrent, 80.0F, 0.0F, false, 5, 10},
    DivisionRow{"MagnifiedIsFive", kCapTempChange, 125.0F, -55.0F, true, 5, 5},
    // A range the engine never makes still draws one division, not a division by zero.
    DivisionRow{"TooNarrowGivesOne", kCapTempChange, 1.0F, 0.0F, false, 1, 1},
    // A part whose first capacitance coefficient is -1 falls to -244139136 % at 25 V:
    // 24 million grid lines once hung the window. Such spans, and spans past the
    // largest float, get kMaxDivisions; a span that is no number one.
    DivisionRow{"HugeChangeIsCapped", kCapDcChange, 0.0F, -244139136.0F, false, 5, kMaxDivisions},
    DivisionRow{"FloatOverflowIsCapped", kCapTempChange, FLT_MAX, -FLT_MAX, false, kMaxDivisions, kMaxDivisions},
    DivisionRow{"InfiniteSpanIsCapped", kCapTempChange, INFINITY, 0.0F, false, kMaxDivisions, kMaxDivisions},
    DivisionRow{"NaNSpanGivesOne", kCapTempChange, NAN, 0.0F, false, 1, 1},
    DivisionRow{"ReversedSpanGivesOne", kCapTempChange, -100.0F, 100.0F, false, 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(GetUnit, EveryQuantityWithTheDegreeSignOrPlain) {
    const std::string degree = "\u00B0";
    EXPECT_EQ(GetUnit(Quantity::Current, degree), "[Arms]");
    EXPECT_EQ(GetUnit(Quantity::Voltage, degree), "[Vrms]");
    EXPECT_EQ(GetUnit(Quantity::ApparentPower, degree), "[VA]");
    EXPECT_EQ(GetUnit(Quantity::EffectivePower, degree), "[W]");
    EXPECT_EQ(GetUnit(Quantity::Frequency, degree), "[kHz]");
    EXPECT_EQ(GetUnit(Quantity::TemperatureRise, degree), "[\u00B0C]");
    EXPECT_EQ(GetUnit(Quantity::Temperature, degree, true), "[C]");
    EXPECT_EQ(GetUnit(Quantity::DcBiasVoltage, degree), "[V]");
    EXPECT_EQ(GetUnit(Quantity::AcVoltage, degree), "[V]");
    EXPECT_EQ(GetUnit(Quantity::Capacitance, degree), "[pF]");
    EXPECT_EQ(GetUnit(Quantity::CapacitanceChange, degree), "[%]");
}

}  // namespace
}  // namespace darvo
