#include "pelmo/charts/chart_axis.h"

#include "pelmo/charts/axis_labels.h"
#include "support/test_names.h"

#include "shared/errors/runtime_error.h"

#include <cmath>
#include <gtest/gtest.h>

namespace pelmo {
namespace {

const Log10Function kLog = [](double x) { return std::log10(x); };

std::vector<std::string> Texts(const std::vector<AxisLabel>& labels) {
    std::vector<std::string> texts;
    for (const AxisLabel& label : labels) texts.push_back(label.Text);
    return texts;
}

struct FrequencyRow {
    const char* name;
    std::vector<FrequencyAxisTrace> traces;
    int decadeWidth, decades, startExponent;
    std::vector<std::string> labels;  // on an Impedance chart
};

class FrequencyAxisTest : public ::testing::TestWithParam<FrequencyRow> {};

TEST_P(FrequencyAxisTest, WidestClassDecidesTheDecades) {
    const FrequencyRow& row = GetParam();
    ChartAxis axis = InitialChartAxis(ChartKind::Impedance);
    LayoutFrequencyAxis(axis, row.traces);
    EXPECT_EQ(axis.DecadeWidth, row.decadeWidth);
    EXPECT_EQ(axis.Decades, row.decades);
    EXPECT_EQ(axis.StartExponent, row.startExponent);
    EXPECT_EQ(Texts(FrequencyLabels(ChartKind::Impedance, axis, '.')), row.labels);
    // The plot area stays about 2400 wide.
    EXPECT_NEAR(PlotRight(axis) - axis.Left, 2400, 6);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, FrequencyAxisTest, ::testing::Values(
    FrequencyRow{"Inductor", {{1, 6e9F}}, 800, 3, -1, {"10", "100", "1,000", "10,000"}},
    FrequencyRow{"InductorThenClass5", {{1, 6e9F}, {5, 6e9F}}, 400, 6, 2,
                 {"0.01", "0.1", "1", "10", "100", "1,000", "10,000"}},
    FrequencyRow{"Class5At20GHz", {{5, 6e9F}, {4, 20e9F}}, 342, 7, 2,
                 {"0.01", "0.1", "1", "10", "100", "1,000", "10,000", "100,000"}},
    FrequencyRow{"Class3", {{3, 6e9F}}, 480, 5, 1, {"0.1", "1", "10", "100", "1,000", "10,000"}},
    FrequencyRow{"Class4At20GHz", {{4, 20e9F}}, 400, 6, 1,
                 {"0.1", "1", "10", "100", "1,000", "10,000", "100,000"}},
    FrequencyRow{"Class6BeforeClass1", {{1, 0.0F}, {6, 0.0F}}, 480, 5, 1, {"0.1", "1", "10", "100", "1,000", "10,000"}},
    FrequencyRow{"Class2", {{2, 6e9F}}, 1200, 2, -2, {"100", "1,000", "10,000"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(FrequencyAxis, MagnitudeAndPhaseEndTheirFourHundredWideAxisIn1E5) {
    ChartAxis axis = InitialChartAxis(ChartKind::Magnitude);
    LayoutFrequencyAxis(axis, {{3, 20e9F}});
    EXPECT_EQ(Texts(FrequencyLabels(ChartKind::Magnitude, axis, '.')).back(), "1E+5");
    EXPECT_EQ(Texts(FrequencyLabels(ChartKind::Phase, axis, '.')).back(), "1E+5");
    EXPECT_EQ(Texts(FrequencyLabels(ChartKind::Q, axis, '.')).back(), "100,000");
    const std::vector<AxisLabel> labels = FrequencyLabels(ChartKind::Magnitude, axis, '.');
    EXPECT_EQ(labels[2].AnchorX, 450 + 2 * 400);
    EXPECT_EQ(labels[2].Top, 350);
    EXPECT_EQ(labels[2].Alignment, AxisLabel::Align::Centre);
}

TEST(FrequencyAxis, NoClassIsRefused) {
    ChartAxis axis = InitialChartAxis(ChartKind::Q);
    EXPECT_THROW(LayoutFrequencyAxis(axis, {{0, 6e9F}}), shared::RuntimeError);
    EXPECT_THROW(LayoutFrequencyAxis(axis, {}), shared::RuntimeError);
}

TEST(FrequencyAxis, FrequencyMapsOntoDecades) {
    ChartAxis axis = InitialChartAxis(ChartKind::Q);
    LayoutFrequencyAxis(axis, {{1, 0.0F}});
    EXPECT_DOUBLE_EQ(FrequencyX(axis, 10e6, kLog), 470);
    EXPECT_DOUBLE_EQ(FrequencyX(axis, 100e6, kLog), 1270);
    EXPECT_DOUBLE_EQ(FrequencyX(axis, 10e9, kLog), 470 + 2400);
}

struct MagnitudeRow {
    double vmin;
    int divisions, divisionHeight;
    std::vector<std::string> labels;
};

class MagnitudeAxisTest : public ::testing::TestWithParam<MagnitudeRow> {};

TEST_P(MagnitudeAxisTest, TenDecibelStepsBelowTheMinimum) {
    const MagnitudeRow& row = GetParam();
    ChartAxis axis = InitialChartAxis(ChartKind::Magnitude);
    LayoutMagnitudeAxis(axis, row.vmin);
    EXPECT_EQ(axis.Divisions, row.divisions);
    EXPECT_EQ(axis.DivisionHeight, row.divisionHeight);
    EXPECT_EQ(axis.ValueExponent, row.divisions);
    EXPECT_EQ(Texts(ValueLabels(ChartKind::Magnitude, axis, '.')), row.labels);
    // 0 dB on the top line, the lowest label on the bottom line.
    EXPECT_DOUBLE_EQ(ValueY(ChartKind::Magnitude, axis, 0.0, kLog), 400 + row.divisions * row.divisionHeight);
    EXPECT_DOUBLE_EQ(ValueY(ChartKind::Magnitude, axis, -10.0 * row.divisions, kLog), 400);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, MagnitudeAxisTest, ::testing::Values(
    MagnitudeRow{-47.3, 5, 480, {"-50", "-40", "-30", "-20", "-10", "0"}},
    MagnitudeRow{-40.0, 5, 480, {"-50", "-40", "-30", "-20", "-10", "0"}},
    MagnitudeRow{-6.0, 1, 2400, {"-10", "0"}},
    MagnitudeRow{-0.2, 1, 2400, {"-10", "0"}},
    MagnitudeRow{-65.5, 7, 343, {"-70", "-60", "-50", "-40", "-30", "-20", "-10", "0"}}),
    [](const auto& info) {
        return ::shared::testing::TestName("Min", info.param.vmin, "Divisions", info.param.divisions);
    });
// clang-format on

struct LogRow {
    double vmin, vmax;
    int divisions, valueExponent;
    std::vector<std::string> labels;
};

class LogAxisTest : public ::testing::TestWithParam<LogRow> {};

TEST_P(LogAxisTest, WholeDecadesAroundTheValues) {
    const LogRow& row = GetParam();
    ChartAxis axis = InitialChartAxis(ChartKind::Impedance);
    LayoutLogAxis(axis, row.vmin, row.vmax, kLog);
    EXPECT_EQ(axis.Divisions, row.divisions);
    EXPECT_EQ(axis.ValueExponent, row.valueExponent);
    EXPECT_EQ(Texts(ValueLabels(ChartKind::Impedance, axis, '.')), row.labels);
    const std::vector<AxisLabel> labels = ValueLabels(ChartKind::Impedance, axis, '.');
    EXPECT_EQ(labels[1].AnchorX, 440);
    EXPECT_EQ(labels[1].Top, 400 + 100 + axis.DivisionHeight);
    EXPECT_EQ(labels[1].Alignment, AxisLabel::Align::Right);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, LogAxisTest, ::testing::Values(
    LogRow{0.05, 300, 5, 2, {"0.01", "0.1", "1", "10", "100", "1,000"}},
    LogRow{2, 7, 1, 0, {"1", "10"}},
    LogRow{1e-5, 0.002, 3, 5, {"0.00001", "0.0001", "0.001", "0.01"}},
    LogRow{50, 2e6, 6, -1, {"10", "100", "1,000", "10,000", "1E+05", "1E+06", "1E+07"}}),
    [](const auto& info) {
        return ::shared::testing::TestName(info.param.vmin, "To", info.param.vmax, "Divisions", info.param.divisions);
    });
// clang-format on

TEST(ValueAxis, LogarithmicKindsMapDecadesAndReactanceItsMagnitude) {
    ChartAxis axis = InitialChartAxis(ChartKind::Reactance);
    LayoutLogAxis(axis, 0.05, 300, kLog);
    EXPECT_DOUBLE_EQ(ValueY(ChartKind::Impedance, axis, 0.01, kLog), 400);
    EXPECT_DOUBLE_EQ(ValueY(ChartKind::Impedance, axis, 1000, kLog), 400 + 2400);
    EXPECT_DOUBLE_EQ(ValueY(ChartKind::Reactance, axis, -10, kLog),
                     ValueY(ChartKind::Reactance, axis, 10, kLog));
}

TEST(ValueAxis, PhaseIsFixedFromMinusToPlus180) {
    const ChartAxis axis = InitialChartAxis(ChartKind::Phase);
    EXPECT_EQ(axis.Left, 450);
    EXPECT_EQ(axis.Divisions, 4);
    EXPECT_EQ(Texts(ValueLabels(ChartKind::Phase, axis, '.')),
              (std::vector<std::string>{"-180", "-90", "0", "90", "180"}));
    EXPECT_DOUBLE_EQ(ValueY(ChartKind::Phase, axis, 0, kLog), 400 + 1200);
    EXPECT_DOUBLE_EQ(ValueY(ChartKind::Phase, axis, -180, kLog), 400);
    EXPECT_DOUBLE_EQ(ValueY(ChartKind::Phase, axis, 180, kLog), 2800);
}

TEST(ValueAxis, ALayoutBeyondSixteenBitsIsAnOverflow) {
    ChartAxis axis = InitialChartAxis(ChartKind::Magnitude);
    EXPECT_THROW(LayoutMagnitudeAxis(axis, -1e6), shared::RuntimeError);
}

}  // namespace
}  // namespace pelmo
