#include "pelmo/engine/s_parameters.h"

#include "pelmo/engine/operating_point_result.h"
#include "support/test_names.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/testing/fake_messages.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>

namespace pelmo {
namespace {

struct SParameterCase {
    const char* name;
    CircuitMode connection;
    double r, x;
    double s11Re, s21Re;
    double s11Db, s21Db;
    double s11Deg, s21Deg;
    int log10Errors;
};

class SParameterEdgeCases : public ::testing::TestWithParam<SParameterCase> {};

TEST_P(SParameterEdgeCases, GiveTheDocumentedValues) {
    const SParameterCase& c = GetParam();
    shared::FakeMessages messages;
    OperatingPointResult result;
    StoreSParameters(SParametersOf({c.r, c.x}, c.connection), result, &messages);
    EXPECT_NEAR(result.SReal[0], c.s11Re, 1e-12);
    EXPECT_NEAR(result.SReal[1], c.s21Re, 1e-12);
    EXPECT_NEAR(result.SImag[0], 0.0, 1e-12);
    EXPECT_NEAR(result.SImag[1], 0.0, 1e-12);
    EXPECT_NEAR(result.SMagnitudeDb[0], c.s11Db, 5e-5);
    EXPECT_NEAR(result.SMagnitudeDb[1], c.s21Db, 5e-5);
    EXPECT_NEAR(result.SPhaseDeg[0], c.s11Deg, 1e-9);
    EXPECT_NEAR(result.SPhaseDeg[1], c.s21Deg, 1e-9);
    ASSERT_EQ(static_cast<int>(messages.Shown().size()), c.log10Errors);
    for (const shared::RecordedMessage& shown : messages.Shown()) {
        EXPECT_EQ(shown.text, "Error at Log10");
        EXPECT_EQ(shown.title, "Pelmo");
        EXPECT_EQ(shown.icon, shared::MessageIcon::None);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, SParameterEdgeCases, ::testing::Values(
    //              name        connection           R     X   S11re  S21re    S11 dB    S21 dB  S11deg S21deg log10
    SParameterCase{"Series50",  CircuitMode::Series, 50.0, 0.0, 1.0/3, 2.0/3, -9.5424, -3.5218,   0.0,  0.0, 0},
    SParameterCase{"SeriesZero",CircuitMode::Series,  0.0, 0.0, 0.0,   1.0,    0.0,     0.0,     0.0,  0.0, 1},
    SParameterCase{"Shunt25",   CircuitMode::Shunt,  25.0, 0.0, -0.5,  0.5,   -6.0206, -6.0206, 180.0,  0.0, 0},
    SParameterCase{"ShuntZero", CircuitMode::Shunt,   0.0, 0.0, -1.0,  0.0,    0.0,     0.0,   180.0,  0.0, 1}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// S11 of a load seen through one element: a series element that is a short passes the
// line through (matched), an open one reflects fully; a shunt short reflects inverted,
// a shunt open leaves the line matched.
struct LoadCase {
    const char* name;
    CircuitMode connection;
    double r;
    double s11;
};

class ReflectionOfLoads : public ::testing::TestWithParam<LoadCase> {};

TEST_P(ReflectionOfLoads, IsZeroPlusOrMinusOne) {
    const LoadCase& c = GetParam();
    const SParameters s = SParametersOf({c.r, 0.0}, c.connection);
    EXPECT_NEAR(s.S11Real, c.s11, 1e-9);
    EXPECT_NEAR(s.S11Imag, 0.0, 1e-9);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, ReflectionOfLoads, ::testing::Values(
    LoadCase{"SeriesShortIsMatched", CircuitMode::Series, 0.0,   0.0},
    LoadCase{"SeriesOpenReflects",   CircuitMode::Series, 1e13,  1.0},
    LoadCase{"ShuntShortInverts",    CircuitMode::Shunt,  0.0,  -1.0},
    LoadCase{"ShuntOpenIsMatched",   CircuitMode::Shunt,  1e13,  0.0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The real-arithmetic formulas against the complex definitions, and passivity: a lossy
// chip absorbs power, a lossless one passes or reflects all of it.
TEST(SParameters, AgreeWithTheComplexDefinitionsAndConservePower) {
    const double impedances[][2] = {{0.0, 30.0},  {0.0, -400.0},  {0.01, 5.0},
                                    {3.0, -70.0}, {120.0, 900.0}, {1e4, -1.0}};
    for (const auto& zr : impedances) {
        const std::complex<double> z(zr[0], zr[1]);
        const SParameters series = SeriesSParameters({zr[0], zr[1]});
        const SParameters shunt = ShuntSParameters({zr[0], zr[1]});
        const std::complex<double> seriesS11 = z / (z + 100.0);
        const std::complex<double> seriesS21 = 100.0 / (z + 100.0);
        const std::complex<double> shuntS11 = -50.0 / (2.0 * z + 50.0);
        const std::complex<double> shuntS21 = 2.0 * z / (2.0 * z + 50.0);
        EXPECT_NEAR(series.S11Real, seriesS11.real(), 1e-12);
        EXPECT_NEAR(series.S11Imag, seriesS11.imag(), 1e-12);
        EXPECT_NEAR(series.S21Real, seriesS21.real(), 1e-12);
        EXPECT_NEAR(series.S21Imag, seriesS21.imag(), 1e-12);
        EXPECT_NEAR(shunt.S11Real, shuntS11.real(), 1e-12);
        EXPECT_NEAR(shunt.S11Imag, shuntS11.imag(), 1e-12);
        EXPECT_NEAR(shunt.S21Real, shuntS21.real(), 1e-12);
        EXPECT_NEAR(shunt.S21Imag, shuntS21.imag(), 1e-12);
        for (const SParameters& s : {series, shunt}) {
            const double power =
                s.S11Real * s.S11Real + s.S11Imag * s.S11Imag + s.S21Real * s.S21Real + s.S21Imag * s.S21Imag;
            if (zr[0] == 0.0) {
                EXPECT_NEAR(power, 1.0, 1e-12);
            } else {
                EXPECT_LT(power, 1.0);
            }
        }
    }
}

struct PhaseCase {
    double re, im, degrees;
};

class PhaseAngles : public ::testing::TestWithParam<PhaseCase> {};

TEST_P(PhaseAngles, FollowTheQuadrantsAndGiveZeroOnTheImaginaryAxis) {
    const PhaseCase& c = GetParam();
    // The true arctangent beside the ten-digit pi leaves a few 1e-8 degrees.
    EXPECT_NEAR(PhaseAngle(c.re, c.im) * 180.0 / 3.141592654, c.degrees, 1e-6);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, PhaseAngles, ::testing::Values(
    PhaseCase{1.0, 1.0, 45.0},   PhaseCase{-1.0, -1.0, -135.0}, PhaseCase{-1.0, 0.0, 180.0},
    PhaseCase{0.0, 5.0, 0.0},    PhaseCase{0.0, -5.0, 0.0},     PhaseCase{-1.0, 1.0, 135.0},
    PhaseCase{1.0, -1.0, -45.0}, PhaseCase{2.0, 0.0, 0.0}),
    [](const auto& info) { return ::shared::testing::TestName("Re", info.param.re, "Im", info.param.im); });
// clang-format on

TEST(SParameters, ANonFiniteParameterIsAnOverflowWithoutALog10Message) {
    shared::FakeMessages messages;
    OperatingPointResult result;
    const SParameters s{std::nan(""), 0.0, 1.0, 0.0};
    try {
        StoreSParameters(s, result, &messages);
        FAIL() << "no error raised";
    } catch (const shared::RuntimeError& error) {
        EXPECT_EQ(error.Number(), 6);
    }
    EXPECT_TRUE(messages.Shown().empty());
}

}  // namespace
}  // namespace pelmo
