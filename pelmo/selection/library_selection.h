#ifndef PELMO_SELECTION_LIBRARY_SELECTION_H
#define PELMO_SELECTION_LIBRARY_SELECTION_H

#include "pelmo/charts/chart_slot.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/selection/operating_conditions.h"
#include "pelmo/selection/selection_window_state.h"

#include "shared/platform/prelude_messages.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace shared {
class Cursor;
class Messages;
}  // namespace shared

namespace pelmo {

struct CapacitorConditions;
struct Library;
class ChartSlotTable;
class SelectionHost;

// The logic of the selection window frmLibrary without the widgets: the filter cascade,
// the part-number box, the notation switch, the operating-point fields with their
// checks and messages, the readouts and the menu states. The window is a thin view: it
// forwards each user action to the handler of the same name and then shows State().
//
// The model never moves the scroll bar through hsvFreq_Change; the window applies
// ScrollPosition without raising its change event, so only real user moves arrive.
//
// Library, services and host must outlive the model. Not thread-safe: one GUI thread.
class LibrarySelection {
public:
    // decimalSeparator is the one every number the window shows or reads uses.
    LibrarySelection(Library& library, shared::Messages& messages, shared::Cursor& cursor,
                     SelectionHost& host, char decimalSeparator);
    LibrarySelection(const LibrarySelection&) = delete;
    LibrarySelection& operator=(const LibrarySelection&) = delete;

    const SelectionWindowState& State() const noexcept { return state_; }
    // The last evaluation; fields a later evaluation does not write keep their value.
    const OperatingPointResult& Result() const noexcept { return result_; }
    // The separator of the window's number texts, for whatever reads them later.
    char Separator() const noexcept { return separator_; }
    // The focus request of the last handler, cleared by taking it.
    FocusTarget TakeFocus() noexcept;
    // Runs before each message box the model shows, so the window can show the state
    // so far (emptied readouts, the beep) while the box waits.
    void SetBeforeMessage(std::function<void()> show) { messages_.SetPrelude(std::move(show)); }

    // Typing changes only the text; nothing is checked until Enter or a command.
    void SetPartNumberText(const std::string& text) { state_.PartNumber.Text = text; }
    void SetFrequencyText(const std::string& text) { state_.Frequency = text; }
    void SetTemperatureText(const std::string& text) { state_.Temperature = text; }
    void SetBiasText(const std::string& text) { state_.Bias = text; }

    // Window load: the notation (JIS unless the help language is 2, English), reference
    // conditions and the capacitor lists, with no part chosen. degreeSign is the
    // program's DegreeSign (possibly empty where the system has none).
    void Form_Load(int helpLanguage, const std::string& degreeSign = "\u00B0");

    // Part choice.
    void optProduct_Click(int index);
    void cboItemA_Click(const std::string& value);
    void cboItemB_Click(const std::string& value);
    void cboItemC_Click(const std::string& value);
    void cboItemD_Click(const std::string& value);
    void cboPartNumber_Click(const std::string& value);
    // True when the key was swallowed (Enter); other keys are the box's own.
    bool cboPartNumber_KeyPress(char key);
    void mnuViewCode_Click(int index);
    void ChangeViewCode(shared::CodeSystem codeSystem);
    void ChangePartNum(shared::CodeSystem codeSystem);
    void ApplyPartNumber();
    void FillSelectionLists(ProductKind kind);
    void ResetSelection();
    void mnuFileReset_Click();

    // Operating point.
    void hsvFreq_Change(int position);
    bool txtFreq_KeyPress(char key);
    bool txtTemp_KeyPress(char key);
    bool txtDC_KeyPress(char key);
    void optMode_Click(int index);
    bool FrequencyCheck();
    bool OperatingConditionCheck();
    void RecalculateReadouts();
    void ResetOperatingConditions();
    void ShowFrequencyRange();
    void ShowReadouts();
    void ClearReadouts();

    // Menus and chart requests.
    void UpdateMenuState();
    // Whether a chart of kind (and sParameter) may be requested for the chosen
    // part, at the connection and conditions the window shows. The table's own check
    // decides, so the selection and the chart windows can never disagree about the
    // limits or what counts as the same chart: every slot in use counts, whatever gaps
    // closed windows left, and while the table marks the Impedance & ESR second pass
    // only the duplicate test is skipped. A refusal shows its exclamation message.
    bool CheckChartOpenOk(ChartKind kind, SParameter sParameter, const ChartSlotTable& slots);

    // What a chart request of kind for the part at index fills its slot with, and so
    // what the duplicate test compares: the product kind, the connection optMode shows
    // (kinds with an S-parameter only) and the conditions typed. A temperature or bias
    // that reads as no number takes its fallback: the check passes NaN, which matches
    // no slot; the request records the value its sweep was computed at.
    ChartSlot ChartRequestKey(ChartKind kind, SParameter sParameter, std::int32_t index,
                              float temperatureFallback, float biasFallback) const;

    // The chosen part as commands (chart requests, exports, chip size) resolve it: the
    // part-number box looked up in the index of the product kind and notation, its
    // text replaced by the library's spelling. Nothing when the box names no part.
    std::optional<std::int32_t> LookUpPartNumber();
    // The same for a command that needs a part (the chip size sheet, the exports): on
    // failure "Product Number is invalid or not selected!" is shown.
    std::optional<std::int32_t> PartForCommand();

    // Before the impedance export copies the SRF, C and L readouts into its header:
    // checks the fields and evaluates at them as Enter would, so the header describes
    // the conditions the table is computed at, even when a field was typed without
    // Enter. False (with the check's message shown) when a check or the evaluation
    // fails; the export then writes nothing.
    bool RefreshReadoutsForExport();

    // The conditions a capacitor is evaluated at, as the fields stand now: temperature,
    // bias (the reference values where a field holds no number, which only a part
    // without a condition model lets through), connection, part-number text and
    // notation. The readouts and the chart sweeps both use it, so a chart is computed
    // at exactly the conditions the readouts show.
    CapacitorConditions CurrentCapacitorConditions() const;

private:
    std::optional<PartFrequencyRange> RangeOfBox() const;
    std::optional<std::int32_t> FindExact() const;
    void ShowPartInFilters(std::int32_t index);
    void FillItemB(const std::string& size);
    void FillItemC(const std::string& size, const std::string& itemB);
    void FillItemD(const std::string& size, const std::string& itemB, const std::string& capacitance);
    bool CapacitorMatches(std::int32_t index, const std::string& size, const std::string* itemB,
                          const std::string* capacitance, const std::string* voltage) const;
    bool InductorMatches(std::int32_t index, const std::string& size, const std::string* inductance,
                         const std::string* current) const;
    void ChooseFrom(std::vector<std::int32_t>& candidates);
    bool AcceptClass(const char* routine);
    bool Evaluate(std::int32_t index, double omega, const char* routine);
    double TypedFrequency() const;
    void InvalidPartNumber();
    // An exclamation box under the program title; beep where the window beeps first.
    void Warn(const std::string& text, FocusTarget focus, bool beep = false);
    bool Is(ProductKind kind) const noexcept { return state_.Product == kind; }

    Library& library_;
    shared::PreludeMessages messages_;
    shared::Cursor& cursor_;
    SelectionHost& host_;
    char separator_;
    SelectionWindowState state_;
    OperatingPointResult result_;
    bool selectionBusy_ = false;  // SelectionBusy
};

}  // namespace pelmo

#endif
