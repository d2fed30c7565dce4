// The generated parts through the program's own engine: every part evaluates at its
// reference conditions and at the corners of its operating range, and the SRF the
// selection window shows is the resonance of the part.

#include "generated_library.h"
#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/inductor_evaluation.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/engine/temperature_range.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace pelmo::libgen {
namespace {

constexpr double kTwoPi = 6.283185307179586;

TEST(Engine, EveryCapacitorShowsItsResonanceAtReferenceConditions) {
    int evaluated = 0;
    for (const CapacitorRecord& record : GeneratedLibrary().capacitors) {
        for (const shared::CodeSystem notation : {shared::Eia, shared::Jis}) {
            if (record.PartNumber[notation].empty()) {
                continue;
            }
            CapacitorConditions conditions;
            conditions.PartNumber = record.PartNumber[notation];
            conditions.CodeSystem = notation;
            conditions.Temperature = notation == shared::Jis ? 20.0 : 25.0;
            PreparedCapacitor prepared;
            ASSERT_NO_THROW(prepared = PrepareCapacitor(record, conditions)) << conditions.PartNumber;
            const double mainBranch = 1.0 / (kTwoPi * std::sqrt(record.L1 * 1e-9 * prepared.EffectiveC1));
            EXPECT_NEAR(prepared.ResonantFrequency / mainBranch, 1.0, 0.05) << conditions.PartNumber;
            EXPECT_GT(prepared.SeriesCapacitance, 0) << conditions.PartNumber;
            EXPECT_GT(prepared.SeriesInductance, 0) << conditions.PartNumber;
            ++evaluated;
        }
    }
    EXPECT_GT(evaluated, 4000);
}

TEST(Engine, ConditionModelPartsEvaluateAtTheCornersOfTheirRange) {
    for (const CapacitorRecord& record : GeneratedLibrary().capacitors) {
        if (record.ModelType == 1) {
            continue;
        }
        for (const shared::CodeSystem notation : {shared::Eia, shared::Jis}) {
            if (record.PartNumber[notation].empty()) {
                continue;
            }
            int lower = 0;
            int upper = 0;
            ASSERT_TRUE(GetTempRange(record.TempChar[notation], lower, upper)) << record.TempChar[notation];
            const double rated = std::stod(record.RatedVoltage);
            for (const int t : {lower, upper}) {
                for (const double v : {0.0, rated}) {
                    CapacitorConditions conditions;
                    conditions.PartNumber = record.PartNumber[notation];
                    conditions.CodeSystem = notation;
                    conditions.Temperature = t;
                    conditions.Bias = v;
                    OperatingPointResult result;
                    ASSERT_NO_THROW(EvaluateCapacitor(record, kTwoPi * 1e6, conditions, result))
                        << conditions.PartNumber << " " << t << " C " << v << " V";
                    EXPECT_GT(result.Resistance, 0) << conditions.PartNumber;
                    EXPECT_GT(result.SeriesCapacitance, 0) << conditions.PartNumber;
                }
            }
        }
    }
}

TEST(Engine, EveryInductorEvaluatesOverItsRange) {
    for (const InductorRecord& record : GeneratedLibrary().inductors) {
        const double top = record.SelfResonance > 0 ? record.SelfResonance : record.UpperFrequency;
        for (const double f : {1e7, 1e8, 0.5 * top}) {
            OperatingPointResult result;
            ASSERT_NO_THROW(EvaluateInductor(record, kTwoPi * f, result)) << record.PartNumber;
            EXPECT_GT(result.Resistance, 0) << record.PartNumber;
            EXPECT_GT(result.Reactance, 0) << record.PartNumber << " at " << f;
        }
    }
}

}  // namespace
}  // namespace pelmo::libgen
