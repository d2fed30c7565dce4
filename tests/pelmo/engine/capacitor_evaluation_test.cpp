#include "pelmo/engine/capacitor_evaluation.h"

#include "engine_test_parts.h"
#include "pelmo/engine/equivalent_series.h"
#include "pelmo/engine/operating_point_result.h"
#include "support/test_names.h"

#include "shared/errors/runtime_error.h"
#include "shared/text/number_text.h"

#include <cmath>
#include <complex>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>

namespace pelmo {
namespace {

using testing::ReferenceCapacitorImpedance;
using testing::SeriesRlcCapacitor;
using testing::ThreeBranchCapacitor;

constexpr double kSentinel = -12345.0;

OperatingPointResult SentinelResult() {
    OperatingPointResult r;
    for (double* field :
         {&r.ResonantFrequency, &r.ImpedanceMagnitude, &r.Reactance, &r.Resistance, &r.SeriesInductance,
          &r.SeriesCapacitance, &r.QualityFactor, &r.DissipationFactor, &r.SeriesReactance,
          &r.ApparentCapacitance, &r.ApparentInductance, &r.InductorSeriesResistance}) {
        *field = kSentinel;
    }
    r.SReal = r.SImag = r.SMagnitudeDb = r.SPhaseDeg = {kSentinel, kSentinel};
    return r;
}

bool SameBits(const OperatingPointResult& a, const OperatingPointResult& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

CapacitorConditions ConditionsFor(const CapacitorRecord& record, char separator = '.') {
    CapacitorConditions conditions;
    conditions.PartNumber = record.PartNumber[0];
    conditions.DecimalSeparator = separator;
    return conditions;
}

double Omega(double hz) {
    return hz * 6.283185308;
}

TEST(EvaluateCapacitor, FarBelowResonanceIsAPureCapacitance) {
    const CapacitorRecord record = SeriesRlcCapacitor(0.001F, 0.0F, 470.0F);
    OperatingPointResult result;
    EvaluateCapacitor(record, Omega(1e6), ConditionsFor(record), result);
    const double x = -1.0 / (Omega(1e6) * 470e-12);
    EXPECT_NEAR(result.Reactance, x, std::fabs(x) * 1e-9);
    EXPECT_NEAR(result.ImpedanceMagnitude, std::fabs(x), std::fabs(x) * 1e-9);
    EXPECT_NEAR(result.Resistance, 0.001, 1e-9);
    EXPECT_NEAR(result.SeriesCapacitance, 470e-12, 470e-12 * 1e-9);
    EXPECT_NEAR(result.QualityFactor, std::fabs(x) / 0.001, std::fabs(x) / 0.001 * 1e-6);
    EXPECT_NEAR(result.DissipationFactor, 0.001 / std::fabs(x), 1e-12);
    EXPECT_NEAR(result.ApparentCapacitance, 470e-12, 470e-12 * 1e-6);
}

TEST(EvaluateCapacitor, AHugeCapacitanceIsAPureResistance) {
    // 1 F with 0.1 pH: a reactance below 1 mohm at 1 GHz. Without any inductance the
    // part would have no resonance at all, which the model cannot evaluate.
    const CapacitorRecord record = SeriesRlcCapacitor(50.0F, 1e-4F, 1e12F);
    OperatingPointResult result;
    EvaluateCapacitor(record, Omega(1e9), ConditionsFor(record), result);
    EXPECT_NEAR(result.Resistance, 50.0, 1e-6);
    EXPECT_NEAR(result.Reactance, 0.0, 1e-3);
    EXPECT_NEAR(result.SReal[0], 1.0 / 3.0, 1e-5);
    EXPECT_NEAR(result.SReal[1], 2.0 / 3.0, 1e-5);
    EXPECT_NEAR(result.SMagnitudeDb[0], -9.5424, 1e-4);
}

struct ResonanceCase {
    float r, nh, pf;
};

class SeriesResonance : public ::testing::TestWithParam<ResonanceCase> {};

TEST_P(SeriesResonance, LiesAtOneOverTwoPiRootLc) {
    const ResonanceCase& c = GetParam();
    const CapacitorRecord record = SeriesRlcCapacitor(c.r, c.nh, c.pf);
    OperatingPointResult result;
    EvaluateCapacitor(record, Omega(1e6), ConditionsFor(record), result);
    const double l = c.nh * 1e-9;
    const double srf = testing::ResonanceOf(l, c.pf * 1e-12);
    EXPECT_NEAR(result.ResonantFrequency, srf, srf * 1e-9);
    EXPECT_NEAR(result.SeriesInductance, l, l * 1e-6);
    EXPECT_NEAR(result.SeriesCapacitance, c.pf * 1e-12, c.pf * 1e-18);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, SeriesResonance, ::testing::Values(
    ResonanceCase{0.1F, 0.5F, 100.0F}, ResonanceCase{0.01F, 0.3F, 10000.0F},
    ResonanceCase{1.0F, 1.0F, 1.0F},    ResonanceCase{0.005F, 0.8F, 1e6F}),
    [](const auto& info) {
        return ::shared::testing::TestName(info.param.r, "Ohm", info.param.nh, "nH", info.param.pf, "pF");
    });
// clang-format on

TEST(EvaluateCapacitor, ImpedanceAndSParametersMatchTheComplexNetwork) {
    const CapacitorRecord record = ThreeBranchCapacitor();
    for (CircuitMode mode : {CircuitMode::Series, CircuitMode::Shunt}) {
        for (double hz : {3e5, 1e7, 1.5e8, 2e9, 6e9}) {
            CapacitorConditions conditions = ConditionsFor(record);
            conditions.Connection = mode;
            OperatingPointResult result;
            EvaluateCapacitor(record, Omega(hz), conditions, result);
            const std::complex<double> z = ReferenceCapacitorImpedance(record, 1000e-12, Omega(hz));
            EXPECT_NEAR(result.Resistance, z.real(), std::abs(z) * 1e-9) << hz;
            EXPECT_NEAR(result.Reactance, z.imag(), std::abs(z) * 1e-9) << hz;
            EXPECT_NEAR(result.ImpedanceMagnitude, std::abs(z), std::abs(z) * 1e-9) << hz;
            const std::complex<double> s11 =
                mode == CircuitMode::Series ? z / (z + 100.0) : -50.0 / (2.0 * z + 50.0);
            EXPECT_NEAR(result.SReal[0], s11.real(), 1e-9) << hz;
            EXPECT_NEAR(result.SImag[0], s11.imag(), 1e-9) << hz;
            EXPECT_NEAR(result.SMagnitudeDb[0], 20.0 * std::log10(std::abs(s11)), 1e-7) << hz;
            EXPECT_NEAR(result.SPhaseDeg[0], std::arg(s11) * 180.0 / std::numbers::pi, 1e-6) << hz;
        }
    }
}

TEST(EvaluateCapacitor, TemperatureScalesTheMainBranchLosses) {
    CapacitorRecord record = ThreeBranchCapacitor();
    record.ResTempA[1] = 2.0F;   // +2 %/K on the 1/f term
    record.ResTempB[1] = -1.0F;  // -1 %/K on the others
    CapacitorConditions conditions = ConditionsFor(record);
    conditions.Temperature = 35.0;  // 10 K above the EIA reference
    OperatingPointResult result;
    EvaluateCapacitor(record, Omega(2e8), conditions, result);
    const std::complex<double> z = ReferenceCapacitorImpedance(record, 1000e-12, Omega(2e8), 1.2, 0.9);
    EXPECT_NEAR(result.Resistance, z.real(), std::abs(z) * 1e-9);
    EXPECT_NEAR(result.Reactance, z.imag(), std::abs(z) * 1e-9);
}

struct CharacterizationCase {
    double nominal;
    double omega0Hz, omega1Hz;
};

class CharacterizationFrequencyRows : public ::testing::TestWithParam<CharacterizationCase> {};

TEST_P(CharacterizationFrequencyRows, DropADecadeFromOneMicrofarad) {
    const CharacterizationCase& c = GetParam();
    const CharacterizationFrequencies omega = CharacterizationFrequenciesFor(c.nominal);
    EXPECT_DOUBLE_EQ(omega[0], Omega(c.omega0Hz));
    EXPECT_DOUBLE_EQ(omega[1], Omega(c.omega1Hz));
    EXPECT_DOUBLE_EQ(omega[2], Omega(5e5));
    EXPECT_DOUBLE_EQ(omega[3], Omega(1e6));
    EXPECT_DOUBLE_EQ(omega[4], Omega(5e8));
    EXPECT_DOUBLE_EQ(omega[5], Omega(1e9));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, CharacterizationFrequencyRows, ::testing::Values(
    CharacterizationCase{0.5, 1e6, 1e7}, CharacterizationCase{999999.0, 1e6, 1e7},
    CharacterizationCase{1e6, 1e5, 1e6}, CharacterizationCase{2.2e7, 1e5, 1e6}),
    [](const auto& info) { return ::shared::testing::TestName(info.param.nominal, "pF"); });
// clang-format on

// Equivalent series C and L are the series model through the network's reactance at
// two frequencies: 1 and 10 MHz normally, 500 kHz/1 MHz and 500 MHz/1 GHz for the
// low-inductance sizes.
TEST(EvaluateCapacitor, ReadsTheNominalCapacitanceWithTheLocaleSeparator) {
    // A library loaded under a comma locale holds "1,5"; the derived series C and L must
    // not depend on which separator the user's locale has.
    CapacitorRecord dotted = SeriesRlcCapacitor(0.05F, 0.4F, 1.5F);
    OperatingPointResult withDot;
    dotted.NominalCapacitance = "1.5";
    EvaluateCapacitor(dotted, Omega(1e8), ConditionsFor(dotted, '.'), withDot);
    CapacitorRecord commaed = dotted;
    commaed.NominalCapacitance = "1,5";
    OperatingPointResult withComma;
    EvaluateCapacitor(commaed, Omega(1e8), ConditionsFor(commaed, ','), withComma);
    EXPECT_TRUE(SameBits(withDot, withComma));
}

TEST(EvaluateCapacitor, LowInductanceSizesDeriveCAndLAtTheirOwnFrequencies) {
    // A lossy second branch with its corner near 1.6 MHz: measured at 1 and 10 MHz the
    // network looks like a series C with a negative L, which is why these sizes are
    // characterised at 500 kHz/1 MHz and 500 MHz/1 GHz instead.
    CapacitorRecord record = ThreeBranchCapacitor();
    record.C2 = 1000.0F;
    record.R2 = 100.0F;
    auto x = [&](double hz) { return ReferenceCapacitorImpedance(record, 1000e-12, Omega(hz)).imag(); };
    const testing::SeriesLc normal = testing::SolveSeriesLc(Omega(1e6), x(1e6), Omega(1e7), x(1e7));
    const testing::SeriesLc lowC = testing::SolveSeriesLc(Omega(5e5), x(5e5), Omega(1e6), x(1e6));
    const testing::SeriesLc lowL = testing::SolveSeriesLc(Omega(5e8), x(5e8), Omega(1e9), x(1e9));
    ASSERT_LT(normal.L, 0.0);

    CapacitorConditions conditions = ConditionsFor(record);
    conditions.PartNumber = "PNN18B71C105KA01";
    OperatingPointResult result;
    EvaluateCapacitor(record, Omega(1e6), conditions, result);
    EXPECT_NEAR(result.SeriesCapacitance, lowC.C, lowC.C * 1e-7);
    EXPECT_GT(std::fabs(lowC.C - normal.C), normal.C * 1e-2);
    // Leq(4, 5), unless the resonance search moved the SRF and corrected it.
    const double corrected = 1.0 / std::pow(result.ResonantFrequency * 6.283185308, 2) / lowC.C;
    EXPECT_TRUE(std::fabs(result.SeriesInductance - lowL.L) < lowL.L * 1e-6 ||
                std::fabs(result.SeriesInductance - corrected) < corrected * 1e-9);

    // "PNN15" is not a low-inductance size: its negative Leq has no resonance.
    conditions.PartNumber = "PNN15B71C105KA01";
    try {
        EvaluateCapacitor(record, Omega(1e6), conditions, result);
        FAIL() << "no error raised";
    } catch (const shared::RuntimeError& error) {
        EXPECT_EQ(error.Number(), 6);
    }
}

TEST(EvaluateCapacitor, ApparentInductanceFromTheResonanceOnwardsOnly) {
    const CapacitorRecord record = SeriesRlcCapacitor(0.05F, 0.5F, 100.0F);
    OperatingPointResult probe;
    EvaluateCapacitor(record, 1.0, ConditionsFor(record), probe);
    const double srf = probe.ResonantFrequency;

    OperatingPointResult atResonance = SentinelResult();
    EvaluateCapacitor(record, srf * 6.283185308, ConditionsFor(record), atResonance);
    EXPECT_EQ(atResonance.ApparentCapacitance, kSentinel);
    EXPECT_NE(atResonance.ApparentInductance, kSentinel);

    OperatingPointResult below = SentinelResult();
    EvaluateCapacitor(record, srf * 6.283185308 * 0.5, ConditionsFor(record), below);
    EXPECT_EQ(below.ApparentInductance, kSentinel);
    const double omega = srf * 6.283185308 * 0.5;
    const double xeq = omega * 0.5e-9 - 1.0 / (omega * 100e-12);
    EXPECT_NEAR(below.ApparentCapacitance, -1.0 / (xeq * omega), 100e-12 * 1e-6);
}

// The window keeps one result; an evaluation overwrites its own fields only, and what it
// writes does not depend on what was there before.
TEST(EvaluateCapacitor, WritesOnlyItsOwnFieldsAndForgetsEarlierEvaluations) {
    const CapacitorRecord record = ThreeBranchCapacitor();
    const CapacitorRecord other = SeriesRlcCapacitor(1.0F, 2.0F, 33.0F);

    OperatingPointResult result = SentinelResult();
    EvaluateCapacitor(record, Omega(1e7), ConditionsFor(record), result);
    EXPECT_EQ(result.InductorSeriesResistance, kSentinel);
    EXPECT_EQ(result.ApparentInductance, kSentinel);  // 10 MHz lies below this SRF

    OperatingPointResult afterOther = SentinelResult();
    EvaluateCapacitor(other, Omega(3e9), ConditionsFor(other), afterOther);
    EvaluateCapacitor(record, Omega(1e7), ConditionsFor(record), afterOther);
    // Every written field agrees; ApparentInductance keeps the other part's value.
    OperatingPointResult expected = result;
    expected.ApparentInductance = afterOther.ApparentInductance;
    EXPECT_NE(afterOther.ApparentInductance, kSentinel);
    EXPECT_TRUE(SameBits(afterOther, expected));
}

struct FailureCase {
    const char* name;
    int number;
    void (*spoil)(CapacitorRecord&, CapacitorConditions&, double& omega);
};

class CapacitorFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CapacitorFailures, RaiseTheRunTimeErrorAndLeaveTheResultAlone) {
    CapacitorRecord record = ThreeBranchCapacitor();
    CapacitorConditions conditions = ConditionsFor(record);
    double omega = Omega(1e8);
    GetParam().spoil(record, conditions, omega);
    OperatingPointResult result = SentinelResult();
    try {
        EvaluateCapacitor(record, omega, conditions, result);
        FAIL() << "no error raised";
    } catch (const shared::RuntimeError& error) {
        EXPECT_EQ(error.Number(), GetParam().number);
    }
    EXPECT_TRUE(SameBits(result, SentinelResult()));
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, CapacitorFailures, ::testing::Values(
    FailureCase{"ZeroBranchCapacitance", 11, [](CapacitorRecord& r, CapacitorConditions&, double&) { r.C2 = 0.0F; }},
    FailureCase{"ZeroMainCapacitance",   11, [](CapacitorRecord& r, CapacitorConditions&, double&) { r.C1 = 0.0F; }},
    FailureCase{"ZeroFrequency",         11, [](CapacitorRecord&, CapacitorConditions&, double& w) { w = 0.0; }},
    FailureCase{"NoLossAtAll",           11, [](CapacitorRecord& r, CapacitorConditions&, double&) {
        r.Ra = r.Rb = r.Rc = r.R2 = r.R3 = 0.0F; }},
    FailureCase{"NaNCapacitance",         6, [](CapacitorRecord& r, CapacitorConditions&, double&) {
        r.C3 = static_cast<float>(kNaN); }},
    FailureCase{"InfiniteTemperature",    6, [](CapacitorRecord& r, CapacitorConditions& c, double&) {
        r.ResTempA[1] = 1.0F; c.Temperature = kInf; }},
    FailureCase{"InfiniteFrequency",      6, [](CapacitorRecord&, CapacitorConditions&, double& w) { w = kInf; }},
    FailureCase{"NominalIsNoNumber",     13, [](CapacitorRecord& r, CapacitorConditions&, double&) {
        r.NominalCapacitance = "abc"; }}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace pelmo
