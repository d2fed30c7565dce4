#include "pelmo/selection/library_selection.h"

#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/inductor_evaluation.h"
#include "pelmo/engine/temperature_range.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/library/records.h"
#include "pelmo/selection/frequency_scroll.h"
#include "pelmo/selection/selection_host.h"
#include "pelmo/selection/selection_lists.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/capacitance_text.h"
#include "shared/parts/numeric_list.h"
#include "shared/parts/part_number_codes.h"
#include "shared/parts/part_sort.h"
#include "shared/platform/error_report.h"
#include "shared/platform/hourglass_guard.h"
#include "shared/platform/messages.h"
#include "shared/text/blanks.h"
#include "shared/text/number_text.h"

namespace pelmo {

namespace {

constexpr const char* kInvalidPartText = "Product Number is invalid or not selected!";
constexpr const char* kCloseChartsText = "Close all chart windows";

// Sets SelectionBusy for the lifetime of the guard: selecting entries from code raises
// the boxes' Click events, and the flag keeps those handlers quiet.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

std::string ErrorTitle(const char* routine) {
    return std::string("pelmo:frmLibrary.") + routine;
}

// The capacitance filter's text as the number the library's NominalCapacitance holds.
std::optional<double> CapacitanceNumber(const std::string& filterText, char separator) {
    return shared::ParseNumber(shared::CapacitanceValue(filterText, separator), separator);
}

}  // namespace

LibrarySelection::LibrarySelection(Library& library, shared::Messages& messages, shared::Cursor& cursor,
                                   SelectionHost& host, char decimalSeparator)
    : library_(library), messages_(messages), cursor_(cursor), host_(host), separator_(decimalSeparator) {}

FocusTarget LibrarySelection::TakeFocus() noexcept {
    const FocusTarget focus = state_.Focus;
    state_.Focus = FocusTarget::None;
    return focus;
}

void LibrarySelection::Warn(const std::string& text, FocusTarget focus, bool beep) {
    if (beep) {
        ++state_.Beeps;
    }
    messages_.Show(text, shared::MessageIcon::Exclamation, kProgramTitle);
    state_.Focus = focus;
}

void LibrarySelection::Form_Load(int helpLanguage, const std::string& degreeSign) {
    ChangeViewCode(helpLanguage != 2 ? shared::Jis : shared::Eia);
    state_.Temperature = DefaultTemperatureText(state_.CodeSystem, separator_);
    state_.Bias = kDefaultBiasText;
    FillSelectionLists(ProductKind::Capacitor);
    state_.TemperatureCaption = "Operation Temp[" + degreeSign + "C]";
    state_.ScrollPosition = 0;
    UpdateMenuState();
}

// ---------------------------------------------------------------------------------
// Lists and filters.

void LibrarySelection::FillSelectionLists(ProductKind kind) {
    state_.PartNumber.Clear();
    state_.ItemA.Clear();
    state_.ItemB.Clear();
    state_.ItemC.Clear();
    state_.ItemD.Clear();
    const shared::CodeSystem code = state_.CodeSystem;
    if (kind == ProductKind::Capacitor) {
        for (const CapacitorRecord& record : library_.CapacitorTable) {
            if (!record.PartNumber[code].empty()) {
                state_.PartNumber.Items.push_back(record.PartNumber[code]);
                AddDistinct(state_.ItemA.Items, record.SizeCode[code]);
            }
        }
    } else {
        for (const InductorRecord& record : library_.InductorTable) {
            state_.PartNumber.Items.push_back(record.PartNumber);
            AddDistinct(state_.ItemA.Items, record.SizeCode[code]);
        }
    }
}

bool LibrarySelection::CapacitorMatches(std::int32_t index, const std::string& size, const std::string* itemB,
                                        const std::string* capacitance, const std::string* voltage) const {
    const CapacitorRecord& record = library_.CapacitorTable[static_cast<std::size_t>(index)];
    const shared::CodeSystem code = state_.CodeSystem;
    const char separator = separator_;
    if (record.PartNumber[code].empty() || record.SizeCode[code] != size) {
        return false;
    }
    if (itemB != nullptr && TrimmedTempChar(record, code) != *itemB) {
        return false;
    }
    if (capacitance != nullptr) {
        const std::optional<double> wanted = CapacitanceNumber(*capacitance, separator);
        const std::optional<double> nominal = shared::ParseNumber(record.NominalCapacitance, separator);
        if (!wanted || !nominal || *wanted != *nominal) {
            return false;
        }
    }
    return voltage == nullptr || SameNumber(*voltage, record.RatedVoltage, separator);
}

bool LibrarySelection::InductorMatches(std::int32_t index, const std::string& size,
                                       const std::string* inductance, const std::string* current) const {
    const InductorRecord& record = library_.InductorTable[static_cast<std::size_t>(index)];
    const char separator = separator_;
    if (record.SizeCode[state_.CodeSystem] != size) {
        return false;
    }
    if (inductance != nullptr && !SameNumber(*inductance, record.Inductance, separator)) {
        return false;
    }
    return current == nullptr || SameNumber(*current, record.RatedCurrent, separator);
}

void LibrarySelection::FillItemB(const std::string& size) {
    state_.ItemB.Clear();
    if (Is(ProductKind::Capacitor)) {
        for (std::size_t u = 0; u < library_.CapacitorTable.size(); ++u) {
            if (CapacitorMatches(static_cast<std::int32_t>(u), size, nullptr, nullptr, nullptr)) {
                AddDistinct(state_.ItemB.Items,
                            TrimmedTempChar(library_.CapacitorTable[u], state_.CodeSystem));
            }
        }
    } else {
        for (std::size_t u = 0; u < library_.InductorTable.size(); ++u) {
            if (InductorMatches(static_cast<std::int32_t>(u), size, nullptr, nullptr)) {
                AddDistinct(state_.ItemB.Items, library_.InductorTable[u].Inductance);
            }
        }
    }
    shared::SortNumericList(state_.ItemB.Items, false, separator_);
}

void LibrarySelection::FillItemC(const std::string& size, const std::string& itemB) {
    state_.ItemC.Clear();
    if (Is(ProductKind::Capacitor)) {
        for (std::size_t u = 0; u < library_.CapacitorTable.size(); ++u) {
            if (CapacitorMatches(static_cast<std::int32_t>(u), size, &itemB, nullptr, nullptr)) {
                AddDistinct(
                    state_.ItemC.Items,
                    shared::CapacitanceText(library_.CapacitorTable[u].NominalCapacitance, separator_));
            }
        }
        shared::SortNumericList(state_.ItemC.Items, true, separator_);
    } else {
        for (std::size_t u = 0; u < library_.InductorTable.size(); ++u) {
            if (InductorMatches(static_cast<std::int32_t>(u), size, &itemB, nullptr)) {
                AddDistinct(state_.ItemC.Items, library_.InductorTable[u].RatedCurrent);
            }
        }
        shared::SortNumericList(state_.ItemC.Items, false, separator_);
    }
}

void LibrarySelection::FillItemD(const std::string& size, const std::string& itemB,
                                 const std::string& capacitance) {
    state_.ItemD.Clear();
    for (std::size_t u = 0; u < library_.CapacitorTable.size(); ++u) {
        if (CapacitorMatches(static_cast<std::int32_t>(u), size, &itemB, &capacitance, nullptr)) {
            AddDistinct(state_.ItemD.Items, library_.CapacitorTable[u].RatedVoltage);
        }
    }
    SortByNumericValue(state_.ItemD.Items, separator_);
}

void LibrarySelection::optProduct_Click(int index) {
    ClearReadouts();
    state_.Product = index == 0 ? ProductKind::Capacitor : ProductKind::Inductor;
    const bool capacitor = Is(ProductKind::Capacitor);
    state_.ItemDVisible = capacitor;
    state_.ItemBCaption = capacitor ? "TCC" : "Inductance[nH]";
    state_.ItemCCaption = capacitor ? "Capacitance[F]" : "Rated Current[mA]";
    state_.CapacitanceCaption = capacitor ? "Series Capacitance, C[pF]:" : "Parallel Capacitance, C[pF]:";
    state_.ConditionsVisible = capacitor;
    state_.EquivalentCircuitPicture = capacitor ? "cec" : "iec";
    state_.SeriesPicture = capacitor ? "cseries" : "iseries";
    state_.Mode = 0;
    state_.ShuntVisible = capacitor;
    // The condition fields are read by chart requests of either kind; text left in
    // them while they are hidden must not refuse an inductor's chart.
    state_.Temperature = DefaultTemperatureText(state_.CodeSystem, separator_);
    state_.Bias = kDefaultBiasText;
    FillSelectionLists(state_.Product);
    ShowFrequencyRange();
    state_.FrequencyRange.clear();
    state_.Use.clear();
    // Nothing is chosen now, so every part command goes off, not only the chart items.
    UpdateMenuState();
}

void LibrarySelection::cboItemA_Click(const std::string& value) {
    if (selectionBusy_ || value.empty()) {
        return;
    }
    BusyScope busy(selectionBusy_);
    shared::HourglassGuard hourglass(cursor_);
    state_.ItemA.Text = value;
    state_.PartNumber.Clear();
    state_.ItemC.Clear();
    state_.ItemD.Clear();
    ClearReadouts();
    state_.Use.clear();
    if (Is(ProductKind::Capacitor)) {
        for (std::size_t u = 0; u < library_.CapacitorTable.size(); ++u) {
            if (CapacitorMatches(static_cast<std::int32_t>(u), value, nullptr, nullptr, nullptr)) {
                state_.PartNumber.Items.push_back(library_.CapacitorTable[u].PartNumber[state_.CodeSystem]);
            }
        }
    } else {
        for (std::size_t u = 0; u < library_.InductorTable.size(); ++u) {
            if (InductorMatches(static_cast<std::int32_t>(u), value, nullptr, nullptr)) {
                state_.PartNumber.Items.push_back(library_.InductorTable[u].PartNumber);
            }
        }
    }
    FillItemB(value);
    ShowFrequencyRange();
    UpdateMenuState();
}

void LibrarySelection::cboItemB_Click(const std::string& value) {
    if (selectionBusy_ || value.empty()) {
        return;
    }
    BusyScope busy(selectionBusy_);
    shared::HourglassGuard hourglass(cursor_);
    state_.ItemB.Text = value;
    state_.PartNumber.Clear();
    state_.ItemD.Clear();
    ClearReadouts();
    state_.Use.clear();
    const std::string& size = state_.ItemA.Text;
    if (Is(ProductKind::Capacitor)) {
        for (std::size_t u = 0; u < library_.CapacitorTable.size(); ++u) {
            if (CapacitorMatches(static_cast<std::int32_t>(u), size, &value, nullptr, nullptr)) {
                state_.PartNumber.Items.push_back(library_.CapacitorTable[u].PartNumber[state_.CodeSystem]);
            }
        }
    } else {
        for (std::size_t u = 0; u < library_.InductorTable.size(); ++u) {
            if (InductorMatches(static_cast<std::int32_t>(u), size, &value, nullptr)) {
                state_.PartNumber.Items.push_back(library_.InductorTable[u].PartNumber);
            }
        }
    }
    FillItemC(size, value);
    ShowFrequencyRange();
    UpdateMenuState();
}

void LibrarySelection::ChooseFrom(std::vector<std::int32_t>& candidates) {
    if (candidates.size() < 2) {
        return;
    }
    // The dialog gets the normal pointer; the hourglass of the handler returns after it.
    cursor_.RestorePointer();
    host_.ChooseCandidate(candidates);
    cursor_.ShowHourglass();
}

void LibrarySelection::cboItemC_Click(const std::string& value) {
    if (selectionBusy_ || value.empty()) {
        return;
    }
    BusyScope busy(selectionBusy_);
    shared::HourglassGuard hourglass(cursor_);
    state_.ItemC.Text = value;
    state_.PartNumber.Clear();
    state_.ItemD.Clear();
    ClearReadouts();
    state_.Use.clear();
    const std::string size = state_.ItemA.Text;
    const std::string itemB = state_.ItemB.Text;
    if (Is(ProductKind::Capacitor)) {
        for (std::size_t u = 0; u < library_.CapacitorTable.size(); ++u) {
            if (CapacitorMatches(static_cast<std::int32_t>(u), size, &itemB, &value, nullptr)) {
                state_.PartNumber.Items.push_back(library_.CapacitorTable[u].PartNumber[state_.CodeSystem]);
            }
        }
        FillItemD(size, itemB, value);
        ShowFrequencyRange();
        UpdateMenuState();
        return;
    }
    // An inductor is complete after three filters.
    std::vector<std::int32_t> candidates;
    for (std::size_t u = 0; u < library_.InductorTable.size(); ++u) {
        state_.PartNumber.Items.push_back(library_.InductorTable[u].PartNumber);
        if (InductorMatches(static_cast<std::int32_t>(u), size, &itemB, &value)) {
            candidates.push_back(static_cast<std::int32_t>(u));
        }
    }
    ChooseFrom(candidates);
    if (candidates.empty()) {
        ShowFrequencyRange();
        UpdateMenuState();
        return;
    }
    const std::int32_t index = candidates.front();
    state_.PartNumber.Text = library_.InductorTable[static_cast<std::size_t>(index)].PartNumber;
    if (!AcceptClass("cboItemC_Click")) {
        return;
    }
    ShowFrequencyRange();
    UpdateMenuState();
    Evaluate(index, TypedFrequency() * kTwoPi * 1e6, "cboItemC_Click");
}

void LibrarySelection::cboItemD_Click(const std::string& value) {
    if (selectionBusy_ || value.empty()) {
        return;
    }
    // The previous part's conditions must be valid before another part replaces it.
    // Text in the box that names no part has no conditions to check.
    const bool previousPart =
        Is(ProductKind::Capacitor) && library_.PartIndex[state_.CodeSystem].Contains(state_.PartNumber.Text);
    if (previousPart && !OperatingConditionCheck()) {
        return;
    }
    BusyScope busy(selectionBusy_);
    shared::HourglassGuard hourglass(cursor_);
    state_.ItemD.Text = value;
    const shared::CodeSystem code = state_.CodeSystem;
    state_.PartNumber.Clear();
    std::vector<std::int32_t> candidates;
    for (std::size_t u = 0; u < library_.CapacitorTable.size(); ++u) {
        const CapacitorRecord& record = library_.CapacitorTable[u];
        if (record.PartNumber[code].empty()) {
            continue;
        }
        state_.PartNumber.Items.push_back(record.PartNumber[code]);
        if (CapacitorMatches(static_cast<std::int32_t>(u), state_.ItemA.Text, &state_.ItemB.Text,
                             &state_.ItemC.Text, &value)) {
            candidates.push_back(static_cast<std::int32_t>(u));
        }
    }
    ChooseFrom(candidates);
    if (candidates.empty()) {
        ClearReadouts();
        ShowFrequencyRange();
        UpdateMenuState();
        return;
    }
    const std::int32_t index = candidates.front();
    const CapacitorRecord& record = library_.CapacitorTable[static_cast<std::size_t>(index)];
    state_.PartNumber.Text = record.PartNumber[code];
    state_.Use = record.UseText;
    if (!AcceptClass("cboItemD_Click")) {
        return;
    }
    // The new part starts at its own lower frequency, the reference temperature and
    // 0 V before it is evaluated, as a typed part number does; the readouts then
    // describe the conditions the fields show.
    ResetOperatingConditions();
    ShowFrequencyRange();
    Evaluate(index, TypedFrequency() * kTwoPi * 1e6, "cboItemD_Click");
    UpdateMenuState();
}

void LibrarySelection::cboPartNumber_Click(const std::string& value) {
    state_.PartNumber.Text = value;
    ApplyPartNumber();
}

bool LibrarySelection::cboPartNumber_KeyPress(char key) {
    if (key != '\r') {
        return false;
    }
    ApplyPartNumber();
    return true;
}

std::optional<std::int32_t> LibrarySelection::LookUpPartNumber() {
    // Blanks around a typed or pasted number are not part of it.
    const std::string text(shared::TrimBlanks(state_.PartNumber.Text));
    if (text.empty()) {
        return std::nullopt;
    }
    std::optional<std::int32_t> found;
    if (Is(ProductKind::Capacitor)) {
        found = library_.PartIndex[state_.CodeSystem].Find(text);
        if (found && static_cast<std::size_t>(*found) < library_.CapacitorTable.size()) {
            // The position tests (class, series, size) compare letters exactly, so the
            // box takes the library's spelling of whatever case was typed.
            state_.PartNumber.Text =
                library_.CapacitorTable[static_cast<std::size_t>(*found)].PartNumber[state_.CodeSystem];
            return found;
        }
    } else {
        found = library_.InductorPartIndex.Find(text);
        if (found && static_cast<std::size_t>(*found) < library_.InductorTable.size()) {
            state_.PartNumber.Text = library_.InductorTable[static_cast<std::size_t>(*found)].PartNumber;
            return found;
        }
    }
    return std::nullopt;
}

void LibrarySelection::InvalidPartNumber() {
    ClearReadouts();
    Warn(kInvalidPartText, FocusTarget::PartNumber, true);
}

bool LibrarySelection::AcceptClass(const char* routine) {
    if (shared::FrequencyRangeClass(state_.PartNumber.Text) != 0) {
        return true;
    }
    // A series no class rule covers has no frequency range: it cannot be evaluated or
    // charted, so it is reported as a library fault and not taken as chosen.
    shared::ErrorReport(messages_, ErrorTitle(routine),
                        shared::RuntimeError(shared::error::kInvalidProcedureCall,
                                             "No frequency range for " + state_.PartNumber.Text));
    state_.PartNumber.Text.clear();
    state_.Use.clear();
    ClearReadouts();
    ShowFrequencyRange();
    UpdateMenuState();
    return false;
}

void LibrarySelection::ApplyPartNumber() {
    if (state_.PartNumber.Text.empty() || selectionBusy_) {
        return;
    }
    const std::optional<std::int32_t> index = LookUpPartNumber();
    if (!index) {
        InvalidPartNumber();
        return;
    }
    if (Is(ProductKind::Capacitor)) {
        state_.Use = library_.CapacitorTable[static_cast<std::size_t>(*index)].UseText;
    }
    if (!AcceptClass("ApplyPartNumber")) {
        return;
    }
    BusyScope busy(selectionBusy_);
    shared::HourglassGuard hourglass(cursor_);
    if (Is(ProductKind::Capacitor)) {
        ResetOperatingConditions();
    }
    ShowPartInFilters(*index);
    ShowFrequencyRange();
    UpdateMenuState();
    Evaluate(*index, AngularFrequencyFromMegahertz(TypedFrequency()), "ApplyPartNumber");
}

void LibrarySelection::ShowPartInFilters(std::int32_t index) {
    const auto u = static_cast<std::size_t>(index);
    const shared::CodeSystem code = state_.CodeSystem;
    if (Is(ProductKind::Capacitor)) {
        const CapacitorRecord& record = library_.CapacitorTable[u];
        state_.ItemA.Text = record.SizeCode[code];
        FillItemB(state_.ItemA.Text);
        state_.ItemB.Text = TrimmedTempChar(record, code);
        FillItemC(state_.ItemA.Text, state_.ItemB.Text);
        state_.ItemC.Text = shared::CapacitanceText(record.NominalCapacitance, separator_);
        FillItemD(state_.ItemA.Text, state_.ItemB.Text, state_.ItemC.Text);
        state_.ItemD.Text = record.RatedVoltage;
        return;
    }
    const InductorRecord& record = library_.InductorTable[u];
    state_.ItemA.Text = record.SizeCode[code];
    FillItemB(state_.ItemA.Text);
    state_.ItemB.Text = record.Inductance;
    FillItemC(state_.ItemA.Text, state_.ItemB.Text);
    state_.ItemC.Text = record.RatedCurrent;
}

void LibrarySelection::mnuViewCode_Click(int index) {
    const shared::CodeSystem code = index == 0 ? shared::Eia : shared::Jis;
    if (code == state_.CodeSystem) {
        return;
    }
    ChangeViewCode(code);
}

void LibrarySelection::ChangeViewCode(shared::CodeSystem codeSystem) {
    shared::HourglassGuard hourglass(cursor_);
    state_.CodeSystem = codeSystem;
    try {
        if (!SortCapacitors(library_, codeSystem, separator_)) {
            hourglass.Release();
            messages_.Show(shared::kSortErrorMessage, shared::MessageIcon::None, kProgramTitle);
            state_.MustEnd = true;
            return;
        }
    } catch (const shared::RuntimeError& failure) {
        hourglass.Release();
        shared::ErrorReport(messages_, ErrorTitle("ChangeViewCode"), failure);
        state_.MustEnd = true;
        return;
    }
    ChangePartNum(codeSystem);
    if (state_.PartNumber.Text.empty()) {
        // The part has no name in this notation: nothing is chosen any more.
        ClearReadouts();
        state_.Use.clear();
        ShowFrequencyRange();
        UpdateMenuState();
    }
    ApplyPartNumber();
    state_.Temperature = DefaultTemperatureText(codeSystem, separator_);
    if (host_.OpenChartWindowCount() > 0) {
        messages_.Show(kCloseChartsText, shared::MessageIcon::Information, kProgramTitle);
        host_.CloseAllChartWindows();
        UpdateMenuState();
    }
}

void LibrarySelection::ChangePartNum(shared::CodeSystem codeSystem) {
    const std::string remembered = state_.PartNumber.Text;
    FillSelectionLists(state_.Product);
    if (remembered.empty()) {
        return;
    }
    if (Is(ProductKind::Capacitor)) {
        const std::optional<std::int32_t> found =
            library_.PartIndex[shared::OtherCodeSystem(codeSystem)].Find(remembered);
        if (found) {
            const std::string& partNumber =
                library_.CapacitorTable[static_cast<std::size_t>(*found)].PartNumber[codeSystem];
            if (!partNumber.empty()) {
                state_.PartNumber.Text = partNumber;
            }
        }
    } else if (const std::optional<std::int32_t> found = library_.InductorPartIndex.Find(remembered)) {
        state_.PartNumber.Text = library_.InductorTable[static_cast<std::size_t>(*found)].PartNumber;
    }
}

void LibrarySelection::ResetSelection() {
    if (selectionBusy_) {
        return;
    }
    BusyScope busy(selectionBusy_);
    shared::HourglassGuard hourglass(cursor_);
    FillSelectionLists(state_.Product);
    ClearReadouts();
    ShowFrequencyRange();
    UpdateMenuState();
    state_.Use.clear();
    state_.Menus.FileReset = false;
}

void LibrarySelection::mnuFileReset_Click() {
    ResetSelection();
    if (Is(ProductKind::Capacitor)) {
        ResetOperatingConditions();
    }
}

}  // namespace pelmo
