// Every generated part must behave like a real chip when the program evaluates it. The
// circuits are computed here independently, with complex arithmetic, from the circuit
// the library describes: three series R-L-C branches in parallel for a capacitor; a
// lossy inductance shunted by Cp for an inductor.

#include "generated_library.h"
#include "support/point_number.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>

namespace pelmo::libgen {
namespace {

using Complex = std::complex<double>;
constexpr double kTwoPi = 6.283185307179586;

const std::string& Name(const CapacitorRecord& record) {
    return record.PartNumber[0].empty() ? record.PartNumber[1] : record.PartNumber[0];
}

// Resistance factors at a temperature offset from the reference.
std::pair<double, double> ResistanceFactors(const CapacitorRecord& r, double dt) {
    const double a = r.ResTempA[3] * dt * dt * dt + r.ResTempA[2] * dt * dt + r.ResTempA[1] * dt;
    const double b = r.ResTempB[3] * dt * dt * dt + r.ResTempB[2] * dt * dt + r.ResTempB[1] * dt;
    return {a / 100 + 1, b / 100 + 1};
}

Complex CapacitorImpedance(const CapacitorRecord& r, double f, double fa = 1, double fb = 1) {
    const double w = kTwoPi * f;
    const Complex j(0, 1);
    const double rm = 1e9 * fa * r.Ra / f + fb * r.Rb + fb * r.Rc * std::pow(f / 1e9, r.RcExponent);
    const Complex z1 = rm + j * w * (r.L1 * 1e-9) + 1.0 / (j * w * (r.C1 * 1e-12));
    const Complex z2 = static_cast<double>(r.R2) + j * w * (r.L2 * 1e-9) + 1.0 / (j * w * (r.C2 * 1e-12));
    const Complex z3 = static_cast<double>(r.R3) + j * w * (r.L3 * 1e-9) + 1.0 / (j * w * (r.C3 * 1e-12));
    return 1.0 / (1.0 / z1 + 1.0 / z2 + 1.0 / z3);
}

// The first frequency above low where the reactance turns from capacitive to inductive.
template <class Reactance>
double ZeroCrossing(Reactance reactance, double low, double high, bool fromPositive) {
    for (int i = 0; i < 200; ++i) {
        const double middle = std::sqrt(low * high);
        const bool positive = reactance(middle) > 0;
        if (positive == fromPositive) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return std::sqrt(low * high);
}

TEST(Plausibility, CapacitorResonanceIsThatOfTheMainBranch) {
    for (const CapacitorRecord& r : GeneratedLibrary().capacitors) {
        const double estimate = 1.0 / (kTwoPi * std::sqrt(r.L1 * 1e-9 * r.C1 * 1e-12));
        const auto reactance = [&r](double f) { return CapacitorImpedance(r, f).imag(); };
        ASSERT_LT(reactance(0.8 * estimate), 0) << Name(r);
        ASSERT_GT(reactance(1.2 * estimate), 0) << Name(r);
        const double srf = ZeroCrossing(reactance, 0.8 * estimate, 1.2 * estimate, false);
        EXPECT_NEAR(srf / estimate, 1.0, 0.03) << Name(r);
    }
}

// The low-frequency capacitance is the nominal one (polynomial parts: 5 % above, the
// reference of their model; peaked parts: 20 % above, scaled by the peak at 25 C).
TEST(Plausibility, CapacitanceAtOneMegahertzMatchesTheNominalValue) {
    const std::map<int, double> basis = {{1, 1.0}, {2, 1.05}, {4, 1.2}};
    for (const CapacitorRecord& r : GeneratedLibrary().capacitors) {
        const double nominal = shared::testing::PointNumber(r.NominalCapacitance) * 1e-12;
        const double f = nominal >= 1e-6 ? 1e4 : 1e6;
        const Complex z = CapacitorImpedance(r, f);
        const double capacitance = -1.0 / (kTwoPi * f * z.imag());
        EXPECT_NEAR(capacitance / (basis.at(r.ModelType) * nominal), 1.0, 0.07) << Name(r);
    }
}

TEST(Plausibility, EsrIsPositiveOverTheWholeRangeAndTemperature) {
    for (const CapacitorRecord& r : GeneratedLibrary().capacitors) {
        for (const double dt : {-80.0, 0.0, 50.0, 125.0}) {
            const auto [fa, fb] = ResistanceFactors(r, dt);
            ASSERT_GT(fa, 0) << Name(r);
            ASSERT_GT(fb, 0) << Name(r);
            for (int i = 0; i <= 40; ++i) {
                const double f = 1e3 * std::pow(r.UpperFrequency / 1e3, i / 40.0);
                const double esr = CapacitorImpedance(r, f, fa, fb).real();
                ASSERT_TRUE(std::isfinite(esr) && esr > 0) << Name(r) << " at " << f;
            }
        }
    }
}

// Limits of each dielectric: (lower, upper) temperature, (least, most) change in %.
struct Limits {
    double coldest, hottest, least, most;
};

double TemperatureChange(const CapacitorRecord& r, double t) {
    const double x = t - 25;
    double change = 0;
    for (int k = 6; k >= 1; --k) {
        change = change * x + r.TempCoef[static_cast<std::size_t>(k)];
    }
    return change * x;
}

TEST(Plausibility, TemperaturePolynomialsStayInsideTheirDielectricLimits) {
    const std::map<std::string, Limits> eia = {{"X7R", {-55, 125, -15, 15}}, {"X5R", {-55, 85, -15, 15}},
                                               {"X7S", {-55, 125, -22, 22}}, {"X7T", {-55, 125, -33, 22}},
                                               {"X7U", {-55, 125, -56, 22}}, {"X6S", {-55, 105, -22, 22}},
                                               {"X6T", {-55, 105, -33, 22}}, {"X8R", {-55, 150, -15, 15}},
                                               {"X8L", {-55, 150, -40, 15}}, {"Y5V", {-30, 85, -82, 22}}};
    int checked = 0;
    for (const CapacitorRecord& r : GeneratedLibrary().capacitors) {
        if (r.ModelType != 2 || r.TempChar[0].empty()) {
            continue;
        }
        const Limits& limits = eia.at(r.TempChar[0]);
        for (double t = limits.coldest; t <= limits.hottest; t += 1.0) {
            const double change = TemperatureChange(r, t);
            ASSERT_GE(change, limits.least) << Name(r) << " at " << t;
            ASSERT_LE(change, limits.most) << Name(r) << " at " << t;
        }
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

// JIS names are judged against the capacitance at 20 C, which the program also shows
// as the reference in JIS notation.
TEST(Plausibility, JisCharacteristicsStayInsideTheirLimitsFromTwentyDegrees) {
    const std::map<std::string, Limits> jis = {
        {"B", {-25, 85, -10, 10}}, {"R", {-55, 125, -15, 15}}, {"F", {-25, 85, -80, 30}}};
    int checked = 0;
    for (const CapacitorRecord& r : GeneratedLibrary().capacitors) {
        if (r.ModelType != 2 || r.TempChar[1].empty()) {
            continue;
        }
        const Limits& limits = jis.at(r.TempChar[1]);
        const double at20 = 1 + TemperatureChange(r, 20) / 100;
        for (double t = limits.coldest; t <= limits.hottest; t += 1.0) {
            const double change = ((1 + TemperatureChange(r, t) / 100) / at20 - 1) * 100;
            ASSERT_GE(change, limits.least) << r.PartNumber[1] << " at " << t;
            ASSERT_LE(change, limits.most) << r.PartNumber[1] << " at " << t;
        }
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

TEST(Plausibility, BiasLowersTheCapacitanceSteadilyUpToTheRating) {
    for (const CapacitorRecord& r : GeneratedLibrary().capacitors) {
        const double rated = shared::testing::PointNumber(r.RatedVoltage);
        double previous = 0;
        for (int i = 1; i <= 50; ++i) {
            const double v = rated * i / 50.0;
            double change = 0;
            for (int k = 6; k >= 1; --k) {
                change = change * v + r.BiasCoef[static_cast<std::size_t>(k)];
            }
            change *= v;
            ASSERT_LE(change, previous + 1e-6) << Name(r) << " at " << v;
            ASSERT_GT(change, -100) << Name(r) << " at " << v;
            previous = change;
        }
        if (r.ModelType == 1) {
            EXPECT_EQ(previous, 0) << Name(r);
        }
    }
}

// The peaked model: C/C(stored) = ((A exp(-k |T - Tc|^n) + B) / 100 + 1) stays positive
// and puts the nominal value near 25 C at 0 V.
TEST(Plausibility, PeakedModelStaysPositive) {
    int checked = 0;
    for (const CapacitorRecord& r : GeneratedLibrary().capacitors) {
        if (r.ModelType != 4) {
            continue;
        }
        const double rated = shared::testing::PointNumber(r.RatedVoltage);
        for (int i = 0; i <= 10; ++i) {
            const double v = rated * i / 10.0;
            double q = 0;
            for (int k = 6; k >= 1; --k) {
                q = q * v + r.BiasCoef[static_cast<std::size_t>(k)];
            }
            q *= v;
            const double amplitude = (q + 100) * r.PeakAmplitude / 100;
            const double peak = r.PeakTempV2 * v * v + r.PeakTempV1 * v + r.PeakTemp0;
            for (double t = -30; t <= 85; t += 5) {
                const bool below = t < peak;
                const double k = below ? r.SharpBelowV2 * v * v + r.SharpBelowV1 * v + r.SharpBelow0
                                       : r.SharpAboveV2 * v * v + r.SharpAboveV1 * v + r.SharpAbove0;
                const double n = below ? r.ExpBelow : r.ExpAbove;
                ASSERT_GT(k, 0) << Name(r);
                const double factor =
                    (amplitude * std::exp(-k * std::pow(std::fabs(t - peak), n)) + r.PeakOffset) / 100 + 1;
                ASSERT_GT(factor, 0) << Name(r) << " at " << t << " C, " << v << " V";
                if (i == 0 && t == 25) {
                    EXPECT_NEAR(factor * 1.2, 1.0, 0.03) << Name(r);
                }
            }
        }
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

Complex InductorImpedance(const InductorRecord& r, double f) {
    const double w = kTwoPi * f;
    const Complex j(0, 1);
    const double rs = r.RsCoef * std::pow(f / 1e8, r.RsExponent);
    const Complex loss = 1.0 / (1.0 / rs + 1.0 / (static_cast<double>(r.R1) + j * w * (r.L1 * 1e-9)));
    const Complex series =
        loss + j * w * (r.L0 * 1e-9 * std::pow(f / 1e7, r.L0Exponent)) + static_cast<double>(r.R0);
    return 1.0 / (1.0 / series + j * w * (r.Cp * 1e-12));
}

TEST(Plausibility, InductorsResonateWhereTheLibrarySays) {
    for (const InductorRecord& r : GeneratedLibrary().inductors) {
        const double estimate = 1.0 / (kTwoPi * std::sqrt(r.L0 * 1e-9 * r.Cp * 1e-12));
        const auto reactance = [&r](double f) { return InductorImpedance(r, f).imag(); };
        const double srf = ZeroCrossing(reactance, 0.5 * estimate, 1.5 * estimate, true);
        if (r.SelfResonance == 0.0F) {
            // "Over 6000": beyond the data, which then end at 20 GHz.
            EXPECT_GT(srf, 2e10) << r.PartNumber;
            EXPECT_EQ(r.UpperFrequency, 2e10F) << r.PartNumber;
            continue;
        }
        EXPECT_NEAR(r.SelfResonance / estimate, 1.0, 0.05) << r.PartNumber;
        EXPECT_NEAR(r.SelfResonance / srf, 1.0, 0.01) << r.PartNumber;
        EXPECT_GE(r.UpperFrequency, r.SelfResonance) << r.PartNumber;
        // Inductive with a useful Q at 100 MHz, below every resonance.
        const Complex z = InductorImpedance(r, 1e8);
        EXPECT_GT(z.imag() / z.real(), 4.0) << r.PartNumber;
        EXPECT_GT(z.real(), 0) << r.PartNumber;
    }
}

}  // namespace
}  // namespace pelmo::libgen
