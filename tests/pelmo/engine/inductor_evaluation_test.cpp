#include "pelmo/engine/inductor_evaluation.h"

#include "engine_test_parts.h"
#include "pelmo/engine/operating_point_result.h"

#include "shared/errors/runtime_error.h"

#include <cmath>
#include <complex>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace pelmo {
namespace {

using namespace std::complex_literals;

constexpr double kSentinel = 777.0;

double Omega(double hz) {
    return hz * 6.283185308;
}

// The inductor model from complex impedances: (Rs || (R1 + jwL1)) + jwL0(f) + R0, all
// parallel to Cp.
struct ReferenceInductor {
    std::complex<double> series;  // without Cp
    std::complex<double> total;
};

ReferenceInductor Reference(const InductorRecord& r, double hz) {
    const double w = Omega(hz);
    const double rs = r.RsCoef * std::pow(hz / 1e8, r.RsExponent);
    const double l0 = r.L0 * 1e-9 * std::pow(hz / 1e7, r.L0Exponent);
    const std::complex<double> loss =
        1.0 / (1.0 / rs + 1.0 / (static_cast<double>(r.R1) + 1i * (w * r.L1 * 1e-9)));
    const std::complex<double> series = loss + 1i * w * l0 + static_cast<double>(r.R0);
    const std::complex<double> cp = 1.0 / (1i * w * (r.Cp * 1e-12));
    return {series, series * cp / (series + cp)};
}

TEST(EvaluateInductor, MatchesTheComplexModelAcrossTheBand) {
    const InductorRecord record = testing::TestInductor();
    for (double hz : {1e7, 1e8, 1e9, 3e9, 5.5e9, 6e9}) {
        OperatingPointResult result;
        EvaluateInductor(record, Omega(hz), result);
        const ReferenceInductor ref = Reference(record, hz);
        const double scale = std::abs(ref.total);
        EXPECT_NEAR(result.Resistance, ref.total.real(), scale * 1e-9) << hz;
        EXPECT_NEAR(result.Reactance, ref.total.imag(), scale * 1e-9) << hz;
        EXPECT_NEAR(result.ImpedanceMagnitude, scale, scale * 1e-9) << hz;
        EXPECT_NEAR(result.InductorSeriesResistance, ref.series.real(), 1e-9 * std::abs(ref.series)) << hz;
        EXPECT_NEAR(result.SeriesInductance, ref.series.imag() / Omega(hz),
                    1e-20 + 1e-9 * std::abs(ref.series) / Omega(hz))
            << hz;
        EXPECT_NEAR(result.QualityFactor, ref.total.imag() / ref.total.real(),
                    1e-6 * std::fabs(result.QualityFactor))
            << hz;
        EXPECT_NEAR(result.ApparentInductance, ref.total.imag() / Omega(hz), 1e-20 + 1e-9 * scale / Omega(hz))
            << hz;
        EXPECT_EQ(result.SeriesCapacitance, record.Cp * 1e-12);
        EXPECT_EQ(result.ResonantFrequency, static_cast<double>(record.SelfResonance));
        const std::complex<double> s21 = 100.0 / (ref.total + 100.0);  // always in series
        EXPECT_NEAR(result.SReal[1], s21.real(), 1e-9) << hz;
        EXPECT_NEAR(result.SImag[1], s21.imag(), 1e-9) << hz;
    }
}

TEST(EvaluateInductor, QTurnsNegativeAboveTheModelsResonance) {
    const InductorRecord record = testing::TestInductor();
    OperatingPointResult result;
    EvaluateInductor(record, Omega(2e10), result);
    EXPECT_LT(result.Reactance, 0.0);
    EXPECT_LT(result.QualityFactor, 0.0);
}

TEST(EvaluateInductor, WithoutLossesOrCapacitanceIsAPureInductance) {
    InductorRecord record = testing::TestInductor();
    record.RsCoef = 0.0F;
    record.L0Exponent = 0.0F;
    record.Cp = 1e-9F;
    record.R0 = 0.01F;
    OperatingPointResult result;
    EvaluateInductor(record, Omega(1e8), result);
    const double x = Omega(1e8) * 10e-9;
    EXPECT_NEAR(result.Reactance, x, x * 1e-6);
    EXPECT_NEAR(result.Resistance, 0.01, 1e-6);
    EXPECT_NEAR(result.SeriesInductance, 10e-9, 1e-15);
}

TEST(EvaluateInductor, LeavesTheCapacitorOnlyFieldsAsTheyWere) {
    OperatingPointResult result;
    result.DissipationFactor = kSentinel;
    result.SeriesReactance = kSentinel;
    result.ApparentCapacitance = kSentinel;
    EvaluateInductor(testing::TestInductor(), Omega(1e9), result);
    EXPECT_EQ(result.DissipationFactor, kSentinel);
    EXPECT_EQ(result.SeriesReactance, kSentinel);
    EXPECT_EQ(result.ApparentCapacitance, kSentinel);
}

TEST(EvaluateInductor, FailuresRaiseTheRunTimeErrorAndLeaveTheResultAlone) {
    struct Row {
        int number;
        void (*spoil)(InductorRecord&, double&);
    };
    const Row rows[] = {
        {11,
         [](InductorRecord& r, double&) {
             r.L0 = 0.0F;
             r.L1 = 0.0F;
         }},  // Ls = 0
        {11, [](InductorRecord&, double& w) { w = 0.0; }},
        {6, [](InductorRecord& r, double&) { r.Cp = std::numeric_limits<float>::quiet_NaN(); }},
        {6, [](InductorRecord& r, double&) { r.R0 = std::numeric_limits<float>::infinity(); }},
    };
    for (const Row& row : rows) {
        InductorRecord record = testing::TestInductor();
        double omega = Omega(1e9);
        row.spoil(record, omega);
        OperatingPointResult result;
        result.Resistance = kSentinel;
        result.SReal = {kSentinel, kSentinel};
        const OperatingPointResult before = result;
        try {
            EvaluateInductor(record, omega, result);
            ADD_FAILURE() << "no error raised for error " << row.number;
        } catch (const shared::RuntimeError& error) {
            EXPECT_EQ(error.Number(), row.number);
        }
        EXPECT_EQ(std::memcmp(&result, &before, sizeof result), 0);
    }
}

}  // namespace
}  // namespace pelmo
