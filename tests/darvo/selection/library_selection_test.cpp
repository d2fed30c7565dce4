// The selection model of darvo: the part-list cascade, the typed part number, the chart
// type switch, the condition boxes and the notation switch through the host.

#include "darvo/selection/library_selection.h"

#include "darvo/engine/chart_table.h"
#include "darvo/library/product_library.h"
#include "darvo/selection/testing/scripted_selection_host.h"
#include "tests/darvo/selection/selection_test_library.h"

#include "shared/platform/testing/fake_cursor.h"
#include "shared/platform/testing/fake_messages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace darvo {
namespace {

using namespace testing;
using Items = std::vector<std::string>;

class LibrarySelectionTest : public ::testing::Test {
protected:
    explicit LibrarySelectionTest(int helpLanguage = 2) {
        host_.Attach(&model_);
        model_.Form_Load(helpLanguage);
    }

    const SelectionWindowState& State() const { return model_.State(); }
    std::string Number(const char* eia, shared::CodeSystem code) const {
        const auto index = library_.PartIndex[shared::Eia].Find(eia);
        return index ? library_.ProductTable[static_cast<std::size_t>(*index)].PartNumber[code]
                     : std::string();
    }
    void ChooseByLists(const std::string& size, const std::string& tcc, const std::string& cap,
                       const std::string& rated) {
        model_.cmbSizeCode_Click(size);
        model_.cmbTcc_Click(tcc);
        model_.cmbCap_Click(cap);
        model_.cmbRatedVol_Click(rated);
    }
    void ExpectNoPart() const {
        EXPECT_FALSE(State().PartChosen);
        EXPECT_FALSE(host_.enabled);
        EXPECT_FALSE(State().ConditionFrameEnabled);
        EXPECT_FALSE(State().DCBiasVol.Enabled);
        EXPECT_FALSE(State().AmbientTemp.Enabled);
    }

    ProductLibrary library_ = SelectionTestLibrary();
    ChartTable table_;
    shared::FakeMessages messages_;
    shared::FakeCursor cursor_;
    ScriptedSelectionHost host_{library_, table_, '.'};
    LibrarySelection model_{library_, table_, messages_, cursor_, host_, '.'};
};

class JisStartTest : public LibrarySelectionTest {
protected:
    JisStartTest() : LibrarySelectionTest(1) {}
};

TEST_F(LibrarySelectionTest, StartsOnTheTemperatureRiseChartInEiaWithNothingChosen) {
    EXPECT_EQ(host_.switches, (std::vector<shared::CodeSystem>{shared::Jis, shared::Eia}));
    EXPECT_EQ(GetCodeSystem(library_), shared::Eia);
    EXPECT_EQ(model_.GetChartType(), 0);
    EXPECT_EQ(model_.GetChartTypeName(), "Temperature Rise Characteristics");
    // Every part with temperature-rise data in table order (the catalogue's: size,
    // characteristic, capacitance, then the rated voltage from the highest); the part
    // without chart data is never listed.
    EXPECT_EQ(State().PartNum.Items, (Items{kPart100p, kPart100V, kPart16V, kPart16VOther, kPart10V, kPart6V3,
                                            kPartEiaOnly, kPartNoAc}));
    EXPECT_EQ(State().SizeCode.Items, (Items{"0402", "0603"}));
    EXPECT_TRUE(State().PartNum.Text.empty());
    EXPECT_EQ(State().XAxis.Items,
              (Items{"Current", "Voltage", "Apparent Power", "Effective Power", "Frequency"}));
    EXPECT_EQ(State().XAxis.Text, "Current");
    EXPECT_EQ(State().YAxis.Text, "Temperature Rise");
    ExpectNoPart();
    EXPECT_EQ(State().AmbientTemp.Text, "25");
    EXPECT_EQ(State().Parameter.Text, "0.1");
    EXPECT_EQ(State().ParameterUnit, "[Arms]");
    EXPECT_EQ(table_.Size(), 1U);
    EXPECT_EQ(table_.ChartCount(), 0);
    EXPECT_FALSE(model_.SuppressCascade());
}

TEST_F(JisStartTest, ShowsJisNotationButKeepsTheFirstResetsAmbientUntilTheNextReset) {
    EXPECT_EQ(host_.switches, (std::vector<shared::CodeSystem>{shared::Jis}));
    EXPECT_EQ(State().PartNum.Items.front(), "KTA15XB31H101KA88");
    for (const std::string& number : State().PartNum.Items) EXPECT_NE(number, kPartEiaOnly);
    EXPECT_EQ(State().SizeCode.Items, (Items{"1005", "1608"}));
    EXPECT_EQ(State().AmbientTemp.Text, "25");

    model_.cmbSizeCode_Click("1005");
    EXPECT_EQ(State().AmbientTemp.Text, "20");
    EXPECT_EQ(State().Tcc.Items, (Items{"B"}));
}

TEST_F(LibrarySelectionTest, TheListsNarrowStepByStepAndTheRatedVoltageChoosesThePart) {
    model_.cmbSizeCode_Click("0402");
    EXPECT_EQ(State().PartNum.Items,
              (Items{kPart100p, kPart100V, kPart16V, kPart16VOther, kPart10V, kPart6V3, kPartEiaOnly}));
    EXPECT_EQ(State().Tcc.Items, (Items{"X7R", "X7S"}));
    ExpectNoPart();

    model_.cmbTcc_Click("X7R");
    EXPECT_EQ(State().PartNum.Items.size(), 6U);
    EXPECT_EQ(State().Cap.Items, (Items{"100 p", "10 n"}));

    model_.cmbCap_Click("10 n");
    EXPECT_EQ(State().PartNum.Items, (Items{kPart100V, kPart16V, kPart16VOther, kPart10V, kPart6V3}));
    // Sorted by the list itself, as texts.
    EXPECT_EQ(State().RatedVol.Items, (Items{"10", "100", "16", "6.3"}));
    ExpectNoPart();

    model_.cmbRatedVol_Click("6.3");
    // Every part of the chart type again, with the matching one shown.
    EXPECT_EQ(State().PartNum.Items.size(), 8U);
    EXPECT_EQ(State().PartNum.Text, kPart6V3);
    EXPECT_TRUE(host_.offered.empty());
    EXPECT_TRUE(State().PartChosen);
    EXPECT_TRUE(host_.enabled);
    EXPECT_TRUE(State().ConditionFrameEnabled);
    EXPECT_TRUE(State().Frequency.Enabled);
    EXPECT_EQ(State().HeatResistance.Text, "100");
    EXPECT_FALSE(model_.SuppressCascade());
    EXPECT_EQ(model_.SelectCandidates(), (std::vector<std::int32_t>{*model_.SelectedProductIndex()}));

    // A click higher up loses the part again.
    model_.cmbTcc_Click("X7R");
    ExpectNoPart();
    EXPECT_TRUE(State().RatedVol.Items.empty());
}

TEST_F(LibrarySelectionTest, SeveralMatchesAskTheSelectDialogWithTheCascadeSuppressed) {
    class WatchingHost : public ScriptedSelectionHost {
    public:
        using ScriptedSelectionHost::ScriptedSelectionHost;
        void ChooseCandidate(std::vector<std::int32_t>& candidates) override {
            suppressedWhileShown = model != nullptr && model->SuppressCascade();
            ScriptedSelectionHost::ChooseCandidate(candidates);
        }
        const LibrarySelection* model = nullptr;
        bool suppressedWhileShown = false;
    };
    WatchingHost host(library_, table_, '.');
    LibrarySelection model(library_, table_, messages_, cursor_, host, '.');
    host.Attach(&model);
    host.model = &model;
    model.Form_Load(2);

    host.chooseEntry = 1;
    model.cmbSizeCode_Click("0402");
    model.cmbTcc_Click("X7R");
    model.cmbCap_Click("10 n");
    model.cmbRatedVol_Click("16");
    ASSERT_EQ(host.offered.size(), 1U);
    ASSERT_EQ(host.offered[0].size(), 2U);
    EXPECT_EQ(library_.ProductTable[static_cast<std::size_t>(host.offered[0][0])].PartNumber[0], kPart16V);
    EXPECT_TRUE(host.suppressedWhileShown);
    EXPECT_FALSE(model.SuppressCascade());
    EXPECT_EQ(model.State().PartNum.Text, kPart16VOther);
    EXPECT_EQ(model.SelectCandidates().size(), 1U);
    EXPECT_TRUE(model.State().PartChosen);

    // Closed without OK: the first match in table order.
    host.chooseEntry.reset();
    model.cmbCap_Click("10 n");
    model.cmbRatedVol_Click("16");
    EXPECT_EQ(model.State().PartNum.Text, kPart16V);
    EXPECT_EQ(model.SelectCandidates().size(), 2U);
}

TEST_F(LibrarySelectionTest, ATypedPartNumberChoosesOnlyWhenItEqualsAnEntryExactly) {
    model_.cmbPartNum_Change("KTA15XR70J103KA8");
    ExpectNoPart();
    model_.cmbPartNum_Change(kPart6V3);
    EXPECT_TRUE(State().PartChosen);
    EXPECT_EQ(State().SizeCode.Text, "0402");
    EXPECT_EQ(State().Tcc.Text, "X7R");
    EXPECT_EQ(State().Cap.Text, "10 n");
    EXPECT_EQ(State().RatedVol.Text, "6.3");
    EXPECT_EQ(State().RatedVol.Items, (Items{"10", "100", "16", "6.3"}));
    // The part list keeps its entries: typing does not filter.
    EXPECT_EQ(State().PartNum.Items.size(), 8U);

    // Another letter case names the same part in the lookup, but is no entry.
    model_.cmbPartNum_Change("kta15xr70j103ka88");
    ExpectNoPart();
    EXPECT_EQ(State().DCBiasVol.Text, "0");

    model_.cmbPartNum_Click(kPart100p);
    EXPECT_TRUE(State().PartChosen);
    EXPECT_EQ(State().Cap.Text, "100 p");
    model_.cmbPartNum_Change("");
    ExpectNoPart();
}

TEST_F(LibrarySelectionTest, AChartTypeSwitchKeepsThePartOnlyWhenItHasThatChartsData) {
    model_.cmbPartNum_Click(kPart16V);
    model_.SetDCBiasVolText("3");
    model_.optChartType_Click(4);
    EXPECT_EQ(model_.GetChartTypeName(), "Capacitance-AC Voltage Characteristics");
    EXPECT_EQ(State().PartNum.Text, kPart16V);
    EXPECT_TRUE(State().PartChosen);
    EXPECT_EQ(State().XAxis.Items, (Items{"AC Voltage"}));
    EXPECT_EQ(State().YAxis.Items, (Items{"Capacitance", "Capacitance Change"}));
    EXPECT_EQ(State().YAxis.Text, "Capacitance");
    // Reset to the defaults, and none of the boxes is used by this chart.
    EXPECT_EQ(State().DCBiasVol.Text, "0");
    EXPECT_TRUE(State().ConditionFrameEnabled);
    EXPECT_FALSE(State().DCBiasVol.Enabled || State().Frequency.Enabled || State().HeatResistance.Enabled ||
                 State().AmbientTemp.Enabled || State().Parameter.Enabled);

    model_.optChartType_Click(0);
    model_.cmbPartNum_Click(kPartNoAc);
    EXPECT_TRUE(State().PartChosen);
    model_.optChartType_Click(4);
    ExpectNoPart();
    EXPECT_TRUE(State().PartNum.Text.empty());
    EXPECT_EQ(State().PartNum.Items.size(), 7U);
    EXPECT_EQ(State().SizeCode.Items, (Items{"0402"}));
}

struct EnablingCase {
    const char* name;
    int chartType;
    const char* xAxis;
    bool dcBias, frequency, heatResistance, ambient, parameter;
};

// clang-format off
const EnablingCase kEnablingCases[] = {
    {"RiseOverCurrent",   0, "Current",         true,  true,  true,  true,  false},
    {"RiseOverFrequency", 0, "Frequency",       true,  false, true,  true,  true},
    {"AllowablePower",    1, "Frequency",       true,  false, true,  true,  false},
    {"CapTemperature",    2, "Temperature",     true,  false, false, false, false},
    {"CapDcVoltage",      3, "DC Bias Voltage", false, false, false, true,  false},
    {"CapAcVoltage",      4, "AC Voltage",      false, false, false, false, false},
};
// clang-format on

class EnablingTest : public LibrarySelectionTest, public ::testing::WithParamInterface<EnablingCase> {};

TEST_P(EnablingTest, TheChartTypeAndXAxisEnableTheirBoxesOnceAPartIsChosen) {
    const EnablingCase& row = GetParam();
    model_.optChartType_Click(row.chartType);
    model_.cmbXaxis_Click(row.xAxis);
    model_.cmbPartNum_Click(kPart16V);
    EXPECT_EQ(State().DCBiasVol.Enabled, row.dcBias);
    EXPECT_EQ(State().Frequency.Enabled, row.frequency);
    EXPECT_EQ(State().HeatResistance.Enabled, row.heatResistance);
    EXPECT_EQ(State().AmbientTemp.Enabled, row.ambient);
    EXPECT_EQ(State().Parameter.Enabled, row.parameter);
    EXPECT_EQ(State().ParameterFrameEnabled, row.parameter);
    // The part's own heat resistance where the chart uses it, else the default.
    EXPECT_EQ(State().HeatResistance.Text, row.heatResistance ? "100" : "0");
}

INSTANTIATE_TEST_SUITE_P(Charts, EnablingTest, ::testing::ValuesIn(kEnablingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LibrarySelectionTest, TheFrequencyAxisSwapsTheFrequencyBoxForTheParameter) {
    model_.cmbPartNum_Click(kPart16V);
    model_.cmbXaxis_Click("Frequency");
    EXPECT_FALSE(State().Frequency.Enabled);
    EXPECT_TRUE(State().Parameter.Enabled);
    EXPECT_EQ(State().Parameter.Text, "0.1");
    EXPECT_EQ(State().ParameterUnit, "[Arms]");

    model_.optParameter_Click(2);
    EXPECT_EQ(State().ParameterUnit, "[W]");
    model_.SetParameterText("0.3");
    model_.optParameter_Click(3);
    EXPECT_EQ(State().ParameterUnit, "[VA]");
    EXPECT_EQ(State().Parameter.Text, "0.1");
    EXPECT_EQ(model_.SelectedParameterName(), "Apparent Power");

    model_.cmbXaxis_Click("Voltage");
    EXPECT_TRUE(State().Frequency.Enabled);
    EXPECT_FALSE(State().Parameter.Enabled);
    EXPECT_EQ(model_.SelectedParameterIndex(), 0);
    EXPECT_EQ(State().ParameterUnit, "[Arms]");

    // Without a part the frequency box stays disabled.
    model_.cmbPartNum_Change("");
    model_.cmbXaxis_Click("Frequency");
    model_.cmbXaxis_Click("Current");
    EXPECT_FALSE(State().Frequency.Enabled);
}

TEST_F(LibrarySelectionTest, LeavingABoxChecksItAgainstTheChosenPartAndAsksForTheFocus) {
    model_.cmbPartNum_Click(kPart6V3);
    model_.SetDCBiasVolText("6.3");
    model_.txtDCBiasVol_LostFocus();
    EXPECT_TRUE(messages_.Shown().empty());
    EXPECT_EQ(model_.TakeFocus(), FocusTarget::None);

    model_.optChartType_Click(1);
    model_.SetDCBiasVolText("6.3");
    model_.txtDCBiasVol_LostFocus();
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].text,
              "DC Bias Voltage is invalid!\r\nPlease enter a Number from 0 under 6.3[V]");
    EXPECT_EQ(messages_.Shown()[0].icon, shared::MessageIcon::Exclamation);
    EXPECT_EQ(messages_.Shown()[0].title, "darvo");
    EXPECT_EQ(model_.TakeFocus(), FocusTarget::DCBiasVol);
    EXPECT_EQ(model_.TakeFocus(), FocusTarget::None);

    // The ambient range of X7R: up to but not including 125 here, including it on the
    // capacitance-DC voltage chart.
    messages_.Clear();
    model_.SetAmbientTempText("125");
    model_.txtAmbientTemp_LostFocus();
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].text,
              "Ambient Temperature is invalid!\r\nPlease enter a Number from -55 to 125 [C]");
    EXPECT_EQ(model_.TakeFocus(), FocusTarget::AmbientTemp);
    model_.optChartType_Click(3);
    model_.SetAmbientTempText("125");
    messages_.Clear();
    model_.txtAmbientTemp_LostFocus();
    EXPECT_TRUE(messages_.Shown().empty());

    // A disabled box is not checked; the parameter box always is.
    model_.SetFrequencyText("5");
    model_.txtFrequency_LostFocus();
    EXPECT_TRUE(messages_.Shown().empty());
    model_.SetParameterText("");
    model_.txtParameter_LostFocus();
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].text, "A Non-numerical value exists where numerical value should be in.");
    EXPECT_EQ(model_.TakeFocus(), FocusTarget::Parameter);
}

TEST_F(LibrarySelectionTest, ThePlotValidationStopsAtTheFirstRefusedBoxTheDataOutputRunsThemAll) {
    model_.cmbPartNum_Click(kPart16V);
    model_.SetDCBiasVolText("17");
    model_.SetFrequencyText("99.9");
    model_.SetHeatResistanceText("0");
    EXPECT_FALSE(model_.CheckAllConditions());
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].text,
              "DC Bias Voltage is invalid!\r\nPlease enter a Number from 0 to 16[V]");
    EXPECT_EQ(model_.TakeFocus(), FocusTarget::DCBiasVol);

    messages_.Clear();
    model_.SetDCBiasVolText("16");
    EXPECT_FALSE(model_.CheckAllConditions());
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].text,
              "Frequency is invalid!\r\nPlease enter a Number from 100 to 1000 [kHz]");

    messages_.Clear();
    model_.SetDCBiasVolText("-1");
    EXPECT_FALSE(model_.CheckConditions());
    EXPECT_EQ(messages_.Shown().size(), 3U);
    // The last refused box has the focus.
    EXPECT_EQ(model_.TakeFocus(), FocusTarget::Frequency);

    messages_.Clear();
    model_.SetDCBiasVolText("0");
    model_.SetFrequencyText("1000");
    model_.SetHeatResistanceText("0.01");
    EXPECT_TRUE(model_.CheckAllConditions());
    EXPECT_TRUE(model_.CheckConditions());
    EXPECT_TRUE(messages_.Shown().empty());
}

TEST_F(LibrarySelectionTest, TheNotationSwitchChoosesTheSamePartInTheOtherNotation) {
    model_.cmbPartNum_Click(kPart16V);
    host_.SwitchCodeSystem(shared::Jis);
    EXPECT_EQ(State().PartNum.Text, kPart16VJis);
    EXPECT_TRUE(State().PartChosen);
    EXPECT_EQ(State().SizeCode.Text, "1005");
    EXPECT_EQ(State().Tcc.Text, "B");
    EXPECT_EQ(State().AmbientTemp.Text, "20");
    host_.SwitchCodeSystem(shared::Eia);
    EXPECT_EQ(State().PartNum.Text, kPart16V);
    EXPECT_EQ(State().AmbientTemp.Text, "25");

    // A part without a JIS number cannot stay chosen under an empty box.
    model_.cmbPartNum_Click(kPartEiaOnly);
    EXPECT_TRUE(State().PartChosen);
    host_.SwitchCodeSystem(shared::Jis);
    EXPECT_TRUE(State().PartNum.Text.empty());
    ExpectNoPart();
}

TEST_F(LibrarySelectionTest, ResetSelectionRebuildsChartTypeZeroAndFocusesIt) {
    model_.optChartType_Click(3);
    model_.cmbPartNum_Click(kPart16V);
    model_.ResetSelection();
    EXPECT_EQ(model_.GetChartType(), 0);
    EXPECT_TRUE(State().PartNum.Text.empty());
    EXPECT_EQ(State().XAxis.Text, "Current");
    ExpectNoPart();
    EXPECT_EQ(model_.TakeFocus(), FocusTarget::ChartType);
}

}  // namespace
}  // namespace darvo
