// The operating-point fields, the readouts and the menu and chart-request checks of
// LibrarySelection; the part choice is in library_selection.cpp.
#include "pelmo/charts/chart_slot.h"
#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/inductor_evaluation.h"
#include "pelmo/engine/temperature_range.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/library/records.h"
#include "pelmo/selection/frequency_scroll.h"
#include "pelmo/selection/library_selection.h"
#include "pelmo/selection/selection_host.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/part_number_codes.h"
#include "shared/platform/error_report.h"
#include "shared/platform/messages.h"
#include "shared/text/number_text.h"

#include <limits>
#include <string>

namespace pelmo {

namespace {

constexpr const char* kInvalidPartText = "Product Number is invalid or not selected!";

}  // namespace

std::optional<std::int32_t> LibrarySelection::FindExact() const {
    const std::string& text = state_.PartNumber.Text;
    if (Is(ProductKind::Capacitor)) {
        for (std::size_t u = 0; u < library_.CapacitorTable.size(); ++u) {
            if (library_.CapacitorTable[u].PartNumber[state_.CodeSystem] == text) {
                return static_cast<std::int32_t>(u);
            }
        }
    } else {
        for (std::size_t u = 0; u < library_.InductorTable.size(); ++u) {
            if (library_.InductorTable[u].PartNumber == text) {
                return static_cast<std::int32_t>(u);
            }
        }
    }
    return std::nullopt;
}

std::optional<PartFrequencyRange> LibrarySelection::RangeOfBox() const {
    const std::optional<std::int32_t> index = FindExact();
    if (!index) {
        return std::nullopt;
    }
    const auto u = static_cast<std::size_t>(*index);
    const float upper = Is(ProductKind::Capacitor) ? library_.CapacitorTable[u].UpperFrequency
                                                   : library_.InductorTable[u].UpperFrequency;
    return FrequencyRangeOf(shared::FrequencyRangeClass(state_.PartNumber.Text), upper, separator_);
}

double LibrarySelection::TypedFrequency() const {
    return shared::ParseNumber(state_.Frequency, separator_).value_or(0.0);
}

void LibrarySelection::ShowFrequencyRange() {
    state_.ScrollPosition = 0;
    const std::optional<PartFrequencyRange> range =
        state_.PartNumber.Text.empty() ? std::nullopt : RangeOfBox();
    if (!range) {
        state_.Frequency = "1";
        return;
    }
    state_.FrequencyRange = "Range:" + range->LowerText + "-" + range->UpperText + "[MHz]";
    state_.Frequency = DefaultFrequencyText(*range);
}

bool LibrarySelection::Evaluate(std::int32_t index, double omega, const char* routine) {
    const auto u = static_cast<std::size_t>(index);
    try {
        if (Is(ProductKind::Capacitor)) {
            EvaluateCapacitor(library_.CapacitorTable[u], omega, CurrentCapacitorConditions(), result_,
                              &messages_);
        } else {
            EvaluateInductor(library_.InductorTable[u], omega, result_, &messages_);
        }
    } catch (const shared::RuntimeError& failure) {
        shared::ErrorReport(messages_, std::string("pelmo:frmLibrary.") + routine, failure);
        return false;
    }
    ShowReadouts();
    return true;
}

CapacitorConditions LibrarySelection::CurrentCapacitorConditions() const {
    const char separator = separator_;
    CapacitorConditions conditions;
    // A part without a condition model has its fields disabled at the reference
    // values; they still set the resistance factors.
    const double reference = ReferenceTemperature(state_.CodeSystem);
    conditions.Temperature = shared::ParseNumber(state_.Temperature, separator).value_or(reference);
    conditions.Bias = shared::ParseNumber(state_.Bias, separator).value_or(0.0);
    conditions.Connection = state_.Connection();
    conditions.PartNumber = state_.PartNumber.Text;
    conditions.CodeSystem = state_.CodeSystem;
    conditions.DecimalSeparator = separator;
    return conditions;
}

void LibrarySelection::ClearReadouts() {
    state_.Readouts = SelectionReadouts{};
}

void LibrarySelection::ShowReadouts() {
    ClearReadouts();
    const std::optional<double> frequency = shared::ParseNumber(state_.Frequency, separator_);
    const bool withSParameters =
        !(frequency && *frequency < 0.03 && shared::FrequencyRangeClass(state_.PartNumber.Text) == 5);
    state_.Readouts = ReadoutsOf(result_, Is(ProductKind::Inductor), withSParameters, separator_);
}

std::optional<std::int32_t> LibrarySelection::PartForCommand() {
    const std::optional<std::int32_t> index = LookUpPartNumber();
    if (!index) {
        messages_.Show(kInvalidPartText, shared::MessageIcon::Exclamation, kProgramTitle);
    }
    return index;
}

bool LibrarySelection::RefreshReadoutsForExport() {
    if (!PartForCommand() || !FrequencyCheck() || !OperatingConditionCheck()) {
        return false;
    }
    const std::optional<std::int32_t> index = LookUpPartNumber();
    return index && Evaluate(*index, TypedFrequency() * kTwoPi * 1e6, "RecalculateReadouts");
}

void LibrarySelection::hsvFreq_Change(int position) {
    if (state_.PartNumber.Text.empty()) {
        return;
    }
    state_.ScrollPosition = position;
    if (!LookUpPartNumber()) {
        InvalidPartNumber();
        return;
    }
    const std::optional<PartFrequencyRange> range = RangeOfBox();
    if (!range) {
        return;
    }
    state_.Frequency = ScrollFrequencyText(*range, position, separator_);
    RecalculateReadouts();
}

bool LibrarySelection::FrequencyCheck() {
    if (state_.PartNumber.Text.empty()) {
        return false;
    }
    if (!LookUpPartNumber()) {
        InvalidPartNumber();
        return false;
    }
    const std::optional<PartFrequencyRange> range = RangeOfBox();
    if (!range) {
        return AcceptClass("FrequencyCheck");
    }
    const std::optional<std::string> message = FrequencyCheckMessage(state_.Frequency, *range, separator_);
    if (message) {
        Warn(*message, FocusTarget::Frequency, true);
        return false;
    }
    return true;
}

bool LibrarySelection::txtFreq_KeyPress(char key) {
    if (key != '\r') {
        return false;
    }
    if (!FrequencyCheck()) {
        return true;
    }
    RecalculateReadouts();
    if (const std::optional<PartFrequencyRange> range = RangeOfBox()) {
        state_.ScrollPosition = ScrollPosition(*range, TypedFrequency());
    }
    return true;
}

bool LibrarySelection::OperatingConditionCheck() {
    if (!Is(ProductKind::Capacitor)) {
        return true;
    }
    const std::optional<std::int32_t> index = LookUpPartNumber();
    if (!index) {
        InvalidPartNumber();
        return false;
    }
    const CapacitorRecord& record = library_.CapacitorTable[static_cast<std::size_t>(*index)];
    const std::optional<std::string> message =
        OperatingConditionMessage(library_, record, state_.PartNumber.Text, state_.CodeSystem,
                                  state_.Temperature, state_.Bias, separator_);
    if (!message) {
        return true;
    }
    if (*message == kGetTempRangeErrorText) {
        // A library fault, not an input fault: the part is refused and the session
        // goes on.
        messages_.Show(*message, shared::MessageIcon::None, kProgramTitle);
        return false;
    }
    const bool temperature = message->rfind("Operation Temp", 0) == 0;
    Warn(*message, temperature ? FocusTarget::Temperature : FocusTarget::Bias);
    return false;
}

void LibrarySelection::RecalculateReadouts() {
    if (state_.ItemB.Text.empty() || state_.PartNumber.Text.empty()) {
        return;
    }
    if (!FrequencyCheck() || !OperatingConditionCheck()) {
        return;
    }
    const std::optional<std::int32_t> index = LookUpPartNumber();
    if (index) {
        Evaluate(*index, TypedFrequency() * kTwoPi * 1e6, "RecalculateReadouts");
    }
}

bool LibrarySelection::txtTemp_KeyPress(char key) {
    if (key != '\r') {
        return false;
    }
    if (state_.PartNumber.Text.empty() || !Is(ProductKind::Capacitor)) {
        return true;
    }
    const char separator = separator_;
    const std::optional<float> typed = shared::ParseSingle(state_.Temperature, separator);
    if (!shared::ParseNumber(state_.Temperature, separator) || !typed) {
        Warn("Operation Temp is invalid!\nPlease enter a Number", FocusTarget::Temperature, true);
        return true;
    }
    const std::optional<std::int32_t> index = LookUpPartNumber();
    if (!index) {
        InvalidPartNumber();
        return true;
    }
    const CapacitorRecord& record = library_.CapacitorTable[static_cast<std::size_t>(*index)];
    int lower = 0;
    int upper = 0;
    if (!GetTempRange(record.TempChar[state_.CodeSystem], lower, upper)) {
        messages_.Show(kGetTempRangeErrorText, shared::MessageIcon::None, kProgramTitle);
        return true;
    }
    if (!(*typed >= static_cast<float>(lower)) || *typed > static_cast<float>(upper)) {
        Warn("Operation Temp is out of Range!\nPlease enter a Number from " + std::to_string(lower) + " to " +
                 std::to_string(upper) + " [C]",
             FocusTarget::Temperature, true);
        return true;
    }
    // The other fields are checked too: an evaluation must never run on text nobody
    // checked.
    if (FrequencyCheck() && OperatingConditionCheck()) {
        Evaluate(*index, TypedFrequency() * kTwoPi * 1e6, "txtTemp_KeyPress");
    }
    return true;
}

bool LibrarySelection::txtDC_KeyPress(char key) {
    if (key != '\r') {
        return false;
    }
    if (!Is(ProductKind::Capacitor)) {
        return true;
    }
    const std::string rated = RatedVoltageOf(library_, state_.PartNumber.Text, state_.CodeSystem);
    if (rated.empty()) {
        return true;
    }
    const char separator = separator_;
    const std::string range = "\nPlease enter a Number from 0 to " + rated + " [V]";
    const std::optional<float> bias = shared::ParseSingle(state_.Bias, separator);
    if (!shared::ParseNumber(state_.Bias, separator) || !bias) {
        Warn("DC Bias Voltage is invalid!" + range, FocusTarget::Bias, true);
        return true;
    }
    const std::optional<float> limit = shared::ParseSingle(rated, separator);
    if (*bias < 0.0F || !limit || *bias > *limit) {
        Warn("DC Bias Voltage is out of Range!" + range, FocusTarget::Bias, true);
        return true;
    }
    if (FrequencyCheck() && OperatingConditionCheck()) {
        if (const std::optional<std::int32_t> index = LookUpPartNumber()) {
            Evaluate(*index, TypedFrequency() * kTwoPi * 1e6, "txtDC_KeyPress");
        }
    }
    return true;
}

void LibrarySelection::optMode_Click(int index) {
    if (!Is(ProductKind::Capacitor)) {
        return;
    }
    state_.Mode = index == 0 ? 0 : 1;
    if (!FrequencyCheck() || !OperatingConditionCheck()) {
        return;
    }
    if (const std::optional<std::int32_t> found = LookUpPartNumber()) {
        Evaluate(*found, TypedFrequency() * kTwoPi * 1e6, "optMode_Click");
    }
}

void LibrarySelection::ResetOperatingConditions() {
    if (state_.PartNumber.Text.empty()) {
        return;
    }
    state_.Temperature = DefaultTemperatureText(state_.CodeSystem, separator_);
    state_.Bias = kDefaultBiasText;
    const std::optional<std::int32_t> index =
        library_.PartIndex[state_.CodeSystem].Find(state_.PartNumber.Text);
    const bool model = Is(ProductKind::Capacitor) && index &&
                       HasConditionModel(library_.CapacitorTable[static_cast<std::size_t>(*index)]);
    state_.TemperatureEnabled = model;
    state_.BiasEnabled = model;
}

void LibrarySelection::UpdateMenuState() {
    MenuInputs inputs;
    inputs.PartChosen = !state_.PartNumber.Text.empty();
    inputs.AnySelection = inputs.PartChosen || !state_.ItemA.Text.empty() || !state_.ItemB.Text.empty() ||
                          !state_.ItemC.Text.empty() ||
                          (Is(ProductKind::Capacitor) && !state_.ItemD.Text.empty());
    inputs.Inductor = Is(ProductKind::Inductor);
    inputs.RangeClass = shared::FrequencyRangeClass(state_.PartNumber.Text);
    inputs.ChartWindowOpen = host_.OpenChartWindowCount() > 0;
    state_.Menus = ComputeMenuState(inputs);
}

ChartSlot LibrarySelection::ChartRequestKey(ChartKind kind, SParameter sParameter, std::int32_t index,
                                            float temperatureFallback, float biasFallback) const {
    ChartSlot request;
    request.Product = state_.Product;
    request.PartIndexPlusOne = index + 1;
    request.Kind = kind;
    request.Parameter = sParameter;
    if (HasSParameter(kind)) {
        request.Connection = state_.Connection();
    }
    const char separator = separator_;
    request.Temperature = shared::ParseSingle(state_.Temperature, separator).value_or(temperatureFallback);
    request.DcBias = shared::ParseSingle(state_.Bias, separator).value_or(biasFallback);
    return request;
}

bool LibrarySelection::CheckChartOpenOk(ChartKind kind, SParameter sParameter, const ChartSlotTable& slots) {
    const std::optional<std::int32_t> index = PartForCommand();
    if (!index) {
        return false;
    }
    // A field that does not read as a number cannot name the conditions of an open
    // chart: NaN compares unequal to every slot, so the duplicate test never matches.
    constexpr float kNoMatch = std::numeric_limits<float>::quiet_NaN();
    const ChartSlot request = ChartRequestKey(kind, sParameter, *index, kNoMatch, kNoMatch);
    const ChartOpenRefusal refusal = slots.CheckChartOpen(request);
    if (refusal != ChartOpenRefusal::None) {
        messages_.Show(std::string(ChartOpenRefusalText(refusal)), shared::MessageIcon::Exclamation,
                       kProgramTitle);
        return false;
    }
    return true;
}

}  // namespace pelmo
