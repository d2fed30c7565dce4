// The condition boxes of the selection window (defaults, enabling per chart type, the
// checks on leaving a box) and the plot request that hands a chart-data record over to
// the chart windows.
#include "darvo/engine/calculate_data_s.h"
#include "darvo/engine/calculate_data_t.h"
#include "darvo/engine/chart_table.h"
#include "darvo/engine/prepared_chart_record.h"
#include "darvo/export/chart_names.h"
#include "darvo/library/product_library.h"
#include "darvo/selection/condition_checks.h"
#include "darvo/selection/library_selection.h"
#include "darvo/selection/selection_captions.h"
#include "darvo/selection/selection_host.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/hourglass_guard.h"
#include "shared/text/number_text.h"

#include <cstddef>

namespace darvo {

namespace captions = selection_captions;

namespace {

// The most curves one chart window holds: it has six legend rows and six colours.
constexpr int kMaximumCurvesPerChart = 6;

FocusTarget FocusOf(ConditionBoxName box) {
    switch (box) {
        case ConditionBoxName::DCBiasVoltage:
            return FocusTarget::DCBiasVol;
        case ConditionBoxName::Frequency:
            return FocusTarget::Frequency;
        case ConditionBoxName::HeatResistance:
            return FocusTarget::HeatResistance;
        case ConditionBoxName::AmbientTemperature:
            return FocusTarget::AmbientTemp;
        case ConditionBoxName::Parameter:
            return FocusTarget::Parameter;
    }
    return FocusTarget::None;
}

bool IsThermal(ChartType chartType) {
    return chartType == TemperatureRise || chartType == AllowablePower;
}

// The request header fields a duplicate shares, compared exactly (single precision).
bool SameCurve(const ChartDataRecord& a, const ChartDataRecord& b) {
    return a.ChartType == b.ChartType && a.XAxisName == b.XAxisName && a.YAxisName == b.YAxisName &&
           a.ParameterName == b.ParameterName && a.ProductIndex == b.ProductIndex &&
           a.DCBiasVoltage == b.DCBiasVoltage && a.HeatResistance == b.HeatResistance &&
           a.Frequency == b.Frequency && a.AmbientTemperature == b.AmbientTemperature &&
           a.ParameterValue == b.ParameterValue;
}

}  // namespace

void LibrarySelection::ResetConditions() {
    state_.ConditionFrameEnabled = false;
    state_.DCBiasVol = {"0", false};
    state_.Frequency = {"100", false};
    state_.HeatResistance = {"0", false};
    state_.AmbientTemp = {Code() == shared::Jis ? "20" : "25", false};
    state_.ParameterFrameEnabled = false;
    SelectParameterOption(0);
    state_.Parameter.Enabled = false;
    state_.Parameter.Text = shared::GeneralNumberTextSingle(0.1F, separator_);
    state_.ParameterUnit = captions::kParameterUnits[0];
}

void LibrarySelection::EnableConditions(ChartType chartType) {
    state_.ConditionFrameEnabled = true;
    const auto heatResistance = [this] {
        state_.HeatResistance.Text = shared::GeneralNumberTextSingle(ChosenPart().HeatModel[3], separator_);
    };
    switch (chartType) {
        case TemperatureRise:
            state_.DCBiasVol.Enabled = true;
            state_.HeatResistance.Enabled = true;
            state_.AmbientTemp.Enabled = true;
            heatResistance();
            if (XAxis() != Quantity::Frequency) {
                state_.Frequency.Enabled = true;
            } else {
                state_.ParameterFrameEnabled = true;
                SelectParameterOption(0);
                state_.Parameter.Enabled = true;
                state_.Frequency.Enabled = false;
            }
            break;
        case AllowablePower:
            state_.DCBiasVol.Enabled = true;
            state_.HeatResistance.Enabled = true;
            state_.AmbientTemp.Enabled = true;
            heatResistance();
            break;
        case CapacitanceTemperature:
            state_.DCBiasVol.Enabled = true;
            break;
        case CapacitanceDcVoltage:
            state_.AmbientTemp.Enabled = true;
            break;
        default:
            break;
    }
}

void LibrarySelection::cmbXaxis_Click(const std::string& value) {
    state_.XAxis.Text = value;
    const bool temperatureRise = GetChartType() == TemperatureRise;
    const bool overFrequency = XAxis() == Quantity::Frequency;
    if (temperatureRise && overFrequency) {
        state_.ParameterFrameEnabled = true;
        SelectParameterOption(0);
        state_.Parameter.Enabled = true;
        state_.Frequency.Enabled = false;
    } else {
        SelectParameterOption(0);
        state_.Parameter.Text = shared::GeneralNumberTextSingle(0.1F, separator_);
        state_.ParameterUnit = captions::kParameterUnits[0];
        state_.ParameterFrameEnabled = false;
        state_.Parameter.Enabled = false;
    }
    if (temperatureRise && !overFrequency && state_.PartChosen) {
        state_.Frequency.Enabled = true;
    }
}

void LibrarySelection::cmbYaxis_Click(const std::string& value) {
    state_.YAxis.Text = value;
}

void LibrarySelection::SelectParameterOption(int index) {
    // Selecting an option raises its click only when the selection changes.
    if (state_.ParameterOption != index) {
        optParameter_Click(index);
    }
}

void LibrarySelection::optParameter_Click(int index) {
    if (index < 0 || index >= static_cast<int>(captions::kParameterUnits.size())) {
        return;
    }
    state_.ParameterOption = index;
    state_.Parameter.Text = shared::GeneralNumberTextSingle(0.1F, separator_);
    state_.ParameterUnit = captions::kParameterUnits[static_cast<std::size_t>(index)];
}

Quantity LibrarySelection::SelectedParameter() const noexcept {
    const std::vector<Quantity>& quantities = ParameterQuantities();
    const auto index = static_cast<std::size_t>(state_.ParameterOption);
    return index < quantities.size() ? quantities[index] : Quantity::None;
}

std::string LibrarySelection::SelectedParameterName() const {
    return std::string(QuantityName(SelectedParameter()));
}

Quantity LibrarySelection::XAxis() const noexcept {
    return QuantityFromName(state_.XAxis.Text).value_or(Quantity::None);
}

Quantity LibrarySelection::YAxis() const noexcept {
    return QuantityFromName(state_.YAxis.Text).value_or(Quantity::None);
}

std::string LibrarySelection::GetChartTypeName() const {
    return ChartTypeName(GetChartType());
}

ConditionTexts LibrarySelection::CurrentConditions() const {
    ConditionTexts texts;
    texts.DCBiasVoltage = state_.DCBiasVol.Text;
    texts.Frequency = state_.Frequency.Text;
    texts.HeatResistance = state_.HeatResistance.Text;
    texts.AmbientTemperature = state_.AmbientTemp.Text;
    texts.Parameter = SelectedParameter();
    texts.ParameterValue = state_.Parameter.Text;
    return texts;
}

const ProductRecord& LibrarySelection::ChosenPart() const {
    // Only checks of enabled boxes read the part, and boxes are enabled only with a part
    // chosen; without one the checks see a part with no rating and no characteristic.
    static const ProductRecord none;
    const std::optional<std::int32_t> k = SelectedProductIndex();
    return k ? library_.ProductTable[static_cast<std::size_t>(*k)] : none;
}

bool LibrarySelection::RunCheck(const std::function<bool(ConditionChecks&)>& check) {
    ConditionChecks checks(ChosenPart(), GetChartType(), Code(), messages_, separator_);
    checks.OnRefused([this](ConditionBoxName box) { state_.Focus = FocusOf(box); });
    return check(checks);
}

bool LibrarySelection::CheckDCBiasVol() {
    return RunCheck([this](ConditionChecks& c) { return c.CheckDCBiasVol(state_.DCBiasVol.Text); });
}

bool LibrarySelection::CheckFrequency() {
    return RunCheck([this](ConditionChecks& c) { return c.CheckFrequency(state_.Frequency.Text); });
}

bool LibrarySelection::CheckHeatResistance() {
    return RunCheck([this](ConditionChecks& c) { return c.CheckHeatResistance(state_.HeatResistance.Text); });
}

bool LibrarySelection::CheckParameter1() {
    return RunCheck([this](ConditionChecks& c) { return c.CheckParameter1(state_.Parameter.Text); });
}

bool LibrarySelection::CheckAmbientTemp1() {
    return RunCheck([this](ConditionChecks& c) { return c.CheckAmbientTemp1(state_.AmbientTemp.Text); });
}

bool LibrarySelection::CheckAmbientTemp2() {
    return RunCheck([this](ConditionChecks& c) { return c.CheckAmbientTemp2(state_.AmbientTemp.Text); });
}

bool LibrarySelection::CheckAllConditions() {
    return RunCheck(
        [this](ConditionChecks& c) { return c.CheckAllConditions(CurrentConditions(), XAxis()); });
}

bool LibrarySelection::CheckConditions() {
    return RunCheck([this](ConditionChecks& c) { return c.CheckConditions(CurrentConditions(), XAxis()); });
}

void LibrarySelection::txtDCBiasVol_LostFocus() {
    if (state_.ConditionFrameEnabled && state_.DCBiasVol.Enabled) {
        CheckDCBiasVol();
    }
}

void LibrarySelection::txtFrequency_LostFocus() {
    if (state_.ConditionFrameEnabled && state_.Frequency.Enabled) {
        CheckFrequency();
    }
}

void LibrarySelection::txtHeatResistance_LostFocus() {
    if (state_.ConditionFrameEnabled && state_.HeatResistance.Enabled) {
        CheckHeatResistance();
    }
}

void LibrarySelection::txtAmbientTemp_LostFocus() {
    if (!state_.ConditionFrameEnabled || !state_.AmbientTemp.Enabled) {
        return;
    }
    const ChartType t = GetChartType();
    if (IsThermal(t)) {
        CheckAmbientTemp1();
    } else if (t == CapacitanceTemperature || t == CapacitanceDcVoltage) {
        CheckAmbientTemp2();
    }
}

void LibrarySelection::txtParameter_LostFocus() {
    CheckParameter1();
}

void LibrarySelection::WriteChartData(std::int32_t intNum, ChartType chartType) {
    ChartDataRecord& r = table_.Prepared();
    const ChartDataRecord header =
        ChartRequestHeader({chartType, XAxis(), YAxis()}, intNum, CurrentConditions(), separator_);
    r.ChartType = header.ChartType;
    r.XAxisName = header.XAxisName;
    r.YAxisName = header.YAxisName;
    r.ProductIndex = header.ProductIndex;
    r.DCBiasVoltage = header.DCBiasVoltage;
    r.HeatResistance = header.HeatResistance;
    r.Frequency = header.Frequency;
    r.AmbientTemperature = header.AmbientTemperature;
    r.ParameterName = header.ParameterName;
    r.ParameterValue = header.ParameterValue;
}

bool LibrarySelection::CalculateChartData(std::int32_t intNum) {
    if (intNum < 0 || static_cast<std::size_t>(intNum) >= library_.ProductTable.size()) {
        throw shared::RuntimeError(shared::error::kSubscriptOutOfRange, "CalculateChartData");
    }
    const ProductRecord& part = library_.ProductTable[static_cast<std::size_t>(intNum)];
    if (IsThermal(table_.Prepared().ChartType)) {
        return CalculateDataT(table_, part, messages_, separator_);
    }
    return CalculateDataS(table_, part, Code(), messages_);
}

bool LibrarySelection::IsNewCurve() const {
    const ChartDataRecord request =
        ChartRequestHeader(Identity(), SelectedProductIndex().value_or(-1), CurrentConditions(), separator_);
    for (std::size_t i = 0; i < table_.Size(); ++i) {
        if (SameCurve(table_.At(i), request)) {
            return false;
        }
    }
    return true;
}

int LibrarySelection::CountIdentityCurves() const {
    const ChartIdentity identity = Identity();
    int count = 0;
    for (std::size_t i = 0; i < table_.Size(); ++i) {
        if (IdentityOf(table_.At(i)) == identity) {
            ++count;
        }
    }
    return count;
}

void LibrarySelection::cmdPlot_Click() {
    if (!state_.PartChosen || !CheckAllConditions()) {
        return;
    }
    if (!IsNewCurve()) {
        messages_.Show(captions::kAlreadyOpened, shared::MessageIcon::Exclamation, captions::kProgramTitle);
        return;
    }
    const int n = CountIdentityCurves();
    if (n >= kMaximumCurvesPerChart) {
        messages_.Show(captions::kMaximumCurves, shared::MessageIcon::Exclamation, captions::kProgramTitle);
        return;
    }
    const shared::HourglassGuard wait(cursor_);
    const std::optional<std::int32_t> k = SelectedProductIndex();
    if (!k) {
        return;
    }
    // Removed again on every way out unless a chart window adopts it, so a refusal, a
    // failed window or an exception leaves the table as before the request.
    PreparedChartRecord prepared(table_);
    WriteChartData(*k, GetChartType());
    if (!CalculateChartData(*k)) {
        return;
    }
    if (n == 0) {
        host_.OpenNewChart();
    } else {
        host_.AddCurveToOpenChart(IdentityOf(table_.Prepared()));
    }
}

}  // namespace darvo
