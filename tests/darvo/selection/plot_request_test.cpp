// The plot request of darvo's selection model: validation, the duplicate and the
// seventh-curve refusals, the record handed over and the chart table left as before on
// every refused or failed path.

#include "darvo/engine/chart_table.h"
#include "darvo/library/product_library.h"
#include "darvo/selection/library_selection.h"
#include "darvo/selection/testing/scripted_selection_host.h"
#include "tests/darvo/selection/selection_test_library.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/testing/fake_cursor.h"
#include "shared/platform/testing/fake_messages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace darvo {
namespace {

using namespace testing;

class PlotRequestTest : public ::testing::Test {
protected:
    PlotRequestTest() {
        host_.Attach(&model_);
        model_.Form_Load(2);
    }

    // The table's records, as the chart windows see them.
    std::vector<ChartDataRecord> Records() const {
        std::vector<ChartDataRecord> records;
        for (std::size_t i = 0; i < table_.Size(); ++i) records.push_back(table_.At(i));
        return records;
    }
    std::int32_t IndexOf(const char* eia) const { return *library_.PartIndex[shared::Eia].Find(eia); }
    void ExpectMessages(const std::vector<std::string>& texts) {
        std::vector<std::string> shown;
        for (const shared::RecordedMessage& message : messages_.Shown()) {
            shown.push_back(message.text);
            EXPECT_EQ(message.icon, shared::MessageIcon::Exclamation) << message.text;
            EXPECT_EQ(message.title, "darvo") << message.text;
        }
        EXPECT_EQ(shown, texts);
        messages_.Clear();
    }
    // The table as it must be after a refusal: exactly what it held before, at rest.
    void ExpectUnchanged(const std::vector<ChartDataRecord>& before, std::int16_t count) {
        EXPECT_FALSE(table_.IsPreparing());
        EXPECT_EQ(table_.ChartCount(), count);
        EXPECT_EQ(Records(), before);
        EXPECT_EQ(cursor_.Depth(), 0);
    }

    ProductLibrary library_ = SelectionTestLibrary();
    ChartTable table_;
    shared::FakeMessages messages_;
    shared::FakeCursor cursor_;
    ScriptedSelectionHost host_{library_, table_, '.'};
    LibrarySelection model_{library_, table_, messages_, cursor_, host_, '.'};
};

TEST_F(PlotRequestTest, TheFirstRequestOpensAWindowWithTheWindowsRecordAndTheNextAddsCurves) {
    model_.cmbPartNum_Click(kPart16V);
    model_.SetDCBiasVolText("5");
    model_.SetAmbientTempText("40");
    model_.cmdPlot_Click();
    EXPECT_TRUE(messages_.Shown().empty());
    ASSERT_EQ(host_.newCharts, 1);
    EXPECT_EQ(table_.ChartCount(), 1);
    ASSERT_EQ(table_.Size(), 1U);
    const ChartDataRecord& curve = table_.At(0);
    EXPECT_EQ(curve.ChartType, TemperatureRise);
    EXPECT_EQ(curve.XAxisName, Quantity::Current);
    EXPECT_EQ(curve.YAxisName, Quantity::TemperatureRise);
    EXPECT_EQ(curve.ProductIndex, IndexOf(kPart16V));
    EXPECT_EQ(curve.DCBiasVoltage, 5.0F);
    EXPECT_EQ(curve.HeatResistance, 100.0F);
    EXPECT_EQ(curve.Frequency, 100.0F);
    EXPECT_EQ(curve.AmbientTemperature, 40.0F);
    EXPECT_EQ(curve.ParameterName, Quantity::Current);
    EXPECT_EQ(curve.ParameterValue, 0.1F);
    // The engine filled the series and range.
    EXPECT_GT(curve.Xmax, curve.Xmin);
    EXPECT_GT(curve.YData[199], curve.YData[0]);
    EXPECT_EQ(cursor_.Depth(), 0);
    EXPECT_EQ(cursor_.HourglassCalls(), 1);

    // Nothing changed: refused, and the table stays.
    const std::vector<ChartDataRecord> before = Records();
    model_.cmdPlot_Click();
    ExpectMessages({"This Chart is already opened!"});
    ExpectUnchanged(before, 1);

    // Another part of the same identity joins the open window.
    model_.cmbPartNum_Click(kPart10V);
    model_.cmdPlot_Click();
    EXPECT_EQ(host_.newCharts, 1);
    ASSERT_EQ(host_.curvesAdded.size(), 1U);
    EXPECT_EQ(host_.curvesAdded[0],
              (ChartIdentity{TemperatureRise, Quantity::Current, Quantity::TemperatureRise}));
    EXPECT_EQ(host_.openCharts[0], host_.curvesAdded[0]);
    EXPECT_EQ(table_.ChartCount(), 2);
    EXPECT_EQ(table_.At(1).ProductIndex, IndexOf(kPart10V));
}

TEST_F(PlotRequestTest, TheSeventhCurveOfAnIdentityIsRefusedWhileAnotherXAxisOpensItsOwnWindow) {
    model_.cmbPartNum_Click(kPart16V);
    // Every box counts, even one the chart does not use.
    const char* biases[] = {"0", "1", "2", "3", "4", "5"};
    for (const char* bias : biases) {
        model_.SetDCBiasVolText(bias);
        model_.cmdPlot_Click();
    }
    EXPECT_TRUE(messages_.Shown().empty());
    EXPECT_EQ(table_.ChartCount(), 6);
    EXPECT_EQ(host_.curvesAdded.size(), 5U);

    const std::vector<ChartDataRecord> before = Records();
    model_.SetDCBiasVolText("6");
    model_.cmdPlot_Click();
    ExpectMessages({"Maximum Numbers of this Chart Type open!"});
    ExpectUnchanged(before, 6);

    model_.cmbXaxis_Click("Voltage");
    model_.cmdPlot_Click();
    EXPECT_TRUE(messages_.Shown().empty());
    EXPECT_EQ(host_.newCharts, 2);
    EXPECT_EQ(table_.ChartCount(), 7);
    EXPECT_EQ(table_.At(6).XAxisName, Quantity::Voltage);

    // Once the first window is closed its identity opens a new window again, and the
    // same request is no duplicate any more.
    host_.CloseChart(host_.openCharts[0]);
    EXPECT_EQ(table_.ChartCount(), 1);
    model_.cmbXaxis_Click("Current");
    model_.SetDCBiasVolText("0");
    model_.cmdPlot_Click();
    EXPECT_TRUE(messages_.Shown().empty());
    EXPECT_EQ(host_.newCharts, 3);
    EXPECT_EQ(table_.ChartCount(), 2);
}

TEST_F(PlotRequestTest, AChangeOfTheParameterOptionAloneIsANewCurve) {
    model_.cmbPartNum_Click(kPart16V);
    model_.cmbXaxis_Click("Frequency");
    model_.cmdPlot_Click();
    model_.optParameter_Click(1);
    EXPECT_EQ(model_.State().Parameter.Text, "0.1");
    model_.cmdPlot_Click();
    EXPECT_TRUE(messages_.Shown().empty());
    ASSERT_EQ(table_.ChartCount(), 2);
    EXPECT_EQ(table_.At(0).ParameterName, Quantity::Current);
    EXPECT_EQ(table_.At(1).ParameterName, Quantity::Voltage);
    EXPECT_EQ(table_.At(1).ParameterValue, 0.1F);
    model_.cmdPlot_Click();
    ExpectMessages({"This Chart is already opened!"});
}

TEST_F(PlotRequestTest, ARefusedCheckOrAnEngineRefusalLeavesTheTableAsItWas) {
    model_.cmbPartNum_Click(kPart16V);
    model_.cmdPlot_Click();
    const std::vector<ChartDataRecord> before = Records();

    // The first refused box stops the request.
    model_.SetDCBiasVolText("abc");
    model_.SetHeatResistanceText("0");
    model_.cmdPlot_Click();
    ExpectMessages({"DC Bias Voltage is invalid!\r\nPlease enter a Number from 0 to 16[V]"});
    EXPECT_EQ(model_.TakeFocus(), FocusTarget::DCBiasVol);
    ExpectUnchanged(before, 1);

    // A load above the part's bound: the engine's message, no window, the table as before.
    model_.SetDCBiasVolText("0");
    model_.SetHeatResistanceText("100");
    model_.cmbXaxis_Click("Frequency");
    model_.SetParameterText("1000");
    model_.cmdPlot_Click();
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].text.rfind("Parameter is invalid!", 0), 0U) << messages_.Shown()[0].text;
    messages_.Clear();
    ExpectUnchanged(before, 1);
    EXPECT_EQ(host_.newCharts, 1);

    // Corrected, the same request opens the window.
    model_.SetParameterText("0.5");
    model_.cmdPlot_Click();
    EXPECT_TRUE(messages_.Shown().empty());
    EXPECT_EQ(host_.newCharts, 2);
    EXPECT_EQ(table_.ChartCount(), 2);
}

TEST_F(PlotRequestTest, AChartWindowThatFailsToAdoptLeavesTheTableAndPointerAsBefore) {
    model_.cmbPartNum_Click(kPart16V);
    host_.windowFails = true;
    EXPECT_THROW(model_.cmdPlot_Click(), shared::RuntimeError);
    ExpectUnchanged({ChartDataRecord{}}, 0);

    model_.cmdPlot_Click();
    model_.SetDCBiasVolText("1");
    host_.windowFails = true;
    const std::vector<ChartDataRecord> before = Records();
    EXPECT_THROW(model_.cmdPlot_Click(), shared::RuntimeError);
    ExpectUnchanged(before, 1);
    // And the failed request was no curve: asking again goes through.
    model_.cmdPlot_Click();
    EXPECT_EQ(table_.ChartCount(), 2);
}

TEST_F(PlotRequestTest, CapacitanceChartsAreComputedInTheNotationInForce) {
    model_.optChartType_Click(3);
    model_.cmbPartNum_Click(kPart6V3);
    model_.SetAmbientTempText("85");
    model_.cmdPlot_Click();
    EXPECT_TRUE(messages_.Shown().empty());
    ASSERT_EQ(table_.ChartCount(), 1);
    EXPECT_EQ(table_.At(0).ChartType, CapacitanceDcVoltage);
    EXPECT_EQ(table_.At(0).XAxisName, Quantity::DcBiasVoltage);
    EXPECT_EQ(table_.At(0).YAxisName, Quantity::Capacitance);
    EXPECT_EQ(table_.At(0).AmbientTemperature, 85.0F);
    EXPECT_NEAR(table_.At(0).XData[199], 6.3F, 1e-3F);
    // The same request under the data output's name: the record written by the window
    // into a prepared element, the table shrunk back by the caller.
    table_.Prepare();
    model_.WriteChartData(IndexOf(kPart6V3), model_.GetChartType());
    EXPECT_TRUE(model_.CalculateChartData(IndexOf(kPart6V3)));
    EXPECT_EQ(table_.Prepared().XData, table_.At(0).XData);
    table_.DiscardPrepared();
    EXPECT_EQ(table_.Size(), 1U);
}

}  // namespace
}  // namespace darvo
