#include "pelmo/selection/library_selection.h"

#include "pelmo/charts/chart_slot.h"
#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/engine/chart_kind.h"
#include "pelmo/library/records.h"
#include "pelmo/selection/frequency_scroll.h"
#include "selection_test_library.h"
#include "support/point_number.h"
#include "support/test_names.h"

#include "shared/platform/testing/fake_cursor.h"
#include "shared/platform/testing/fake_messages.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pelmo {
namespace {

using testing::FakeSelectionHost;

const std::string kClass5Range = "\nPlease enter a Number from 0.03 - 8499.999744 [MHz]";

bool Has(const std::vector<std::string>& list, const std::string& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

// One selection window over the test library, loaded in EIA notation (help language 2).
class SelectionTest : public ::testing::Test {
protected:
    SelectionTest()
        : library_(testing::SelectionTestLibrary()), model_(library_, messages_, cursor_, host_, '.') {
        model_.Form_Load(2);
    }

    const SelectionWindowState& State() const { return model_.State(); }

    void Type(const std::string& partNumber) {
        model_.SetPartNumberText(partNumber);
        EXPECT_TRUE(model_.cboPartNumber_KeyPress('\r'));
    }

    void Filters(const std::string& a, const std::string& b, const std::string& c,
                 const std::string& d = {}) {
        model_.cboItemA_Click(a);
        model_.cboItemB_Click(b);
        model_.cboItemC_Click(c);
        if (!d.empty()) {
            model_.cboItemD_Click(d);
        }
    }

    // The texts of the boxes shown since the last call.
    std::vector<std::string> Shown() {
        std::vector<std::string> texts;
        for (const shared::RecordedMessage& message : messages_.Shown()) {
            texts.push_back(message.text);
            EXPECT_EQ(message.title, "Pelmo");
        }
        messages_.Clear();
        return texts;
    }

    shared::MessageIcon LastIcon() const {
        return messages_.Shown().empty() ? shared::MessageIcon::Question : messages_.Shown().back().icon;
    }

    Library library_;
    shared::FakeMessages messages_;
    shared::FakeCursor cursor_;
    FakeSelectionHost host_;
    LibrarySelection model_;
};

TEST_F(SelectionTest, LoadsInTheNotationOfTheHelpLanguage) {
    EXPECT_EQ(State().CodeSystem, shared::Eia);
    EXPECT_EQ(State().Temperature, "25");
    EXPECT_FALSE(Has(State().PartNumber.Items, testing::kJisOnly));
    EXPECT_EQ(State().ItemA.Items.size(), 3U);
    EXPECT_EQ(State().Menus, SelectionMenuState{});
    EXPECT_EQ(State().TemperatureCaption, "Operation Temp[\u00B0C]");

    LibrarySelection japanese(library_, messages_, cursor_, host_, '.');
    japanese.Form_Load(1);
    EXPECT_EQ(japanese.State().CodeSystem, shared::Jis);
    EXPECT_EQ(japanese.State().Temperature, "20");
    EXPECT_TRUE(Has(japanese.State().PartNumber.Items, testing::kJisOnly));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(SelectionTest, CapacitorFiltersNarrowDownToOnePart) {
    model_.cboItemA_Click("0402");
    EXPECT_TRUE(State().PartNumber.Text.empty());
    EXPECT_TRUE(Has(State().PartNumber.Items, testing::kClass5A));
    EXPECT_FALSE(Has(State().PartNumber.Items, testing::kClass2));
    EXPECT_EQ(State().ItemB.Items, (std::vector<std::string>{"X7R", "X9Z"}));
    EXPECT_TRUE(State().Menus.FileReset);
    EXPECT_FALSE(State().Menus.GraphSmith);

    model_.cboItemB_Click("X7R");
    EXPECT_EQ(State().ItemC.Items, (std::vector<std::string>{"100 n"}));
    model_.cboItemC_Click("100 n");
    EXPECT_EQ(State().ItemD.Items, (std::vector<std::string>{"6.3", "10"}));
    EXPECT_TRUE(State().PartNumber.Text.empty());

    model_.cboItemD_Click("6.3");
    EXPECT_EQ(State().PartNumber.Text, testing::kClass5A);
    EXPECT_EQ(State().Use, std::string("Use of ") + testing::kClass5A);
    EXPECT_EQ(State().FrequencyRange, "Range:0.03-8499.999744[MHz]");
    EXPECT_EQ(State().Frequency, "0.03");
    EXPECT_FALSE(State().Readouts.Imp.empty());
    EXPECT_TRUE(host_.offered.empty());
    EXPECT_TRUE(State().Menus.GraphDF);
    EXPECT_EQ(cursor_.Depth(), 0);

    // Choosing a size again undoes the choice.
    model_.cboItemA_Click("0402");
    EXPECT_TRUE(State().PartNumber.Text.empty());
    EXPECT_TRUE(State().Use.empty());
    EXPECT_EQ(State().Readouts, SelectionReadouts{});
    EXPECT_TRUE(State().ItemC.Items.empty());
}

TEST_F(SelectionTest, ACollisionAsksTheSelectDialog) {
    host_.choice = 1;
    Filters("0402", "X7R", "100 n", "10");
    ASSERT_EQ(host_.offered.size(), 1U);
    ASSERT_EQ(host_.offered[0].size(), 2U);
    const std::size_t chosen = static_cast<std::size_t>(host_.offered[0][1]);
    EXPECT_EQ(State().PartNumber.Text, library_.CapacitorTable[chosen].PartNumber[shared::Eia]);
    EXPECT_EQ(cursor_.Depth(), 0);

    // Closed without a choice: the first candidate.
    host_.choice.reset();
    model_.cboItemD_Click("10");
    const std::size_t first = static_cast<std::size_t>(host_.offered[1][0]);
    EXPECT_EQ(State().PartNumber.Text, library_.CapacitorTable[first].PartNumber[shared::Eia]);
}

TEST_F(SelectionTest, TheFilterPathEndsLikeTheTypedPath) {
    // Leave other conditions behind: a part without model at another frequency.
    Type(testing::kClass2);
    model_.SetFrequencyText("500");
    model_.SetTemperatureText("70");
    model_.SetBiasText("3");
    Filters("0402", "X7R", "100 n", "6.3");
    EXPECT_TRUE(Shown().empty());

    LibrarySelection typed(library_, messages_, cursor_, host_, '.');
    typed.Form_Load(2);
    typed.SetPartNumberText(testing::kClass5A);
    typed.ApplyPartNumber();
    EXPECT_EQ(State().Frequency, typed.State().Frequency);
    EXPECT_EQ(State().Temperature, typed.State().Temperature);
    EXPECT_EQ(State().Bias, typed.State().Bias);
    EXPECT_EQ(State().Readouts, typed.State().Readouts);
    EXPECT_EQ(State().ItemD.Text, "6.3");
    EXPECT_EQ(typed.State().ItemD.Text, "6.3");
    EXPECT_EQ(typed.State().ItemB.Text, "X7R");
}

TEST_F(SelectionTest, ARatedVoltageChoiceWaitsForValidConditions) {
    Type(testing::kClass5A);
    model_.SetBiasText("abc");
    model_.cboItemD_Click("10");
    EXPECT_EQ(Shown(), std::vector<std::string>{"DC Bias Voltage is invalid!"});
    EXPECT_EQ(State().PartNumber.Text, testing::kClass5A);
    EXPECT_EQ(State().ItemD.Text, "6.3");
    EXPECT_TRUE(host_.offered.empty());

    model_.SetBiasText("1");
    model_.cboItemD_Click("10");
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(host_.offered.size(), 1U);
    EXPECT_EQ(State().Bias, "0");
    EXPECT_EQ(State().ItemD.Text, "10");

    // Text that names no part has no conditions to hold the choice back.
    model_.SetPartNumberText("XYZ");
    model_.SetBiasText("abc");
    model_.cboItemD_Click("6.3");
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(State().PartNumber.Text, testing::kClass5A);
}

TEST_F(SelectionTest, APartWithoutFrequencyClassIsReportedAndNotChosen) {
    Type(testing::kNoClass);
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].icon, shared::MessageIcon::Critical);
    EXPECT_EQ(messages_.Shown()[0].title, "pelmo:frmLibrary.ApplyPartNumber");
    EXPECT_EQ(messages_.Shown()[0].text.rfind("Unexpected Error", 0), 0U);
    EXPECT_TRUE(State().PartNumber.Text.empty());
    EXPECT_EQ(State().Readouts, SelectionReadouts{});
    EXPECT_FALSE(State().Menus.GraphSmith);
    EXPECT_EQ(cursor_.Depth(), 0);
}

TEST_F(SelectionTest, TheExportHeaderReadoutsFollowFieldsTypedWithoutEnter) {
    Type(testing::kClass5A);
    model_.SetTemperatureText("85");
    model_.SetBiasText("3");
    ASSERT_TRUE(model_.RefreshReadoutsForExport());

    LibrarySelection entered(library_, messages_, cursor_, host_, '.');
    entered.Form_Load(2);
    entered.SetPartNumberText(testing::kClass5A);
    entered.ApplyPartNumber();
    entered.SetBiasText("3");
    entered.SetTemperatureText("85");
    entered.txtTemp_KeyPress('\r');
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(State().Readouts, entered.State().Readouts);

    const SelectionReadouts before = State().Readouts;
    model_.SetTemperatureText("200");
    EXPECT_FALSE(model_.RefreshReadoutsForExport());
    EXPECT_EQ(Shown(), std::vector<std::string>{
                           "Operation Temp is out of range!\nPlease enter a Number from -55 to 125 [C]"});
    EXPECT_EQ(State().Readouts, before);
    model_.SetPartNumberText("");
    EXPECT_FALSE(model_.RefreshReadoutsForExport());
    EXPECT_EQ(Shown(), std::vector<std::string>{"Product Number is invalid or not selected!"});
}

TEST_F(SelectionTest, TypedPartNumbersTakeTheLibrarySpelling) {
    Type("kta155r70j104ka88");
    EXPECT_EQ(State().PartNumber.Text, testing::kClass5A);
    EXPECT_EQ(State().FrequencyRange, "Range:0.03-8499.999744[MHz]");
    EXPECT_TRUE(State().Menus.GraphDF);
    EXPECT_FALSE(State().Readouts.Mag[0].empty());
    EXPECT_EQ(State().ItemA.Text, "0402");
    EXPECT_EQ(State().ItemC.Text, "100 n");
    EXPECT_TRUE(Shown().empty());
}

TEST_F(SelectionTest, UnknownPartNumbersAreRefused) {
    for (const std::string text : {"XYZ", testing::kJisOnly, testing::kInductorA}) {
        Type(testing::kClass5A);
        Type(text);
        EXPECT_EQ(LastIcon(), shared::MessageIcon::Exclamation);
        EXPECT_EQ(Shown(), std::vector<std::string>{"Product Number is invalid or not selected!"}) << text;
        EXPECT_EQ(State().Readouts, SelectionReadouts{});
        EXPECT_EQ(model_.TakeFocus(), FocusTarget::PartNumber);
    }
    EXPECT_EQ(State().Beeps, 3);
}

TEST_F(SelectionTest, NotationSwitchKeepsThePartAndClosesCharts) {
    Type(testing::kClass5A);
    host_.chartWindows = 2;
    model_.mnuViewCode_Click(1);
    EXPECT_EQ(State().CodeSystem, shared::Jis);
    EXPECT_EQ(State().PartNumber.Text, testing::kClass5AJis);
    EXPECT_EQ(State().Temperature, "20");
    EXPECT_TRUE(Has(State().PartNumber.Items, testing::kJisOnly));
    EXPECT_EQ(State().ItemA.Text, "1005");
    EXPECT_EQ(State().ItemB.Text, "B");
    EXPECT_EQ(Shown(), std::vector<std::string>{"Close all chart windows"});
    EXPECT_EQ(host_.chartWindows, 0);
    EXPECT_FALSE(State().Menus.WindowClose);

    // The checked item again: nothing at all.
    const SelectionWindowState before = State();
    model_.mnuViewCode_Click(1);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(State().PartNumber.Text, before.PartNumber.Text);

    // Back to EIA: the list order follows the notation's sort.
    model_.mnuViewCode_Click(0);
    EXPECT_EQ(State().PartNumber.Text, testing::kClass5A);
    EXPECT_EQ(State().Temperature, "25");
    EXPECT_EQ(cursor_.Depth(), 0);
}

TEST_F(SelectionTest, InductorsAreCompleteAfterThreeFilters) {
    model_.SetTemperatureText("abc");
    model_.optProduct_Click(1);
    EXPECT_EQ(State().ItemBCaption, "Inductance[nH]");
    EXPECT_EQ(State().ItemCCaption, "Rated Current[mA]");
    EXPECT_EQ(State().CapacitanceCaption, "Parallel Capacitance, C[pF]:");
    EXPECT_FALSE(State().ItemDVisible);
    EXPECT_FALSE(State().ShuntVisible);
    EXPECT_FALSE(State().ConditionsVisible);
    EXPECT_EQ(State().EquivalentCircuitPicture, "iec");
    EXPECT_EQ(State().Temperature, "25");
    EXPECT_EQ(State().Bias, "0");

    Filters("0402", "10", "300");
    ASSERT_EQ(host_.offered.size(), 1U);
    EXPECT_EQ(State().PartNumber.Text, testing::kInductorA);
    EXPECT_EQ(State().PartNumber.Items.size(), 3U);
    EXPECT_EQ(State().FrequencyRange, "Range:10-6000[MHz]");
    EXPECT_EQ(State().Frequency, "10");
    EXPECT_FALSE(State().Readouts.Freq.empty());
    EXPECT_EQ(State().Readouts.Freq, "5600");
    // The temperature text left behind while hidden does not refuse an inductor chart.
    const ChartSlotTable slots;
    EXPECT_TRUE(model_.CheckChartOpenOk(ChartKind::Impedance, SParameter::None, slots));
    EXPECT_TRUE(model_.RefreshReadoutsForExport());

    Type(testing::kInductorNoSrf);
    EXPECT_EQ(State().Readouts.Freq, "Over 6000");
    EXPECT_EQ(State().ItemB.Text, "22");
    // "10.0" names the list's "10".
    model_.cboItemB_Click("10.0");
    model_.cboItemC_Click("300");
    EXPECT_EQ(State().PartNumber.Text, testing::kInductorA);
}

struct FrequencyRow {
    std::string typed;
    std::string message;  // empty: accepted
};

class FrequencyFieldTest : public SelectionTest, public ::testing::WithParamInterface<FrequencyRow> {};

TEST_P(FrequencyFieldTest, EnterChecksTheRangeAndMovesTheThumb) {
    Type(testing::kClass5A);
    const SelectionReadouts before = State().Readouts;
    model_.SetFrequencyText(GetParam().typed);
    EXPECT_TRUE(model_.txtFreq_KeyPress('\r'));
    if (GetParam().message.empty()) {
        EXPECT_TRUE(Shown().empty());
        const PartFrequencyRange range = *FrequencyRangeOf(5, 8.5e9F, '.');
        EXPECT_EQ(State().ScrollPosition,
                  ScrollPosition(range, shared::testing::PointNumber(GetParam().typed)));
        return;
    }
    EXPECT_EQ(Shown(), std::vector<std::string>{GetParam().message});
    EXPECT_EQ(State().Readouts, before);
    EXPECT_EQ(model_.TakeFocus(), FocusTarget::Frequency);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Class5, FrequencyFieldTest, ::testing::Values(
    FrequencyRow{"", "Operating Freqency if not selected!" + kClass5Range},
    FrequencyRow{"abc", "Operating Frequency is invalid!" + kClass5Range},
    FrequencyRow{"0.029", "Operating Frequency is out of Range!" + kClass5Range},
    FrequencyRow{"8500", "Operating Frequency is out of Range!" + kClass5Range},
    FrequencyRow{"0.03", ""},
    FrequencyRow{"8499.999744", ""},
    FrequencyRow{"1", ""}),
    [](const auto& info) { return ::shared::testing::SpelledText(info.param.typed); });
// clang-format on

TEST_F(SelectionTest, ScrollBarWritesTheFrequencyAndRecalculates) {
    Type(testing::kClass5A);
    const SelectionReadouts atLowest = State().Readouts;
    model_.hsvFreq_Change(100);
    EXPECT_EQ(State().Frequency, "15.969");
    EXPECT_NE(State().Readouts, atLowest);
    EXPECT_TRUE(Shown().empty());
    // Nothing chosen: a move does nothing.
    model_.mnuFileReset_Click();
    model_.hsvFreq_Change(50);
    EXPECT_EQ(State().Frequency, "1");
    EXPECT_FALSE(State().Menus.FileReset);
}

TEST_F(SelectionTest, TemperatureAndBiasFieldsShowTheirOwnMessages) {
    Type(testing::kClass5A);
    const auto enterTemperature = [this](const std::string& text) {
        model_.SetTemperatureText(text);
        model_.txtTemp_KeyPress('\r');
        return Shown();
    };
    const auto enterBias = [this](const std::string& text) {
        model_.SetBiasText(text);
        model_.txtDC_KeyPress('\r');
        return Shown();
    };
    using Texts = std::vector<std::string>;
    EXPECT_EQ(enterTemperature(""), Texts{"Operation Temp is invalid!\nPlease enter a Number"});
    EXPECT_EQ(enterTemperature("150"),
              Texts{"Operation Temp is out of Range!\nPlease enter a Number from -55 to 125 [C]"});
    EXPECT_EQ(enterTemperature("-55"), Texts{});
    EXPECT_EQ(enterBias("x"), Texts{"DC Bias Voltage is invalid!\nPlease enter a Number from 0 to 6.3 [V]"});
    EXPECT_EQ(enterBias("6.31"),
              Texts{"DC Bias Voltage is out of Range!\nPlease enter a Number from 0 to 6.3 [V]"});
    EXPECT_EQ(enterBias("-1"),
              Texts{"DC Bias Voltage is out of Range!\nPlease enter a Number from 0 to 6.3 [V]"});
    const SelectionReadouts atZero = State().Readouts;
    EXPECT_EQ(State().Beeps, 5);
    EXPECT_EQ(enterBias("6.3"), Texts{});
    EXPECT_NE(State().Readouts, atZero);

    // An unchecked field elsewhere stops the evaluation.
    const SelectionReadouts before = State().Readouts;
    model_.SetBiasText("abc");
    EXPECT_EQ(enterTemperature("30"), Texts{"DC Bias Voltage is invalid!"});
    EXPECT_EQ(State().Readouts, before);
    model_.SetBiasText("0");
    model_.SetFrequencyText("abc");
    EXPECT_EQ(enterTemperature("30"), Texts{"Operating Frequency is invalid!" + kClass5Range});
    EXPECT_EQ(State().Readouts, before);

    // In JIS notation the JIS characteristic decides.
    model_.SetFrequencyText("1");
    model_.mnuViewCode_Click(1);
    EXPECT_EQ(enterTemperature("100"),
              Texts{"Operation Temp is out of Range!\nPlease enter a Number from -25 to 85 [C]"});
}

TEST_F(SelectionTest, BiasIsCheckedAgainstThePartsOwnRating) {
    Filters("0402", "X7R", "100 n");
    EXPECT_TRUE(State().ItemD.Text.empty());
    model_.SetPartNumberText(testing::kClass5A);  // typed, Enter not pressed
    for (const std::string bias : {"10", "-1"}) {
        model_.SetBiasText(bias);
        EXPECT_FALSE(model_.OperatingConditionCheck());
        EXPECT_EQ(Shown(), std::vector<std::string>{
                               "DC Bias Voltage is out of range!\nPlease enter a Number from 0 to 6.3 [V]"});
        EXPECT_EQ(model_.TakeFocus(), FocusTarget::Bias);
    }
}

TEST_F(SelectionTest, ACharacteristicWithoutRangeRefusesThePartAndGoesOn) {
    Type(testing::kOddTcc);
    model_.SetTemperatureText("30");
    model_.txtTemp_KeyPress('\r');
    EXPECT_EQ(LastIcon(), shared::MessageIcon::None);
    EXPECT_EQ(Shown(), std::vector<std::string>{"Error at GetTempRange"});
    EXPECT_FALSE(model_.OperatingConditionCheck());
    EXPECT_EQ(Shown(), std::vector<std::string>{"Error at GetTempRange"});
    EXPECT_FALSE(State().MustEnd);
    Type(testing::kClass5A);
    EXPECT_FALSE(State().Readouts.Imp.empty());
}

TEST_F(SelectionTest, ShuntConnectionReevaluates) {
    Type(testing::kClass5A);
    const SelectionReadouts series = State().Readouts;
    model_.optMode_Click(1);
    EXPECT_EQ(State().Mode, 1);
    EXPECT_NE(State().Readouts.Mag, series.Mag);
    EXPECT_EQ(State().Readouts.Imp, series.Imp);
}

struct MenuRow {
    std::string partNumber;  // empty: nothing chosen
    bool inductor;
    bool reac, q, df, apcapa;
};

class MenuStateTest : public SelectionTest, public ::testing::WithParamInterface<MenuRow> {};

TEST_P(MenuStateTest, FollowsProductAndClass) {
    const MenuRow& row = GetParam();
    if (row.inductor) {
        model_.optProduct_Click(1);
    }
    if (!row.partNumber.empty()) {
        Type(row.partNumber);
    }
    const SelectionMenuState& menus = State().Menus;
    const bool chosen = !row.partNumber.empty();
    EXPECT_EQ(menus.FileSavedata, chosen);
    EXPECT_EQ(menus.GraphSmith, chosen);
    EXPECT_EQ(menus.GraphApindu, chosen);
    EXPECT_EQ(menus.CatalogLink, chosen);
    EXPECT_EQ(menus.ChartFilePrint, chosen);
    EXPECT_EQ(menus.GraphReac, row.reac);
    EXPECT_EQ(menus.GraphQ, row.q);
    EXPECT_EQ(menus.GraphDF, row.df);
    EXPECT_EQ(menus.GraphApcapa, row.apcapa);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Parts, MenuStateTest, ::testing::Values(
    MenuRow{"", false, false, false, false, false},
    MenuRow{"", true, false, false, false, false},
    MenuRow{testing::kClass5A, false, true, false, true, true},
    MenuRow{testing::kClass3, false, true, false, true, true},
    MenuRow{testing::kClass2, false, true, true, false, true},
    MenuRow{testing::kInductorA, true, false, true, false, false}),
    [](const auto& info) {
        const std::string product = info.param.inductor ? "Inductor" : "Capacitor";
        return product + "_" + (info.param.partNumber.empty() ? std::string("NothingChosen")
                                                              : ::shared::testing::TestName(info.param.partNumber));
    });
// clang-format on

TEST_F(SelectionTest, ClearingTheSelectionKeepsCloseAllWhileChartsAreOpen) {
    Type(testing::kClass2);
    host_.chartWindows = 1;
    model_.mnuFileReset_Click();
    EXPECT_FALSE(State().Menus.FileSavedata);
    EXPECT_FALSE(State().Menus.ChartFilePrint);
    EXPECT_TRUE(State().Menus.WindowClose);
    EXPECT_TRUE(State().PartNumber.Text.empty());
}

class ChartLimitTest : public SelectionTest {
protected:
    ChartSlot Slot(const std::string& name, int partIndex) const {
        ChartSlot slot;
        const bool withSParameter = name == "Magnitude" || name == "Phase";
        slot.Product = ProductKind::Capacitor;
        slot.PartIndexPlusOne = partIndex + 1;
        slot.Kind = ChartKindFromName(name);
        slot.Parameter = withSParameter ? SParameter::S11 : SParameter::None;
        if (withSParameter) slot.Connection = CircuitMode::Series;
        slot.Temperature = 25.0F;
        slot.DcBias = 0.0F;
        return slot;
    }
    bool Request(const std::string& name, const std::string& sParameter = "S11", bool secondStep = false) {
        slots_.SetImpedanceEsrSecondPass(secondStep);
        const bool ok =
            model_.CheckChartOpenOk(*ChartKindFromName(name), *SParameterFromName(sParameter), slots_);
        slots_.SetImpedanceEsrSecondPass(false);
        return ok;
    }
    ChartSlotTable slots_;
};

TEST_F(ChartLimitTest, EverySlotInUseCountsTowardsTheLimits) {
    EXPECT_FALSE(Request("Magnitude"));
    EXPECT_EQ(Shown(), std::vector<std::string>{"Product Number is invalid or not selected!"});
    Type(testing::kClass5A);
    slots_.Reserve(Slot("Phase", 100));
    for (int part = 0; part < 6; ++part) {
        slots_.Reserve(Slot("Magnitude", 100 + part));
    }
    slots_.Free(1);  // the Phase window closed: a gap before the rest
    EXPECT_FALSE(Request("Magnitude"));
    EXPECT_EQ(Shown(), std::vector<std::string>{"Maximum Numbers of this Chart Type open!"});
    EXPECT_FALSE(Request("Magnitude", "S11", true));
    EXPECT_EQ(Shown(), std::vector<std::string>{"Maximum Numbers of this Chart Type open!"});
    EXPECT_TRUE(Request("Phase"));
    EXPECT_TRUE(Shown().empty());

    for (int part = 0; part < 14; ++part) {
        slots_.Reserve(Slot("ESR", 200 + part));
    }
    EXPECT_FALSE(Request("Impedance", ""));
    EXPECT_EQ(Shown(), std::vector<std::string>{"Maximum Numbers of Charts open!"});
}

TEST_F(ChartLimitTest, TheSameChartTwiceIsRefusedUnlessTheConnectionDiffers) {
    Type(testing::kClass5A);
    const int index = *library_.PartIndex[shared::Eia].Find(testing::kClass5A);
    slots_.Reserve(Slot("Magnitude", index));
    EXPECT_FALSE(Request("Magnitude"));
    EXPECT_EQ(Shown(), std::vector<std::string>{"This Chart is already opened!"});
    EXPECT_TRUE(Request("Magnitude", "S21"));
    model_.optMode_Click(1);
    EXPECT_TRUE(Request("Magnitude"));
    model_.SetTemperatureText("30");
    slots_.Reserve(Slot("Impedance & ESR", index));
    EXPECT_TRUE(Request("Impedance & ESR", ""));
    model_.SetTemperatureText("25");
    EXPECT_FALSE(Request("Impedance & ESR", ""));
    // The second step of Impedance & ESR skips the duplicate test.
    EXPECT_TRUE(Request("Impedance & ESR", "", true));
}

// An open chart matches only a request of the same product kind at conditions the
// fields actually name: a capacitor slot never blocks the inductor of the same table
// index, and a field that does not read as a number matches no slot, not even one
// recorded at 0.
TEST_F(ChartLimitTest, OnlyTheSameKindAtReadableConditionsIsAlreadyOpened) {
    model_.optProduct_Click(1);
    Type(testing::kInductorA);
    const int inductor = *library_.InductorPartIndex.Find(testing::kInductorA);
    slots_.Reserve(Slot("Magnitude", inductor));
    EXPECT_TRUE(Request("Magnitude"));
    ChartSlot same = Slot("Magnitude", inductor);
    same.Product = ProductKind::Inductor;
    slots_.Reserve(same);
    EXPECT_FALSE(Request("Magnitude"));
    EXPECT_EQ(LastIcon(), shared::MessageIcon::Exclamation);
    EXPECT_EQ(Shown(), std::vector<std::string>{"This Chart is already opened!"});

    model_.optProduct_Click(0);
    Type(testing::kClass5A);
    const int capacitor = *library_.PartIndex[shared::Eia].Find(testing::kClass5A);
    ChartSlot atZero = Slot("Impedance", capacitor);
    atZero.Parameter = SParameter::None;
    atZero.Temperature = 0.0F;
    slots_.Reserve(atZero);
    model_.SetTemperatureText("0");
    EXPECT_FALSE(Request("Impedance", ""));
    EXPECT_EQ(Shown(), std::vector<std::string>{"This Chart is already opened!"});
    for (const char* unreadable : {"abc", ""}) {
        model_.SetTemperatureText(unreadable);
        EXPECT_TRUE(Request("Impedance", "")) << unreadable;
        model_.SetTemperatureText("0");
        model_.SetBiasText(unreadable);
        EXPECT_TRUE(Request("Impedance", "")) << unreadable;
        model_.SetBiasText("0");
    }
    EXPECT_TRUE(Shown().empty());
}

}  // namespace
}  // namespace pelmo
