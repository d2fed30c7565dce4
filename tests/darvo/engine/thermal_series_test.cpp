#include "darvo/engine/thermal_series.h"

#include "darvo/engine/heat_terms.h"
#include "darvo/engine/parameter_limit.h"
#include "engine_test_parts.h"
#include "support/test_names.h"

#include "shared/text/number_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace darvo {
namespace {

using testing::HeatPart;
using testing::ThermalRequest;

constexpr const char* kSource = "test";

HeatTerms TermsFor(const ProductRecord& part, const ChartDataRecord& record) {
    return ComputeHeatTerms(part, record, kSource);
}

// ---------------------------------------------------------------------------------
// Allowed temperature rise around the maximum operating temperature.

struct AllowanceCase {
    float ambient;
    float tmax;
    float expected;
};

class Allowance : public ::testing::TestWithParam<AllowanceCase> {};

TEST_P(Allowance, FullBelowTmaxMinus20ThenWhatIsLeftThenNothing) {
    const AllowanceCase& c = GetParam();
    EXPECT_FLOAT_EQ(AllowedTemperatureRise(c.ambient, c.tmax), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, Allowance, ::testing::Values(
    AllowanceCase{-55.0F, 125.0F, 20.0F},
    AllowanceCase{104.9F, 125.0F, 20.0F},
    AllowanceCase{105.0F, 125.0F, 20.0F},   // at Tmax - 20 both rules give 20
    AllowanceCase{110.0F, 125.0F, 15.0F},
    AllowanceCase{120.0F, 125.0F, 5.0F},    // Tmax - 5
    AllowanceCase{125.0F, 125.0F, 0.0F},
    AllowanceCase{125.5F, 125.0F, 0.0F},    // above Tmax
    AllowanceCase{80.0F, 85.0F, 5.0F}),
    [](const auto& info) { return ::shared::testing::TestName("Ambient", info.param.ambient, "Tmax", info.param.tmax); });
// clang-format on

// ---------------------------------------------------------------------------------
// The linear axis of a rise against load.

struct ThermalAxisCase {
    float xe, yhi;
    float xmax, ymax;
};

class ThermalAxis : public ::testing::TestWithParam<ThermalAxisCase> {};

TEST_P(ThermalAxis, NextIntegerAndNextTenOrHundred) {
    const ThermalAxisCase& c = GetParam();
    ChartDataRecord record;
    SetThermalAxisRange(record, c.xe, 0.0F, c.yhi, 0.0F);
    EXPECT_FLOAT_EQ(record.Xmax, c.xmax);
    EXPECT_FLOAT_EQ(record.Ymax, c.ymax);
    EXPECT_FLOAT_EQ(record.Xmin, 0.0F);
    EXPECT_FLOAT_EQ(record.Ymin, 0.0F);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, ThermalAxis, ::testing::Values(
    ThermalAxisCase{4.472136F, 80.0F, 5.0F, 100.0F},  // every current chart ends at 80 C
    ThermalAxisCase{3.536F, 42.0F, 4.0F, 50.0F},      // voltage chart with 42 C at 0.3536 Vr
    ThermalAxisCase{3.0F, 40.0F, 4.0F, 50.0F},        // whole numbers still go one step up
    ThermalAxisCase{0.8F, 74.9F, 1.0F, 80.0F},
    ThermalAxisCase{2.5F, 75.0F, 3.0F, 100.0F},
    ThermalAxisCase{0.0F, 0.0F, 1.0F, 10.0F}),
    [](const auto& info) { return ::shared::testing::TestName("End", info.param.xe, "Top", info.param.yhi); });
// clang-format on

// ---------------------------------------------------------------------------------
// Model terms.

TEST(HeatTerms, CurrentCoefficientBelowATenthIsTakenAsOne) {
    // clang-format off
    struct { float b0; float rth; float expected; } cases[] = {
        {0.05F, 100.0F, 1.0F},
        {0.1F, 100.0F, 1.0F},     // exactly 0.1 is substituted too
        {0.2F, 100.0F, 0.2F},
        {0.2F, 25.0F, 1.0F},      // scaled to 0.05 by Rth / q first
        {4.0F, 200.0F, 8.0F},
    };
    // clang-format on
    for (const auto& c : cases) {
        const ProductRecord part = HeatPart(c.b0, 1.0F, 2.0F);
        const HeatTerms terms =
            TermsFor(part, ThermalRequest(0, Quantity::Current, Quantity::TemperatureRise, c.rth));
        EXPECT_FLOAT_EQ(terms.K2(1e5), c.expected) << c.b0 << " at Rth " << c.rth;
        EXPECT_FLOAT_EQ(terms.K2(1e6), c.expected) << c.b0 << " at Rth " << c.rth;
    }
}

TEST(HeatTerms, TemperatureAndBiasEnterThroughTheSurfaces) {
    ProductRecord part = HeatPart(1.0F, 1.0F, 2.0F);
    part.HeatModel[0] = 1e5F;           // a0
    part.HeatModel[4] = -0.01F * 1e5F;  // a1
    part.HeatModel[28 + 7] = 0.5F;      // f7: F = 2 + 0.5 v
    part.HeatModel[28 + 5] = 0.01F;     // f5: + 0.01 t
    // At T = 20 C and 0 V only the constant terms remain.
    HeatTerms at20 =
        TermsFor(part, ThermalRequest(0, Quantity::Current, Quantity::TemperatureRise, 100.0F, 20.0F, 0.0F));
    EXPECT_FLOAT_EQ(at20.A, 1e5F);
    EXPECT_FLOAT_EQ(at20.F, 2.0F);
    // T = 30 C, half the rated voltage: t = 10, v = 0.5.
    HeatTerms hot =
        TermsFor(part, ThermalRequest(0, Quantity::Current, Quantity::TemperatureRise, 100.0F, 30.0F, 5.0F));
    EXPECT_FLOAT_EQ(hot.A, 1e5F - 1e4F);
    EXPECT_FLOAT_EQ(hot.F, 2.0F + 0.25F + 0.1F);
}

TEST(ThermalChartFrequency, RunsLogarithmicallyFromOneHundredKilohertzToOneMegahertz) {
    EXPECT_FLOAT_EQ(ThermalChartFrequency(0), 1e5F);
    EXPECT_FLOAT_EQ(ThermalChartFrequency(199), 1e6F);
    EXPECT_NEAR(ThermalChartFrequency(199 / 2 + 0), std::pow(10.0, 5.0 + 99.0 / 199.0), 0.5);
    for (int k = 1; k < kChartPoints; ++k) {
        EXPECT_GT(ThermalChartFrequency(k), ThermalChartFrequency(k - 1));
    }
}

// ---------------------------------------------------------------------------------
// Temperature rise against load, against closed forms of the simple part.

TEST(TempRiseSeries, CurrentChartEndsWhereTheRiseIs80) {
    const ProductRecord part = HeatPart(4.0F, 1.0F, 2.0F);
    ChartDataRecord record = ThermalRequest(0, Quantity::Current, Quantity::TemperatureRise, 100.0F);
    TempRiseSeries(record, TermsFor(part, record), 1e5);
    EXPECT_NEAR(record.XData[199], std::sqrt(20.0), 1e-5);
    EXPECT_NEAR(record.YData[199], 80.0, 1e-3);
    EXPECT_FLOAT_EQ(record.XData[0], 0.0F);
    EXPECT_NEAR(record.YData[100], 4.0 * std::pow(100.0 * std::sqrt(20.0) / 199.0, 2.0), 1e-3);
    EXPECT_FLOAT_EQ(record.Xmax, 5.0F);
    EXPECT_FLOAT_EQ(record.Ymax, 100.0F);
}

TEST(TempRiseSeries, SubstitutedCoefficientDrawsALowLossPartWithK2OfOne) {
    const ProductRecord part = HeatPart(0.05F, 1.0F, 2.0F);
    ChartDataRecord record = ThermalRequest(0, Quantity::Current, Quantity::TemperatureRise, 100.0F);
    TempRiseSeries(record, TermsFor(part, record), 1e5);
    EXPECT_NEAR(record.XData[199], std::sqrt(80.0), 1e-5);
    EXPECT_NEAR(record.YData[50], std::pow(record.XData[50], 2.0), 1e-4);
    EXPECT_FLOAT_EQ(record.Xmax, 9.0F);
}

TEST(TempRiseSeries, XValuesAreAccumulatedInSinglePrecision) {
    const ProductRecord part = HeatPart(4.0F, 1.0F, 2.0F);
    ChartDataRecord record = ThermalRequest(0, Quantity::EffectivePower, Quantity::TemperatureRise, 70.0F);
    TempRiseSeries(record, TermsFor(part, record), 1e5);
    const float step = (80.0F / 70.0F) / 199.0F;
    for (std::size_t i = 1; i < record.XData.size(); ++i) {
        ASSERT_EQ(record.XData[i], record.XData[i - 1] + step) << i;
    }
}

TEST(TempRiseSeries, VoltageChartStopsAtTheRatedRmsVoltageOrAt80) {
    // 42 C at 0.3536 x 10 V with F = 2: K1 = 42 / 3.536^2.
    const float k1 = static_cast<float>(42.0 / (3.536 * 3.536));
    const ProductRecord part = HeatPart(4.0F, k1, 2.0F);
    ChartDataRecord record = ThermalRequest(0, Quantity::Voltage, Quantity::TemperatureRise, 100.0F);
    TempRiseSeries(record, TermsFor(part, record), 1e5);
    EXPECT_NEAR(record.XData[199], 3.536, 1e-4);
    EXPECT_NEAR(record.YData[199], 42.0, 1e-3);
    EXPECT_FLOAT_EQ(record.Xmax, 4.0F);
    EXPECT_FLOAT_EQ(record.Ymax, 50.0F);

    // Ten times the loss: 80 C is reached first, at sqrt(80 / K1).
    const ProductRecord lossy = HeatPart(4.0F, 10.0F * k1, 2.0F);
    TempRiseSeries(record, TermsFor(lossy, record), 1e5);
    EXPECT_NEAR(record.XData[199], std::sqrt(80.0 / (10.0 * k1)), 1e-4);
    EXPECT_NEAR(record.YData[199], 80.0, 1e-3);
    EXPECT_FLOAT_EQ(record.Ymax, 100.0F);
}

TEST(TempRiseSeries, ApparentPowerIsVoltageTimesCurrentAtTheSameRise) {
    // With F = 2 a rise r needs I = sqrt(r / K2) and V = sqrt(r / K1), so S = r / sqrt(K1 K2).
    const ProductRecord part = HeatPart(4.0F, 0.25F, 2.0F, 100.0F, 125.0F, 50.0F);
    ChartDataRecord record = ThermalRequest(0, Quantity::ApparentPower, Quantity::TemperatureRise, 100.0F);
    TempRiseSeries(record, TermsFor(part, record), 1e5);
    const double perVa = std::sqrt(4.0 * 0.25);
    EXPECT_NEAR(record.XData[199], 80.0 / perVa, 1e-4);
    for (const std::size_t i : {10U, 120U, 199U}) {
        EXPECT_NEAR(record.YData[i], record.XData[i] * perVa, 1e-3) << i;
    }
}

TEST(TempRiseSeries, EffectivePowerRisesWithTheEnteredHeatResistance) {
    const ProductRecord part = HeatPart(4.0F, 1.0F, 2.0F);
    ChartDataRecord record = ThermalRequest(0, Quantity::EffectivePower, Quantity::TemperatureRise, 200.0F);
    TempRiseSeries(record, TermsFor(part, record), 1e5);
    EXPECT_NEAR(record.XData[199], 0.4, 1e-6);
    EXPECT_NEAR(record.YData[199], 80.0, 1e-3);
    EXPECT_FLOAT_EQ(record.Xmax, 1.0F);
}

// ---------------------------------------------------------------------------------
// The bound of a fixed load and its message.

struct LimitCase {
    Quantity name;
    float rth;
    double pmax;  // independent closed form for the simple part
};

class ParameterBound : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ParameterBound, AcceptsZeroToPmaxAndNothingElse) {
    const LimitCase& c = GetParam();
    // Rise per A² 4, rise per V² 0.5 at q = 100, Vr = 10 V.
    const ProductRecord part = HeatPart(4.0F, 0.5F, 2.0F);
    const HeatTerms terms =
        TermsFor(part, ThermalRequest(0, Quantity::Frequency, Quantity::TemperatureRise, c.rth));
    const ParameterLimitResult at = ParameterLimit(c.name, 0.0F, 80.0F, terms);
    EXPECT_TRUE(at.Ok);
    EXPECT_NEAR(at.Pmax, c.pmax, 1e-5 * c.pmax);
    EXPECT_TRUE(ParameterLimit(c.name, at.Pmax, 80.0F, terms).Ok);
    EXPECT_FALSE(ParameterLimit(c.name, std::nextafter(at.Pmax, 1e9F), 80.0F, terms).Ok);
    EXPECT_FALSE(ParameterLimit(c.name, -0.001F, 80.0F, terms).Ok);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, ParameterBound, ::testing::Values(
    LimitCase{Quantity::Current, 100.0F, std::sqrt(80.0 / 4.0)},
    LimitCase{Quantity::Current, 200.0F, std::sqrt(80.0 / 8.0)},        // scaled by Rth / q
    LimitCase{Quantity::Voltage, 100.0F, 0.3536 * 10.0},                // 0.5 x 3.536^2 = 6.25 C < 80
    LimitCase{Quantity::Voltage, 5000.0F, std::sqrt(80.0 / 25.0)},      // 50 x 3.536^2 > 80
    // S = V·I at 80 C, but never beyond the rated voltage's own start value.
    LimitCase{Quantity::ApparentPower, 100.0F, 100.0 * std::sqrt(0.5 / 4.0)},
    LimitCase{Quantity::ApparentPower, 3000.0F, 80.0 / (30.0 * std::sqrt(0.5 * 4.0))},
    LimitCase{Quantity::EffectivePower, 200.0F, 0.4}),
    [](const auto& info) { return ::shared::testing::TestName(std::string(QuantityName(info.param.name)), "Rth", info.param.rth); });
// clang-format on

TEST(ParameterLimitMessage, CutsTheBoundToTwoDecimalsInTheLocaleSeparator) {
    // clang-format off
    struct { Quantity name; float pmax; char separator; const char* text; } cases[] = {
        {Quantity::Current, 4.4721360F, '.', "Parameter is invalid!\nPlease enter a Number from 0 to 4.47 [Arms]"},
        {Quantity::Current, 4.4791F, '.', "Parameter is invalid!\nPlease enter a Number from 0 to 4.47 [Arms]"},
        {Quantity::Voltage, 3.536F, ',', "Parameter is invalid!\nPlease enter a Number from 0 to 3,53 [Vrms]"},
        {Quantity::ApparentPower, 12.0F, '.', "Parameter is invalid!\nPlease enter a Number from 0 to 12 [VA]"},
        {Quantity::EffectivePower, 0.4F, '.', "Parameter is invalid!\nPlease enter a Number from 0 to 0.4 [W]"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(ParameterLimitMessage(c.name, c.pmax, c.separator), c.text);
    }
}

}  // namespace
}  // namespace darvo
