#include "darvo/engine/calculate_data_t.h"

#include "darvo/engine/prepared_chart_record.h"
#include "engine_test_parts.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/testing/fake_messages.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace darvo {
namespace {

using testing::HeatPart;
using testing::ThermalRequest;

// A table with one open curve, so that "as before" has something to lose.
class CalculateDataTTest : public ::testing::Test {
protected:
    CalculateDataTTest() {
        ChartDataRecord& first = table_.Prepare();
        first = ThermalRequest(0, Quantity::Current, Quantity::TemperatureRise, 100.0F);
        first.ProductIndex = 7;
        table_.AdoptPrepared();
    }

    // Prepares a request, runs the engine and returns its result; a curve that the engine
    // accepted is kept in `curve_` and the table is left at rest.
    bool Run(const ProductRecord& part, const ChartDataRecord& request) {
        PreparedChartRecord prepared(table_);
        prepared.Record() = request;
        const bool ok = CalculateDataT(table_, part, messages_, '.');
        if (ok) {
            curve_ = prepared.Record();
        }
        return ok;
    }

    void ExpectTableAsBefore() const {
        EXPECT_FALSE(table_.IsPreparing());
        EXPECT_EQ(table_.ChartCount(), 1);
        ASSERT_EQ(table_.Size(), 1U);
        EXPECT_EQ(table_.At(0).ProductIndex, 7);
    }

    ChartTable table_;
    shared::FakeMessages messages_;
    ChartDataRecord curve_;
};

ChartDataRecord OverFrequency(Quantity parameter, float value, float rth) {
    ChartDataRecord record = ThermalRequest(0, Quantity::Frequency, Quantity::TemperatureRise, rth);
    record.ParameterName = parameter;
    record.ParameterValue = value;
    return record;
}

TEST_F(CalculateDataTTest, LoadAboveItsBoundIsRefusedWithTheMessageAndTheTableAsBefore) {
    const ProductRecord part = HeatPart(4.0F, 0.5F, 2.0F);
    EXPECT_FALSE(Run(part, OverFrequency(Quantity::Current, 4.48F, 100.0F)));
    ExpectTableAsBefore();
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].text,
              "Parameter is invalid!\nPlease enter a Number from 0 to 4.47 [Arms]");
    EXPECT_EQ(messages_.Shown()[0].icon, shared::MessageIcon::Exclamation);
    EXPECT_EQ(messages_.Shown()[0].title, "darvo");

    messages_.Clear();
    EXPECT_FALSE(Run(part, OverFrequency(Quantity::EffectivePower, -0.1F, 100.0F)));
    ExpectTableAsBefore();
    EXPECT_EQ(messages_.Shown().at(0).text, "Parameter is invalid!\nPlease enter a Number from 0 to 0.8 [W]");

    // The corrected request goes through.
    messages_.Clear();
    EXPECT_TRUE(Run(part, OverFrequency(Quantity::Current, 4.47F, 100.0F)));
    EXPECT_TRUE(messages_.Shown().empty());
}

// The rise over frequency at the default heat resistance, and at twice it: the current,
// voltage and apparent-power rises scale with Rth / q like the rise over load does.
TEST_F(CalculateDataTTest, RiseOverFrequencyScalesWithTheEnteredHeatResistance) {
    // clang-format off
    struct { Quantity name; float value; double atQ; } cases[] = {
        {Quantity::Current, 2.0F, 2.0 * 2.0 * 4.0},                 // I² · 4
        {Quantity::Voltage, 3.0F, 0.5 * 3.0 * 3.0},                 // 0.5 · V²
        {Quantity::ApparentPower, 5.0F, 5.0 * std::sqrt(0.5 * 4.0)},  // S · sqrt(K1 K2) for F = 2
        {Quantity::EffectivePower, 0.1F, 0.1 * 100.0},             // P · Rth
    };
    // clang-format on
    const ProductRecord part = HeatPart(4.0F, 0.5F, 2.0F);
    for (const auto& c : cases) {
        ASSERT_TRUE(Run(part, OverFrequency(c.name, c.value, 100.0F))) << QuantityName(c.name);
        EXPECT_NEAR(curve_.YData[0], c.atQ, 1e-4 * c.atQ) << QuantityName(c.name);
        EXPECT_NEAR(curve_.YData[199], c.atQ, 1e-4 * c.atQ) << QuantityName(c.name);
        EXPECT_FLOAT_EQ(curve_.XData[0], 1e5F);
        EXPECT_FLOAT_EQ(curve_.XData[199], 1e6F);
        EXPECT_FLOAT_EQ(curve_.Xmin, 1e5F);
        EXPECT_FLOAT_EQ(curve_.Xmax, 1e6F);
        EXPECT_FLOAT_EQ(curve_.Ymax, std::floor(static_cast<float>(c.atQ) / 10.0F) * 10.0F + 10.0F)
            << QuantityName(c.name);

        ASSERT_TRUE(Run(part, OverFrequency(c.name, c.value, 200.0F))) << QuantityName(c.name);
        EXPECT_NEAR(curve_.YData[100], 2.0 * c.atQ, 2e-4 * c.atQ) << QuantityName(c.name);
    }
    ExpectTableAsBefore();
}

TEST_F(CalculateDataTTest, RiseOverFrequencyAgreesWithTheRiseOverCurrentAtOneMegahertz) {
    ProductRecord part = HeatPart(2.0F, 0.5F, 2.0F);
    part.HeatModel[0] = 4e5F;  // a0: the rise per A² now falls with frequency
    ASSERT_TRUE(Run(part, OverFrequency(Quantity::Current, 1.5F, 300.0F)));
    const float atOneMegahertz = curve_.YData[199];

    ChartDataRecord overCurrent = ThermalRequest(0, Quantity::Current, Quantity::TemperatureRise, 300.0F);
    overCurrent.Frequency = 1000.0F;
    ASSERT_TRUE(Run(part, overCurrent));
    const double k2 = curve_.YData[199] / std::pow(curve_.XData[199], 2.0);
    EXPECT_NEAR(atOneMegahertz, k2 * 1.5 * 1.5, 1e-4);
    EXPECT_NEAR(k2, (0.4 + 2.0) * 3.0, 1e-4);
}

TEST_F(CalculateDataTTest, RiseOverFrequencyOfEightyOrMoreEndsTheAxisAt80) {
    const ProductRecord part = HeatPart(4.0F, 0.5F, 2.0F);
    ASSERT_TRUE(Run(part, OverFrequency(Quantity::Current, std::sqrt(20.0F), 100.0F)));
    EXPECT_FLOAT_EQ(curve_.Ymax, 80.0F);
}

// ---------------------------------------------------------------------------------
// Allowable power.

TEST_F(CalculateDataTTest, AllowableVoltageFollowsTheDcBiasCeiling) {
    // Losses so small that the rated voltage limits the load at every frequency.
    const ProductRecord part = HeatPart(4.0F, 0.01F, 2.0F);
    // clang-format off
    struct { float bias; double ceiling; } cases[] = {
        {0.0F, 0.354 * 10.0},
        {5.0F, 0.354 * 10.0},           // exactly half the rating
        {6.0F, 0.707 * (10.0 - 6.0)},   // above half: what is left of the rating
        {9.5F, 0.707 * 0.5},
    };
    // clang-format on
    for (const auto& c : cases) {
        ASSERT_TRUE(
            Run(part, ThermalRequest(1, Quantity::Frequency, Quantity::Voltage, 100.0F, 25.0F, c.bias)));
        EXPECT_NEAR(curve_.YData[0], c.ceiling, 1e-5) << c.bias;
        EXPECT_NEAR(curve_.YData[199], c.ceiling, 1e-5) << c.bias;
        EXPECT_NEAR(curve_.MaxValue, c.ceiling, 1e-5) << c.bias;
        // Current at the ceiling: the rise K1·V² expressed through K2.
        ASSERT_TRUE(
            Run(part, ThermalRequest(1, Quantity::Frequency, Quantity::Current, 100.0F, 25.0F, c.bias)));
        EXPECT_NEAR(curve_.YData[50], c.ceiling * std::sqrt(0.01 / 4.0), 1e-5) << c.bias;
    }
}

TEST_F(CalculateDataTTest, AllowableCurrentFollowsTheAllowanceWithLogarithmicDecades) {
    // Lossy in voltage, so the allowed rise limits the current: I = sqrt(allowance / 4).
    const ProductRecord part = HeatPart(4.0F, 100.0F, 2.0F);
    // clang-format off
    struct { float ambient; double current; float ymax; float ymin; } cases[] = {
        {25.0F, std::sqrt(20.0 / 4.0), 10.0F, 1.0F},
        {105.0F, std::sqrt(20.0 / 4.0), 10.0F, 1.0F},
        {120.0F, std::sqrt(5.0 / 4.0), 10.0F, 1.0F},    // Tmax - 5
        {124.9F, std::sqrt(0.1 / 4.0), 1.0F, 0.1F},
    };
    // clang-format on
    for (const auto& c : cases) {
        ASSERT_TRUE(Run(part, ThermalRequest(1, Quantity::Frequency, Quantity::Current, 100.0F, c.ambient)));
        EXPECT_NEAR(curve_.YData[120], c.current, 1e-3 * c.current) << c.ambient;
        EXPECT_NEAR(curve_.MaxValue, c.current, 1e-3 * c.current) << c.ambient;
        EXPECT_FLOAT_EQ(curve_.Ymax, c.ymax) << c.ambient;
        EXPECT_FLOAT_EQ(curve_.Ymin, c.ymin) << c.ambient;
        EXPECT_FLOAT_EQ(curve_.Xmin, 1e5F);
        EXPECT_FLOAT_EQ(curve_.Xmax, 1e6F);
    }
    ASSERT_TRUE(Run(part, ThermalRequest(1, Quantity::Frequency, Quantity::EffectivePower, 100.0F)));
    EXPECT_NEAR(curve_.YData[0], 20.0 / 100.0, 1e-6);  // I² K2 / Rth = allowance / Rth
    ASSERT_TRUE(Run(part, ThermalRequest(1, Quantity::Frequency, Quantity::ApparentPower, 100.0F)));
    EXPECT_NEAR(curve_.YData[0], std::sqrt(5.0) * std::sqrt(0.2), 1e-5);
}

// ---------------------------------------------------------------------------------
// Numerical failures: reported, and the table as before.

TEST_F(CalculateDataTTest, NumericalFailuresAreReportedAndLeaveTheTableAsBefore) {
    // clang-format off
    struct { const char* what; ProductRecord part; ChartDataRecord request; int number; } cases[] = {
        {"above Tmax", HeatPart(4.0F, 1.0F, 2.0F), ThermalRequest(1, Quantity::Frequency, Quantity::Current, 100.0F, 126.0F), 5},
        {"at Tmax", HeatPart(4.0F, 1.0F, 2.0F), ThermalRequest(1, Quantity::Frequency, Quantity::Voltage, 100.0F, 125.0F), 5},
        {"zero Rth", HeatPart(4.0F, 1.0F, 2.0F), ThermalRequest(0, Quantity::EffectivePower, Quantity::TemperatureRise, 0.0F), 11},
        {"zero q", HeatPart(4.0F, 1.0F, 2.0F, 0.0F), ThermalRequest(0, Quantity::Current, Quantity::TemperatureRise, 100.0F), 11},
        {"negative F", HeatPart(4.0F, 1.0F, -1.0F), ThermalRequest(0, Quantity::Voltage, Quantity::TemperatureRise, 100.0F), 6},
        {"apparent F = -2", HeatPart(4.0F, 1.0F, -2.0F),
             ThermalRequest(0, Quantity::ApparentPower, Quantity::TemperatureRise, 100.0F), 6},
        {"unknown load", HeatPart(4.0F, 1.0F, 2.0F), OverFrequency(Quantity::Temperature, 0.1F, 100.0F), 5},
        {"no rating", HeatPart(4.0F, 1.0F, 2.0F, 100.0F, 125.0F, 0.0F),
             ThermalRequest(1, Quantity::Frequency, Quantity::Current, 100.0F), 11},
    };
    // clang-format on
    for (const auto& c : cases) {
        try {
            Run(c.part, c.request);
            ADD_FAILURE() << c.what << ": no failure reported";
        } catch (const shared::RuntimeError& error) {
            EXPECT_EQ(error.Number(), c.number) << c.what;
            EXPECT_EQ(error.Source(), "darvo:mdlPublic.CalculateDataT") << c.what;
            EXPECT_EQ(error.ReportTitle(), "darvo:mdlPublic.CalculateDataT") << c.what;
            EXPECT_NE(error.Description().find("CalculateDataT"), std::string::npos) << c.what;
        }
        ExpectTableAsBefore();
        EXPECT_TRUE(messages_.Shown().empty()) << c.what;
    }
}

TEST_F(CalculateDataTTest, CapacitanceChartsAreLeftToTheirOwnEngine) {
    ChartDataRecord request = ThermalRequest(2, Quantity::Temperature, Quantity::Capacitance, 100.0F);
    request.YData[3] = 42.0F;
    ASSERT_TRUE(Run(HeatPart(4.0F, 1.0F, 2.0F), request));
    EXPECT_EQ(curve_, request);
}

}  // namespace
}  // namespace darvo
