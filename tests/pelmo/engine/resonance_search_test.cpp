#include "pelmo/engine/resonance_search.h"

#include "engine_test_parts.h"
#include "pelmo/engine/equivalent_series.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>

namespace pelmo {
namespace {

double Omega(double hz) {
    return hz * 6.283185308;
}

// A series R-L-C shunted by a small third-branch capacitance: the estimate from 1 and
// 10 MHz misses the true resonance by c3/c1, so the search has to walk.
CapacitorRecord OffsetResonancePart(float c3) {
    CapacitorRecord record = testing::SeriesRlcCapacitor(0.2F, 1.0F, 10.0F);
    record.C3 = c3;
    record.R3 = 1.0F;
    return record;
}

struct Estimate {
    testing::SeriesLc lc;
    double frequency;
};

// The estimate 1/(2 pi sqrt(Ceq Leq)) from the reference network at 1 and 10 MHz.
Estimate EstimateOf(const CapacitorRecord& record) {
    auto x = [&](double hz) {
        return testing::ReferenceCapacitorImpedance(record, record.C1 * 1e-12, Omega(hz)).imag();
    };
    const testing::SeriesLc lc = testing::SolveSeriesLc(Omega(1e6), x(1e6), Omega(1e7), x(1e7));
    return {lc, testing::ResonanceOf(lc.L, lc.C)};
}

ResonanceSearchResult Search(const CapacitorRecord& record) {
    const CharacterizationFrequencies omega = CharacterizationFrequenciesFor(10.0);
    const double c1 = record.C1 * 1e-12;
    return SearchResonance(record, c1, {}, EquivalentSeriesAt(record, c1, {}, omega[0], omega[1]));
}

bool SameTwoDecimals(double a, double b) {
    return std::llround(a * 100.0) == std::llround(b * 100.0);
}

TEST(ResonanceSearch, KeepsAnEstimateThatIsAlreadyAtResonance) {
    const CapacitorRecord record = testing::SeriesRlcCapacitor(0.2F, 1.0F, 10.0F);
    const ResonanceSearchResult found = Search(record);
    EXPECT_TRUE(found.Found);
    EXPECT_EQ(found.Evaluations, 1);
    EXPECT_NEAR(found.Frequency, testing::ResonanceOf(1e-9, 10e-12), 1e-9 * found.Frequency);
    EXPECT_NEAR(found.SeriesInductance, 1e-9, 1e-15);
}

TEST(ResonanceSearch, WalksInTenthPercentStepsAndCorrectsTheInductance) {
    const CapacitorRecord record = OffsetResonancePart(0.2F);
    const Estimate estimate = EstimateOf(record);
    const ResonanceSearchResult found = Search(record);
    ASSERT_TRUE(found.Found);
    ASSERT_GT(found.Evaluations, 2);
    ASSERT_LE(found.Evaluations, 101);

    // The second try is 0.1 % down; the rest continue in the direction that helped.
    const int steps = found.Evaluations - 1;
    const double down = estimate.frequency * std::pow(0.999, steps);
    const double up = estimate.frequency * 0.999 * std::pow(1.001, steps - 1);
    EXPECT_TRUE(std::fabs(found.Frequency - down) < 1e-9 * down ||
                std::fabs(found.Frequency - up) < 1e-9 * up)
        << found.Frequency << " " << estimate.frequency;

    // At the SRF found, |Z| and R read the same with two decimals ...
    const std::complex<double> z =
        testing::ReferenceCapacitorImpedance(record, record.C1 * 1e-12, Omega(found.Frequency));
    EXPECT_TRUE(SameTwoDecimals(std::abs(z), z.real())) << std::abs(z) << " " << z.real();
    // ... and the corrected Leq resonates there with the unchanged Ceq.
    const double w = Omega(found.Frequency);
    EXPECT_NEAR(w * w * found.SeriesInductance * estimate.lc.C, 1.0, 1e-6);
    EXPECT_GT(std::fabs(found.SeriesInductance - estimate.lc.L), estimate.lc.L * 1e-4);
}

TEST(ResonanceSearch, FallsBackToTheEstimateAfterOneHundredAndOneTries) {
    const CapacitorRecord record = OffsetResonancePart(3.0F);
    const Estimate estimate = EstimateOf(record);
    const ResonanceSearchResult found = Search(record);
    EXPECT_FALSE(found.Found);
    EXPECT_EQ(found.Evaluations, 101);
    EXPECT_NEAR(found.Frequency, estimate.frequency, 1e-6 * estimate.frequency);
    EXPECT_NEAR(found.SeriesInductance, estimate.lc.L, 1e-6 * estimate.lc.L);
}

}  // namespace
}  // namespace pelmo
