#include "pelmo/engine/chart_sweep.h"

#include "engine_test_parts.h"
#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/chart_kind.h"
#include "pelmo/engine/circuit_mode.h"
#include "pelmo/engine/inductor_evaluation.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/engine/s_parameter.h"
#include "support/test_names.h"

#include "shared/errors/runtime_error.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace pelmo {
namespace {

struct SpanCase {
    int rangeClass;
    const char* chart;
    double srf;
    double start, end;  // expected; end < 0 means "Fmax"
};

constexpr float kFmax = 6e9F;

// The rows name their charts as the menus do, which keeps the table readable.
ChartKind Kind(const char* name) {
    return ChartKindFromName(name).value();
}
constexpr double kFmaxD = 6e9;

class ChartSpans : public ::testing::TestWithParam<SpanCase> {};

TEST_P(ChartSpans, StartAndEndByClassChartAndSrf) {
    const SpanCase& c = GetParam();
    const std::optional<FrequencySpan> span = ChartFrequencySpan(c.rangeClass, Kind(c.chart), kFmax, c.srf);
    ASSERT_TRUE(span.has_value());
    EXPECT_DOUBLE_EQ(span->Start, c.start);
    EXPECT_DOUBLE_EQ(span->End, c.end < 0.0 ? kFmaxD : c.end);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, ChartSpans, ::testing::Values(
    // Inductors end their ESR-like charts at the SRF, Q and apparent L just below it,
    // and at the data limit when the SRF is unknown (0).
    SpanCase{1, "Impedance",            5e9,   10e6,  -1},
    SpanCase{1, "Smith",                5e9,   10e6,  -1},
    SpanCase{1, "ESR",                  5e9,   10e6,  5e9},
    SpanCase{1, "Impedance & ESR",      5e9,   10e6,  5e9},
    SpanCase{1, "DF",                   0.0,   10e6,  -1},
    SpanCase{1, "Q",                    5e9,   10e6,  0.98 * 5e9},
    SpanCase{1, "Apparent Inductance",  0.0,   10e6,  0.98 * kFmaxD},
    SpanCase{2, "Magnitude",            1e9,   100e6, -1},
    SpanCase{2, "Apparent Inductance",  1e9,   1.1e9, -1},
    SpanCase{2, "Apparent Capacitance", 1e9,   100e6, 0.9e9},
    SpanCase{2, "Apparent Capacitance", 7e9,   100e6, -1},
    SpanCase{3, "Q",                    1e9,   300e3, -1},
    SpanCase{3, "Apparent Capacitance", 7e9,   1e3,   -1},
    SpanCase{6, "Apparent Capacitance", 1e9,   300e3, 0.9e9},
    SpanCase{4, "Reactance",            1e9,   300e3, -1},
    SpanCase{4, "Apparent Capacitance", 1e9,   1e6,   0.9e9},
    SpanCase{4, "Apparent Capacitance", 7e9,   1e6,   -1},
    SpanCase{5, "Phase",                1e9,   30e3,  -1},
    SpanCase{5, "Apparent Capacitance", 1e9,   30e3,  0.9e9},
    SpanCase{5, "Apparent Capacitance", 7e9,   1e3,   -1},
    // SRF and Fmax are compared in single precision: 100 Hz either side of 6 GHz is
    // 6 GHz in single precision, so the SRF counts as reaching the data limit.
    SpanCase{5, "Apparent Capacitance", 6e9 - 100.0, 1e3, -1},
    SpanCase{5, "Apparent Capacitance", 6e9 + 100.0, 1e3, -1},
    SpanCase{5, "Apparent Capacitance", 6e9 - 1e3,   30e3, 0.9 * (6e9 - 1e3)}),
    [](const auto& info) {
        return ::shared::testing::TestName("Class" + std::to_string(info.param.rangeClass), info.param.chart,
                                           ::shared::testing::NamePart(info.param.srf / 1e9) + "GHz");
    });
// clang-format on

TEST(ChartSpans, AClassOutsideOneToSixHasNoSpan) {
    for (int rangeClass : {0, 7, -1}) {
        EXPECT_FALSE(ChartFrequencySpan(rangeClass, ChartKind::Impedance, kFmax, 1e9).has_value());
    }
}

TEST(FrequencyGrid, IsLogarithmicFromStartToEnd) {
    const std::vector<double> grid = LogFrequencyGrid({10e6, 6e9}, 201);
    ASSERT_EQ(grid.size(), 201U);
    EXPECT_EQ(grid.front(), 10e6);
    EXPECT_NEAR(grid.back(), 6e9, 6e9 * 1e-13);
    const double step = std::pow(600.0, 1.0 / 200.0);
    for (std::size_t i = 1; i < grid.size(); ++i) {
        EXPECT_NEAR(grid[i] / grid[i - 1], step, 1e-12);
    }
}

TEST(ChartKinds, MapNamesAndNumbersBothWays) {
    EXPECT_EQ(ChartName(ChartKind::Smith), "Smith");
    EXPECT_EQ(ChartName(ChartKind::ImpedanceAndEsr), "Impedance & ESR");
    for (int k = 0; k < kChartKindCount; ++k) {
        const ChartKind kind = static_cast<ChartKind>(k);
        EXPECT_EQ(ChartKindFromName(ChartName(kind)), kind);
    }
    EXPECT_FALSE(ChartKindFromName("magnitude").has_value());
    EXPECT_FALSE(ChartKindFromName("").has_value());
}

// The texts captions, legends and printed tables show, and the one rule of which kinds
// carry an S-parameter and a connection.
TEST(ChartKinds, SParameterAndConnectionNamesAndTheKindsThatCarryThem) {
    // clang-format off
    struct Row { SParameter parameter; const char* name; };
    const Row rows[] = {{SParameter::None, ""}, {SParameter::S11, "S11"}, {SParameter::S21, "S21"}};
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(SParameterName(row.parameter), row.name);
        EXPECT_EQ(SParameterFromName(row.name), row.parameter);
    }
    EXPECT_FALSE(SParameterFromName("s21").has_value());
    EXPECT_EQ(CircuitModeName(CircuitMode::Series), "Series");
    EXPECT_EQ(CircuitModeName(CircuitMode::Shunt), "Shunt");
    EXPECT_EQ(CircuitModeFromName("Shunt"), CircuitMode::Shunt);
    EXPECT_FALSE(CircuitModeFromName("").has_value());
    int carrying = 0;
    for (int k = 0; k < kChartKindCount; ++k) carrying += HasSParameter(static_cast<ChartKind>(k)) ? 1 : 0;
    EXPECT_EQ(carrying, 3);
    EXPECT_TRUE(HasSParameter(ChartKind::Smith));
    EXPECT_TRUE(HasSParameter(ChartKind::Magnitude));
    EXPECT_TRUE(HasSParameter(ChartKind::Phase));
}

// A class-5 capacitor (series KTA, characteristic R7) with an SRF of about 712 MHz.
CapacitorRecord Class5Capacitor(float upperFrequency) {
    CapacitorRecord record = testing::SeriesRlcCapacitor(0.05F, 0.5F, 100.0F);
    record.UpperFrequency = upperFrequency;
    return record;
}

double SrfOf(const CapacitorRecord& record) {
    CapacitorConditions conditions;
    conditions.PartNumber = record.PartNumber[0];
    OperatingPointResult result;
    EvaluateCapacitor(record, 1.0, conditions, result);
    return result.ResonantFrequency;
}

CapacitorConditions ConditionsFor(const CapacitorRecord& record) {
    CapacitorConditions conditions;
    conditions.PartNumber = record.PartNumber[0];
    return conditions;
}

TEST(PlanCapacitorChart, RefusesAPartWithoutAClassBeforeEvaluatingAnything) {
    CapacitorRecord record = Class5Capacitor(6e9F);
    CapacitorConditions conditions = ConditionsFor(record);
    conditions.PartNumber = "KTW155R71H104KA88";
    OperatingPointResult result;
    result.ResonantFrequency = -1.0;
    const ChartSweepPlan plan = PlanCapacitorChart(record, conditions, ChartKind::ApparentInductance, result);
    EXPECT_EQ(plan.Refusal, ChartSweepRefusal::NoFrequencyRangeClass);
    EXPECT_EQ(result.ResonantFrequency, -1.0);
}

TEST(PlanCapacitorChart, RefusesApparentInductanceThatWouldStartBeyondTheData) {
    const double srf = SrfOf(Class5Capacitor(6e9F));
    ASSERT_NEAR(srf, testing::ResonanceOf(0.5e-9, 100e-12), srf * 1e-9);
    struct Row {
        float fmax;
        bool refused;
    };
    // Above the data; 1.1 x SRF beyond it (0.95); 1.1 x SRF exactly at it; well inside.
    const Row rows[] = {{static_cast<float>(srf * 0.9), true},
                        {static_cast<float>(srf / 0.95), true},
                        {static_cast<float>(1.1 * srf), true},
                        {static_cast<float>(srf / 0.5), false}};
    for (const Row& row : rows) {
        const CapacitorRecord record = Class5Capacitor(row.fmax);
        OperatingPointResult result;
        const ChartSweepPlan plan =
            PlanCapacitorChart(record, ConditionsFor(record), ChartKind::ApparentInductance, result);
        EXPECT_EQ(result.ResonantFrequency, srf);
        if (row.refused) {
            EXPECT_EQ(plan.Refusal, ChartSweepRefusal::ApparentInductanceNotAvailable) << row.fmax;
        } else {
            ASSERT_EQ(plan.Refusal, ChartSweepRefusal::None);
            EXPECT_DOUBLE_EQ(plan.Span.Start, 1.1 * srf);
            EXPECT_DOUBLE_EQ(plan.Span.End, static_cast<double>(row.fmax));
            EXPECT_LT(plan.Span.Start, plan.Span.End);
        }
    }
    EXPECT_STREQ(kApparentInductanceNotAvailableText,
                 "Apparent Inductance Chart is not available for this Product Number.");
}

TEST(PlanCapacitorChart, ApparentCapacitanceEndsBelowTheSrf) {
    const CapacitorRecord record = Class5Capacitor(6e9F);
    OperatingPointResult result;
    const ChartSweepPlan plan =
        PlanCapacitorChart(record, ConditionsFor(record), ChartKind::ApparentCapacitance, result);
    ASSERT_EQ(plan.Refusal, ChartSweepRefusal::None);
    EXPECT_EQ(plan.RangeClass, 5);
    EXPECT_EQ(plan.Span.Start, 30e3);
    EXPECT_DOUBLE_EQ(plan.Span.End, 0.9 * SrfOf(record));
}

bool SameBits(const ChartPoint& a, const ChartPoint& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The sweep computes the frequency-independent part once; every point must still be
// exactly what a separate evaluation at its frequency leaves in the window's result,
// stale fields included.
TEST(SweepCapacitorChart, PointsAreBitIdenticalToSeparateEvaluations) {
    const CapacitorRecord record = testing::ThreeBranchCapacitor();
    for (CircuitMode mode : {CircuitMode::Series, CircuitMode::Shunt}) {
        CapacitorConditions conditions = ConditionsFor(record);
        conditions.Connection = mode;
        conditions.Temperature = 60.0;
        OperatingPointResult swept;
        swept.ApparentInductance = 42.0;  // left by some earlier evaluation
        OperatingPointResult single = swept;
        const ChartSweepPlan plan = PlanCapacitorChart(record, conditions, ChartKind::Impedance, swept);
        ASSERT_EQ(plan.Refusal, ChartSweepRefusal::None);
        ChartPointTable points;
        SweepCapacitorChart(record, conditions, plan, swept, points);

        const std::vector<double> grid = LogFrequencyGrid(plan.Span, kChartPointCount);
        for (int i = 0; i < kChartPointCount; ++i) {
            EvaluateCapacitor(record, grid[i] * 6.283185308, conditions, single);
            ASSERT_TRUE(SameBits(points[i], ChartPointFrom(grid[i], single))) << i;
        }
        EXPECT_EQ(std::memcmp(&swept, &single, sizeof swept), 0);
    }
}

TEST(SweepCapacitorChart, AboveTheSrfApparentCapacitanceRepeatsItsLastValue) {
    const CapacitorRecord record = Class5Capacitor(6e9F);
    const CapacitorConditions conditions = ConditionsFor(record);
    OperatingPointResult result;
    const ChartSweepPlan plan = PlanCapacitorChart(record, conditions, ChartKind::Impedance, result);
    ChartPointTable points;
    SweepCapacitorChart(record, conditions, plan, result, points);
    EXPECT_EQ(points.front().Frequency, 30e3);
    EXPECT_NEAR(points.back().Frequency, 6e9, 6e9 * 1e-12);
    const double srf = SrfOf(record);
    int above = 0;
    for (int i = 1; i < kChartPointCount; ++i) {
        if (points[i].Frequency * 6.283185308 >= srf * 6.283185308) {
            ++above;
            EXPECT_EQ(points[i].ApparentCapacitance, points[i - 1].ApparentCapacitance) << i;
            EXPECT_GT(points[i].ApparentInductance, 0.0) << i;
        } else {
            EXPECT_NE(points[i].ApparentCapacitance, points[i - 1].ApparentCapacitance) << i;
        }
    }
    EXPECT_GT(above, 10);
}

TEST(SweepInductorChart, EndsAtTheSrfAndKeepsTheCapacitorOnlyFields) {
    InductorRecord record = testing::TestInductor();
    const ChartSweepPlan plan = PlanInductorChart(record, ChartKind::Esr);
    ASSERT_EQ(plan.Refusal, ChartSweepRefusal::None);
    EXPECT_EQ(plan.RangeClass, 1);
    OperatingPointResult result;
    result.DissipationFactor = 0.25;
    OperatingPointResult single = result;
    ChartPointTable points;
    SweepInductorChart(record, plan, result, points);
    EXPECT_EQ(points.front().Frequency, 10e6);
    EXPECT_NEAR(points.back().Frequency, 5.6e9, 5.6e9 * 1e-7);
    const std::vector<double> grid = LogFrequencyGrid(plan.Span, kChartPointCount);
    for (int i = 0; i < kChartPointCount; ++i) {
        EXPECT_EQ(points[i].DF, 0.25);
        EvaluateInductor(record, grid[i] * 6.283185308, single);
        ASSERT_TRUE(SameBits(points[i], ChartPointFrom(grid[i], single))) << i;
    }

    record.SelfResonance = 0.0F;
    EXPECT_DOUBLE_EQ(PlanInductorChart(record, ChartKind::Esr).Span.End, 6e9);
    record.PartNumber = "QQ1005";
    EXPECT_EQ(PlanInductorChart(record, ChartKind::Esr).Refusal, ChartSweepRefusal::NoFrequencyRangeClass);
}

TEST(SweepCapacitorChart, ARefusedPlanIsNotSwept) {
    const CapacitorRecord record = Class5Capacitor(6e9F);
    ChartSweepPlan plan;
    plan.Refusal = ChartSweepRefusal::NoFrequencyRangeClass;
    OperatingPointResult result;
    ChartPointTable points;
    EXPECT_THROW(SweepCapacitorChart(record, ConditionsFor(record), plan, result, points),
                 shared::RuntimeError);
}

}  // namespace
}  // namespace pelmo
