#include "darvo/engine/capacitance_series.h"

#include "darvo/engine/calculate_data_s.h"
#include "darvo/engine/capacitance_model.h"
#include "darvo/engine/prepared_chart_record.h"
#include "support/test_names.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/testing/fake_messages.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace darvo {
namespace {

// A stable part with closed forms: +0.1 % per C from 25 C, -1 % per V of DC bias and an
// AC change of 5 % per V from 1 V, up to 2 V.
ProductRecord StablePart(const char* eia = "X7R", const char* jis = "B") {
    ProductRecord part;
    part.TempChar = {eia, jis};
    part.NominalCapacitance = 100000.0F;
    part.CapacitanceBasis = 105000.0F;
    part.RatedVoltage = 6.3F;
    part.CapModel[5] = -1.0F;  // k5
    part.CapModel[11] = 0.1F;  // k11
    part.CapModel[28] = 5.0F;  // k28
    part.CapModel[29] = 1.0F;  // k29
    part.CapModel[30] = 2.0F;  // k30
    return part;
}

// A high-permittivity part with the peaked model fitted for Y5V / F.
ProductRecord PeakedPart(bool polynomialModel = false) {
    ProductRecord part;
    part.TempChar = {"Y5V", "F"};
    part.PolynomialModel = polynomialModel;
    part.NominalCapacitance = 10000.0F;
    part.CapacitanceBasis = 12000.0F;
    part.RatedVoltage = 16.0F;
    part.CapModel[12] = 80.0F;
    part.CapModel[13] = -90.0F;
    part.CapModel[16] = 12.0F;
    part.CapModel[19] = 6.05e-4F;
    part.CapModel[22] = 8.2e-4F;
    part.CapModel[23] = 2.0F;
    part.CapModel[24] = 1.8F;
    part.CapModel[11] = -0.5F;  // used only when the polynomial model is forced
    part.CapModel[30] = 2.0F;
    return part;
}

class CalculateDataSTest : public ::testing::Test {
protected:
    CalculateDataSTest() {
        table_.Prepare().ProductIndex = 7;
        table_.AdoptPrepared();
    }

    bool Run(const ProductRecord& part, int chartType, Quantity y, shared::CodeSystem code, float bias = 0.0F,
             float ambient = 25.0F) {
        PreparedChartRecord prepared(table_);
        ChartDataRecord& record = prepared.Record();
        record.ChartType = static_cast<ChartType>(chartType);
        record.XAxisName = chartType == 2   ? Quantity::Temperature
                           : chartType == 3 ? Quantity::DcBiasVoltage
                                            : Quantity::AcVoltage;
        record.YAxisName = y;
        record.DCBiasVoltage = bias;
        record.AmbientTemperature = ambient;
        const bool ok = CalculateDataS(table_, part, code, messages_);
        if (ok) {
            curve_ = record;
        }
        return ok;
    }

    void ExpectTableAsBefore() const {
        EXPECT_FALSE(table_.IsPreparing());
        EXPECT_EQ(table_.ChartCount(), 1);
        ASSERT_EQ(table_.Size(), 1U);
        EXPECT_EQ(table_.At(0).ProductIndex, 7);
    }

    ChartTable table_;
    shared::FakeMessages messages_;
    ChartDataRecord curve_;
};

// ---------------------------------------------------------------------------------
// Classes and ranges.

TEST(GetTempRange, KnowsEveryCharacteristicByItsExactName) {
    // clang-format off
    struct { const char* name; int tmin; int tmax; } cases[] = {
        {"R", -55, 125}, {"X7R", -55, 125}, {"X7S", -55, 125}, {"X7U", -55, 125}, {"X7T", -55, 125},
        {"X6S", -55, 105}, {"X6T", -55, 105}, {"X5R", -55, 85}, {"X8R", -55, 150}, {"X8L", -55, 150},
        {"B", -25, 85}, {"F", -25, 85}, {"Y5V", -30, 85},
    };
    // clang-format on
    for (const auto& c : cases) {
        int tmin = 0;
        int tmax = 0;
        ASSERT_TRUE(GetTempRange(c.name, tmin, tmax)) << c.name;
        EXPECT_EQ(tmin, c.tmin) << c.name;
        EXPECT_EQ(tmax, c.tmax) << c.name;
    }
    for (const char* unknown : {"C0G", "x7r", "", "X7R "}) {
        int tmin = 1;
        int tmax = 2;
        EXPECT_FALSE(GetTempRange(unknown, tmin, tmax)) << unknown;
        EXPECT_EQ(tmin, 1);
        EXPECT_EQ(tmax, 2);
    }
}

TEST(GetCapacitanceClass, FlagFirstThenTheCharacteristicOfTheNotation) {
    // clang-format off
    struct { const char* eia; const char* jis; bool polynomial; int eiaClass; int jisClass; } cases[] = {
        {"X7R", "B", false, 2, 2},
        {"X5R", "R", false, 2, 2},
        {"Y5V", "F", false, 1, 1},
        {"Y5V", "F", true, 2, 2},
        {"C0G", "CH", false, 0, 0},
        {"C0G", "CH", true, 2, 2},
        {"X7R", "", false, 2, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        ProductRecord part;
        part.TempChar = {c.eia, c.jis};
        part.PolynomialModel = c.polynomial;
        EXPECT_EQ(GetCapacitanceClass(part, shared::Eia), c.eiaClass) << c.eia;
        EXPECT_EQ(GetCapacitanceClass(part, shared::Jis), c.jisClass) << c.jis;
    }
}

// ---------------------------------------------------------------------------------
// Axis ranges.

struct CapAxisCase {
    int chartType;
    Quantity y;
    float xe, xs, yhi, ylo;
    float xmax, xmin, ymax, ymin;
};

class CapAxis : public ::testing::TestWithParam<CapAxisCase> {};

TEST_P(CapAxis, RoundsToTheMultiplesOfTheChart) {
    const CapAxisCase& c = GetParam();
    ChartDataRecord record;
    record.YAxisName = c.y;
    SetCapAxisRange(record, c.chartType, c.xe, c.xs, c.yhi, c.ylo);
    EXPECT_FLOAT_EQ(record.Xmax, c.xmax);
    EXPECT_FLOAT_EQ(record.Xmin, c.xmin);
    EXPECT_FLOAT_EQ(record.Ymax, c.ymax);
    EXPECT_FLOAT_EQ(record.Ymin, c.ymin);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, CapAxis, ::testing::Values(
    CapAxisCase{2, Quantity::CapacitanceChange, 125, -55, 10, -8, 125, -75, 10, -10},
    CapAxisCase{2, Quantity::CapacitanceChange, 85, -30, 12.3F, -47.1F, 100, -50, 20, -50},
    CapAxisCase{2, Quantity::CapacitanceChange, 85, -25, 0.0F, -80.0F, 100, -25, 0, -80},
    CapAxisCase{3, Quantity::CapacitanceChange, 6.3F, 0, -3, -12, 6.3F, 0, 0, -20},   // no X rounding
    CapAxisCase{4, Quantity::Capacitance, 2, 0, 105000, 20000, 2, 0, 200000, 20000},
    CapAxisCase{3, Quantity::Capacitance, 16, 0, 47.3F, 8.2F, 16, 0, 50, 8},
    CapAxisCase{3, Quantity::Capacitance, 16, 0, 0.45F, 0.3F, 16, 0, 1, 0}),
    [](const auto& info) {
        const CapAxisCase& c = info.param;
        return ::shared::testing::TestName("Type" + std::to_string(c.chartType), std::string(QuantityName(c.y)), c.xe, c.xs, c.yhi, c.ylo);
    });
// clang-format on

TEST(SetCapAxisRange, ACapacitanceOfZeroHasNoScale) {
    ChartDataRecord record;
    record.YAxisName = Quantity::Capacitance;
    EXPECT_THROW(SetCapAxisRange(record, 3, 1, 0, 10, 0), shared::RuntimeError);
}

// ---------------------------------------------------------------------------------
// The curves.

TEST_F(CalculateDataSTest, StablePartAgainstTemperatureInEia) {
    ASSERT_TRUE(Run(StablePart(), 2, Quantity::CapacitanceChange, shared::Eia, 2.0F));
    EXPECT_FLOAT_EQ(curve_.XData[0], -55.0F);
    EXPECT_NEAR(curve_.XData[199], 125.0, 1e-3);
    EXPECT_FLOAT_EQ(curve_.Xmin, -75.0F);
    EXPECT_FLOAT_EQ(curve_.Xmax, 125.0F);
    for (const std::size_t i : {0U, 77U, 199U}) {
        const double pt = 0.1 * (curve_.XData[i] - 25.0);
        EXPECT_NEAR(curve_.YData[i], pt - 2.0 + pt * -2.0 / 100.0, 1e-4) << i;
    }

    ASSERT_TRUE(Run(StablePart(), 2, Quantity::Capacitance, shared::Eia, 0.0F));
    EXPECT_NEAR(curve_.YData[0], 105000.0 * (1.0 - 0.08), 0.1);

    const ProductRecord part = StablePart();
    const CapacitanceModel model(part, kPolynomialClass, shared::Eia);
    EXPECT_DOUBLE_EQ(model.ShownChange(model.Change(25.0, 0.0, model.Pdc(0.0), model.PT(0.0))), 0.0);
    ExpectTableAsBefore();
}

TEST_F(CalculateDataSTest, JisShowsTheChangeFromTwentyDegreesButTheSameCapacitance) {
    ASSERT_TRUE(Run(StablePart(), 2, Quantity::CapacitanceChange, shared::Jis));
    // The JIS characteristic "B" spans -25 to 85 C.
    EXPECT_FLOAT_EQ(curve_.XData[0], -25.0F);
    EXPECT_FLOAT_EQ(curve_.Xmin, -25.0F);
    EXPECT_FLOAT_EQ(curve_.Xmax, 100.0F);
    for (const std::size_t i : {0U, 100U, 199U}) {
        const double ratio = (1.0 + 0.001 * (curve_.XData[i] - 25.0)) / (1.0 - 0.005);
        EXPECT_NEAR(curve_.YData[i], (ratio - 1.0) * 100.0, 1e-4) << i;
    }
    const ProductRecord stable = StablePart();
    const CapacitanceModel jis(stable, kPolynomialClass, shared::Jis);
    EXPECT_NEAR(jis.ShownChange(jis.Change(20.0, 0.0, 0.0, jis.PT(-5.0))), 0.0, 1e-12);

    ASSERT_TRUE(Run(StablePart(), 2, Quantity::Capacitance, shared::Jis));
    EXPECT_NEAR(curve_.YData[0], 105000.0 * (1.0 - 0.05), 0.1);
}

TEST_F(CalculateDataSTest, PeakedPartFollowsTheFittedCurve) {
    const ProductRecord part = PeakedPart();
    const CapacitanceModel model(part, kPeakedClass, shared::Eia);
    // C / Cnom at 0 V of the fitted Y5V/F model.
    // clang-format off
    struct { double t; double ratio; } points[] = {
        {-30.0, 0.45}, {0.0, 1.00}, {12.0, 1.08}, {25.0, 1.00}, {45.0, 0.74}, {65.0, 0.46}, {85.0, 0.27},
    };
    // clang-format on
    for (const auto& p : points) {
        EXPECT_NEAR(model.Capacitance(model.Change(p.t, 0.0, 0.0, 0.0)) / 10000.0, p.ratio, 0.01) << p.t;
    }

    ASSERT_TRUE(Run(PeakedPart(), 2, Quantity::Capacitance, shared::Eia));
    EXPECT_FLOAT_EQ(curve_.XData[0], -30.0F);
    EXPECT_FLOAT_EQ(curve_.Xmin, -50.0F);
    EXPECT_FLOAT_EQ(curve_.Xmax, 100.0F);

    ASSERT_TRUE(Run(PeakedPart(), 2, Quantity::CapacitanceChange, shared::Jis));
    EXPECT_FLOAT_EQ(curve_.XData[0], -25.0F);
    EXPECT_FLOAT_EQ(curve_.Xmin, -25.0F);
    EXPECT_FLOAT_EQ(curve_.Xmax, 100.0F);
    const ProductRecord peaked = PeakedPart();
    const CapacitanceModel jis(peaked, kPeakedClass, shared::Jis);
    EXPECT_NEAR(jis.ShownChange(jis.Change(20.0, 0.0, 0.0, 0.0)), 0.0, 1e-9);
}

TEST_F(CalculateDataSTest, PolynomialFlagOverridesThePeakedModelAndKeepsTheY5VRange) {
    ASSERT_TRUE(Run(PeakedPart(true), 2, Quantity::CapacitanceChange, shared::Eia));
    EXPECT_FLOAT_EQ(curve_.XData[0], -30.0F);
    EXPECT_NEAR(curve_.XData[199], 85.0, 1e-3);
    EXPECT_NEAR(curve_.YData[0], -0.5 * (-30.0 - 25.0), 1e-4);
    EXPECT_FLOAT_EQ(curve_.Xmin, -50.0F);
}

TEST_F(CalculateDataSTest, DcBiasRunsFromZeroToTheRatingWithoutRounding) {
    ASSERT_TRUE(Run(StablePart(), 3, Quantity::CapacitanceChange, shared::Eia, 0.0F, 45.0F));
    EXPECT_FLOAT_EQ(curve_.XData[0], 0.0F);
    // 199 single-precision additions drift below the rating; the axis keeps the rating.
    EXPECT_NEAR(curve_.XData[199], 6.3, 1e-4);
    EXPECT_NE(curve_.XData[199], 6.3F);
    EXPECT_FLOAT_EQ(curve_.Xmax, 6.3F);
    EXPECT_FLOAT_EQ(curve_.Xmin, 0.0F);
    for (const std::size_t i : {0U, 150U, 199U}) {
        const double v = curve_.XData[i];
        EXPECT_NEAR(curve_.YData[i], 2.0 - v - 2.0 * v / 100.0, 1e-4) << i;
    }
    EXPECT_FLOAT_EQ(curve_.Ymax, 10.0F);
    EXPECT_FLOAT_EQ(curve_.Ymin, -10.0F);
}

TEST_F(CalculateDataSTest, AcChartStartsAtATenthOfAVoltWithAnAxisFromZero) {
    ASSERT_TRUE(Run(StablePart(), 4, Quantity::CapacitanceChange, shared::Eia));
    EXPECT_FLOAT_EQ(curve_.XData[0], 0.1F);
    EXPECT_NEAR(curve_.XData[199], 2.0, 1e-5);
    EXPECT_FLOAT_EQ(curve_.Xmin, 0.0F);
    EXPECT_FLOAT_EQ(curve_.Xmax, 2.0F);
    EXPECT_NEAR(curve_.YData[0], -4.5, 1e-5);
    EXPECT_NEAR(curve_.YData[199], 5.0, 1e-4);

    // The change is the same in JIS; the capacitance takes the JIS reference of the AC
    // chart: PT(-5) = -0.5 %, plus its thousandth.
    ASSERT_TRUE(Run(StablePart(), 4, Quantity::CapacitanceChange, shared::Jis));
    EXPECT_NEAR(curve_.YData[0], -4.5, 1e-5);
    ASSERT_TRUE(Run(StablePart(), 4, Quantity::Capacitance, shared::Eia));
    EXPECT_NEAR(curve_.YData[0], 105000.0 * 0.955, 0.05);
    ASSERT_TRUE(Run(StablePart(), 4, Quantity::Capacitance, shared::Jis));
    EXPECT_NEAR(curve_.YData[0], 105000.0 * (1.0 - 0.005005) * 0.955, 0.05);
    EXPECT_FLOAT_EQ(curve_.Ymin, 90000.0F);
    EXPECT_FLOAT_EQ(curve_.Ymax, 200000.0F);
}

TEST_F(CalculateDataSTest, UnknownCharacteristicIsRefusedAndTheProgramGoesOn) {
    for (const int chartType : {2, 3, 4}) {
        messages_.Clear();
        EXPECT_FALSE(Run(StablePart("C0G", "CH"), chartType, Quantity::Capacitance, shared::Eia))
            << chartType;
        ExpectTableAsBefore();
        ASSERT_EQ(messages_.Shown().size(), 1U);
        EXPECT_EQ(messages_.Shown()[0].text, "Get Temp. Ranger Error!");
        EXPECT_EQ(messages_.Shown()[0].icon, shared::MessageIcon::None);
        EXPECT_EQ(messages_.Shown()[0].title, "darvo");
    }
}

TEST_F(CalculateDataSTest, NumericalFailureIsReportedAndLeavesTheTableAsBefore) {
    ProductRecord part = StablePart();
    part.CapacitanceBasis = 0.0F;
    try {
        Run(part, 3, Quantity::Capacitance, shared::Eia);
        ADD_FAILURE() << "no failure reported";
    } catch (const shared::RuntimeError& error) {
        EXPECT_EQ(error.Source(), "darvo:mdlPublic.CalculateDataS");
        EXPECT_EQ(error.ReportTitle(), "darvo:mdlPublic.CalculateDataS");
        EXPECT_NE(error.Description().find("CalculateDataS"), std::string::npos);
    }
    ExpectTableAsBefore();
}

}  // namespace
}  // namespace darvo
