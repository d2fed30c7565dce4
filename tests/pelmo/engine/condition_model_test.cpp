#include "pelmo/engine/condition_model.h"

#include "engine_test_parts.h"
#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/engine/temperature_range.h"
#include "support/test_names.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace pelmo {
namespace {

using testing::SeriesRlcCapacitor;

struct RangeCase {
    const char* name;
    bool found;
    int lower, upper;
};

class TemperatureRanges : public ::testing::TestWithParam<RangeCase> {};

TEST_P(TemperatureRanges, AreFoundByExactNameOrLeaveTheLimitsAlone) {
    const RangeCase& c = GetParam();
    int lower = 999;
    int upper = -999;
    EXPECT_EQ(GetTempRange(c.name, lower, upper), c.found);
    EXPECT_EQ(lower, c.found ? c.lower : 999);
    EXPECT_EQ(upper, c.found ? c.upper : -999);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, TemperatureRanges, ::testing::Values(
    RangeCase{"X8R", true, -55, 150}, RangeCase{"X8L", true, -55, 150},
    RangeCase{"R",   true, -55, 125}, RangeCase{"X7R", true, -55, 125},
    RangeCase{"X7U", true, -55, 125}, RangeCase{"X6T", true, -55, 105},
    RangeCase{"X5R", true, -55, 85},  RangeCase{"B",   true, -25, 85},
    RangeCase{"F",   true, -25, 85},  RangeCase{"Y5V", true, -30, 85},
    RangeCase{"x7r", false, 0, 0},    RangeCase{"C0G", false, 0, 0},
    RangeCase{"",    false, 0, 0},    RangeCase{"X7R ", false, 0, 0}),
    [](const auto& info) { return ::shared::testing::SpelledText(info.param.name); });
// clang-format on

TEST(ConditionModel, HasAModelOnlyForModelTypesTwoAndFour) {
    CapacitorRecord record = SeriesRlcCapacitor(0.1F, 0.5F, 100.0F);
    for (int type : {-1, 0, 1, 2, 3, 4, 5}) {
        record.ModelType = type;
        EXPECT_EQ(HasConditionModel(record), type == 2 || type == 4) << type;
    }
}

TEST(ConditionModel, ResistanceFactorsFollowTheReferenceTemperatureOfTheNotation) {
    CapacitorRecord record = SeriesRlcCapacitor(0.1F, 0.5F, 100.0F);
    record.ResTempA = {0.0F, 1.0F, 0.5F, 0.01F};  // 1 %/K, 0.5 %/K^2, 0.01 %/K^3
    record.ResTempB = {0.0F, -2.0F, 0.0F, 0.0F};
    EXPECT_EQ(ReferenceTemperature(shared::Eia), 25.0);
    EXPECT_EQ(ReferenceTemperature(shared::Jis), 20.0);

    const TemperatureFactors eiaAtReference = ResistanceTemperatureFactors(record, 25.0, shared::Eia);
    const TemperatureFactors jisAtReference = ResistanceTemperatureFactors(record, 20.0, shared::Jis);
    EXPECT_EQ(eiaAtReference.FA, 1.0);
    EXPECT_EQ(eiaAtReference.FB, 1.0);
    EXPECT_EQ(jisAtReference.FA, 1.0);
    EXPECT_EQ(jisAtReference.FB, 1.0);

    // 35 C is 10 K above the EIA reference and 15 K above the JIS one.
    const TemperatureFactors eia = ResistanceTemperatureFactors(record, 35.0, shared::Eia);
    const TemperatureFactors jis = ResistanceTemperatureFactors(record, 35.0, shared::Jis);
    EXPECT_NEAR(eia.FA, 1.0 + (10.0 + 50.0 + 10.0) / 100.0, 1e-6);
    EXPECT_NEAR(eia.FB, 1.0 - 0.2, 1e-6);
    EXPECT_NEAR(jis.FA, 1.0 + (15.0 + 112.5 + 33.75) / 100.0, 1e-6);
    EXPECT_NEAR(jis.FB, 1.0 - 0.3, 1e-6);
}

// A polynomial-model part: -1 %/K below 25 C plus a square term, and a bias derating.
CapacitorRecord PolynomialPart() {
    CapacitorRecord record = SeriesRlcCapacitor(0.02F, 0.5F, 1000.0F);
    record.ModelType = 2;
    record.TempCoef[1] = 0.2F;
    record.TempCoef[2] = -0.01F;
    record.BiasCoef[1] = -1.5F;
    record.BiasCoef[2] = -0.25F;
    return record;
}

TEST(ConditionModel, PolynomialModelAtTheReferencePointIsTheStoredCapacitance) {
    const CapacitorRecord record = PolynomialPart();
    EXPECT_EQ(EffectiveC1(record, 25.0, 0.0, {}, '.'), record.C1 * 1e-12);
}

TEST(ConditionModel, PolynomialModelAppliesTemperatureAndBiasOnce) {
    const CapacitorRecord record = PolynomialPart();
    const double c1 = 1000e-12;
    const double c20 = c1 * (1.0 + (0.2 * -5.0 - 0.01 * 25.0) / 100.0);  // P(-5) = -1.25 %
    const double biasChange = (-1.5 * 4.0 - 0.25 * 16.0) / 100.0;        // Q(4 V) = -10 %
    EXPECT_NEAR(EffectiveC1(record, 20.0, 0.0, {}, '.'), c20, c20 * 1e-6);
    EXPECT_NEAR(EffectiveC1(record, 20.0, 4.0, {}, '.'), c20 * (1.0 + biasChange), c20 * 1e-6);
}

// The notation only changes how a part is named and where the resistance polynomials
// start; the capacitance a chip has at 20 C and 4 V is the same in both. Before the
// mend JIS showed C20 * (1 + Q/100)^2, a -10 % derating as -19 %.
TEST(ConditionModel, JisNotationGivesTheSameCapacitanceAsEia) {
    const CapacitorRecord record = PolynomialPart();
    const double c20 = 1000e-12 * (1.0 - 1.25 / 100.0);
    for (double bias : {0.0, 4.0}) {
        CapacitorConditions conditions;
        conditions.Temperature = 20.0;
        conditions.Bias = bias;
        conditions.PartNumber = record.PartNumber[0];
        conditions.CodeSystem = shared::Jis;
        OperatingPointResult jis;
        EvaluateCapacitor(record, 6.283185308e6, conditions, jis);
        conditions.CodeSystem = shared::Eia;
        OperatingPointResult eia;
        EvaluateCapacitor(record, 6.283185308e6, conditions, eia);

        const double expected = c20 * (1.0 + (bias == 0.0 ? 0.0 : -0.10));
        EXPECT_NEAR(jis.SeriesCapacitance, expected, expected * 1e-6) << bias;
        EXPECT_EQ(jis.SeriesCapacitance, eia.SeriesCapacitance) << bias;
    }
}

// A peaked-model part whose two sides of the peak differ, so a wrong side shows.
CapacitorRecord PeakedPart() {
    CapacitorRecord record = SeriesRlcCapacitor(0.02F, 0.5F, 2200.0F);
    record.ModelType = 4;
    record.BiasCoef[1] = -2.0F;
    record.PeakAmplitude = 12.0F;
    record.PeakOffset = -8.0F;
    record.PeakTempV2 = 0.0F;
    record.PeakTempV1 = -1.0F;  // the peak moves 1 K down per volt
    record.PeakTemp0 = 40.0F;
    record.SharpBelow0 = 0.01F;
    record.SharpAbove0 = 0.2F;
    record.SharpAboveV1 = 0.01F;
    record.ExpBelow = 1.5F;
    record.ExpAbove = 1.0F;
    return record;
}

TEST(ConditionModel, PeakedModelAtThePeakIsAmplitudePlusOffsetOnEitherSide) {
    const CapacitorRecord record = PeakedPart();
    // Ceq0 of a plain series R-L-C is its own C1.
    const double ceq0 = 2200e-12;
    for (double bias : {0.0, 5.0}) {
        const double peak = 40.0 - bias;
        const double amplitude = (100.0 - 2.0 * bias) * 12.0 / 100.0;
        const double expected = ((amplitude - 8.0) / 100.0 + 1.0) * ceq0;
        EXPECT_NEAR(EffectiveC1(record, peak, bias, {}, '.'), expected, expected * 1e-6) << bias;
    }
}

TEST(ConditionModel, PeakedModelUsesTheSharpnessOfItsSideOfThePeak) {
    const CapacitorRecord record = PeakedPart();
    const double ceq0 = 2200e-12;
    struct Row {
        double t, v, k, n;
    };
    // Below the peak the 0 V sharpness 0.01 and exponent 1.5; at and above it
    // 0.2 + 0.01 V and exponent 1.
    const Row rows[] = {{20.0, 0.0, 0.01, 1.5},
                        {60.0, 0.0, 0.2, 1.0},
                        {30.0, 4.0, 0.01, 1.5},
                        {50.0, 4.0, 0.24, 1.0},
                        {-25.0, 2.0, 0.01, 1.5}};
    for (const Row& row : rows) {
        const double peak = 40.0 - row.v;
        const double amplitude = (100.0 - 2.0 * row.v) * 12.0 / 100.0;
        const double shape = std::exp(-row.k * std::pow(std::fabs(row.t - peak), row.n));
        const double expected = ((amplitude * shape - 8.0) / 100.0 + 1.0) * ceq0;
        EXPECT_NEAR(EffectiveC1(record, row.t, row.v, {}, '.'), expected, expected * 1e-6)
            << row.t << " C, " << row.v << " V";
    }
}

TEST(ConditionModel, UnknownModelTypesUseTheStoredCapacitance) {
    CapacitorRecord record = PolynomialPart();
    for (int type : {0, 1, 3, 7}) {
        record.ModelType = type;
        EXPECT_EQ(EffectiveC1(record, 85.0, 6.0, {}, '.'), 1000e-12) << type;
    }
}

}  // namespace
}  // namespace pelmo
