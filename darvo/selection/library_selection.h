#ifndef DARVO_SELECTION_LIBRARY_SELECTION_H
#define DARVO_SELECTION_LIBRARY_SELECTION_H

#include "darvo/engine/chart_data_record.h"
#include "darvo/library/product_record.h"
#include "darvo/selection/plot_conditions.h"
#include "darvo/selection/selection_window_state.h"

#include "shared/parts/code_system.h"
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

namespace darvo {

class ChartTable;
class ConditionChecks;
class SelectionHost;
struct ProductLibrary;

// The logic of darvo's selection window frmLibrary without the widgets: the chart type,
// the cascade of part lists, the axis lists, the condition boxes with their defaults,
// enabling and checks, and the plot request that hands a chart-data record to the chart
// windows. The window is a thin view: it forwards each user action to the handler of the
// same name and then shows State().
//
// The notation is the product library's (GetCodeSystem), read whenever a step runs; the
// model never sorts the library itself, the host's SwitchCodeSystem does.
//
// Library, table, services and host must outlive the model. Not thread-safe: one GUI
// thread.
class LibrarySelection {
public:
    LibrarySelection(ProductLibrary& library, ChartTable& table, shared::Messages& messages,
                     shared::Cursor& cursor, SelectionHost& host, char decimalSeparator);
    ~LibrarySelection();
    LibrarySelection(const LibrarySelection&) = delete;
    LibrarySelection& operator=(const LibrarySelection&) = delete;

    const SelectionWindowState& State() const noexcept { return state_; }
    // The focus request of the last handler, cleared by taking it.
    FocusTarget TakeFocus() noexcept;
    // Runs before each message box the model shows, so the window can show the state so
    // far while the box waits.
    void SetBeforeMessage(std::function<void()> show) { messages_.SetPrelude(std::move(show)); }

    // True only while the model itself sets list texts, so the list events this raises
    // do nothing.
    bool SuppressCascade() const noexcept { return suppressCascade_; }
    // The table indices of the parts that matched the four list values at the last
    // rated-voltage choice; after the Select dialog only the chosen one.
    const std::vector<std::int32_t>& SelectCandidates() const noexcept { return selectCandidates_; }

    // Window load: chart type 0, an empty chart table, then the notation of the help
    // language through the host (JIS when helpLanguage is 1; otherwise JIS and back to
    // EIA, so the table is sorted once in each). The ambient box keeps the "25" of the
    // first reset, made while the notation was still EIA.
    void Form_Load(int helpLanguage);

    // ---- Part lists (the user's choices; value is the entry chosen).
    void optChartType_Click(int index);
    void AllClear();
    void AddPartNum(ChartType intIndex);
    void cmbSizeCode_Click(const std::string& value);
    void cmbTcc_Click(const std::string& value);
    void cmbCap_Click(const std::string& value);
    void cmbRatedVol_Click(const std::string& value);
    void cmbPartNum_Click(const std::string& value);
    // Every change of the part-number text, typed or set.
    void cmbPartNum_Change(const std::string& text);
    void cmbXaxis_Click(const std::string& value);
    void cmbYaxis_Click(const std::string& value);
    void cmdCatalogLink_Click();

    // ---- The notation switch and Reset Selection of the main window.
    // After the host re-sorted the library into a new notation: empties the five part
    // lists, refills the part numbers for the chart type, chooses the part that was
    // chosen in oldCodeSystem again by its number in the new one, and writes the
    // ambient default of the new notation ("25" EIA, "20" JIS). When no part ends up
    // chosen the plot commands are disabled and the conditions reset, so a part that
    // has no number in the new notation never stays plottable under an empty box.
    void RefillAfterCodeChange(shared::CodeSystem oldCodeSystem);
    // mnuResetSelction: AllClear, option 0 selected and focused, chart type 0 rebuilt.
    void ResetSelection();

    // ---- Condition boxes.
    void SetDCBiasVolText(const std::string& text) { state_.DCBiasVol.Text = text; }
    void SetFrequencyText(const std::string& text) { state_.Frequency.Text = text; }
    void SetHeatResistanceText(const std::string& text) { state_.HeatResistance.Text = text; }
    void SetAmbientTempText(const std::string& text) { state_.AmbientTemp.Text = text; }
    void SetParameterText(const std::string& text) { state_.Parameter.Text = text; }
    void optParameter_Click(int index);
    // Leaving a box checks it when it is enabled (the parameter box always); the result
    // is not used further.
    void txtDCBiasVol_LostFocus();
    void txtFrequency_LostFocus();
    void txtHeatResistance_LostFocus();
    void txtAmbientTemp_LostFocus();
    void txtParameter_LostFocus();

    // The checks of one box each, against the chosen part: on failure the message
    // (exclamation icon, "darvo"), the focus back into the box, and false.
    bool CheckDCBiasVol();
    bool CheckFrequency();
    bool CheckHeatResistance();
    bool CheckParameter1();
    bool CheckAmbientTemp1();
    bool CheckAmbientTemp2();
    // The plot request's validation: the enabled boxes in order, stopping at the first
    // failure.
    bool CheckAllConditions();
    // The data output's validation: every check the chart type needs runs and shows its
    // own message; the focus goes to the last refused box.
    bool CheckConditions();

    // ---- What the plot request, the data output and the main window read.
    // The selected chart type, and its option's caption.
    ChartType GetChartType() const noexcept { return state_.ChartTypeOption; }
    std::string GetChartTypeName() const;
    // The quantities cmbXaxis and cmbYaxis show, and the identity of the chart they ask
    // for with the chart type.
    Quantity XAxis() const noexcept;
    Quantity YAxis() const noexcept;
    ChartIdentity Identity() const noexcept { return {GetChartType(), XAxis(), YAxis()}; }
    int SelectedParameterIndex() const noexcept { return state_.ParameterOption; }
    // The fixed load of the selected optParameter, and its caption ("Current",
    // "Voltage", "Effective Power" or "Apparent Power").
    Quantity SelectedParameter() const noexcept;
    std::string SelectedParameterName() const;
    // The chosen part: the part-number text looked up in the notation in force.
    std::optional<std::int32_t> SelectedProductIndex() const;
    // The condition boxes' texts and the parameter choice as they stand.
    ConditionTexts CurrentConditions() const;
    // Fills the header of the record the chart table has prepared (element ChartCount)
    // for part intNum and chartType from the window's lists and boxes; the series are
    // the engine's. Raises RuntimeError 9 when no record is prepared.
    void WriteChartData(std::int32_t intNum, ChartType chartType);
    // The engine's computation of the prepared record for part intNum, by its chart
    // type: false when the engine refused (its message shown, the record removed).
    bool CalculateChartData(std::int32_t intNum);

    // ---- The plot request.
    void cmdPlot_Click();
    // Whether no curve of the table has the same chart type, axes, parameter, part and
    // condition numbers as the window now shows.
    bool IsNewCurve() const;
    // The curves of the table with the chart type and axes the window now shows.
    int CountIdentityCurves() const;

private:
    void SetAxisLists(ChartType chartType);
    void EnableConditions(ChartType chartType);
    void ResetConditions();
    void FillTccList(bool addParts);
    void FillCapacitanceList(bool addParts);
    void FillRatedVoltageList(bool addParts);
    void CollectCandidates();
    void AddPartNumberItem(std::int32_t index);
    void AddPartAndSize(std::int32_t index);
    void ChangeEnable(bool enable);
    // The list texts the model sets raise the lists' own events, as the user's choice
    // would.
    void SetPartNumText(const std::string& text);
    void SelectParameterOption(int index);
    void ChoosePart();

    shared::CodeSystem Code() const noexcept;
    bool IsListable(const ProductRecord& record, ChartType chartType) const;
    bool MatchesSizeAndTcc(const ProductRecord& record) const;
    std::string TrimmedTempChar(const ProductRecord& record) const;
    std::string CapacitanceEntry(const ProductRecord& record) const;
    std::string RatedVoltageEntry(const ProductRecord& record) const;
    const ProductRecord& ChosenPart() const;
    bool RunCheck(const std::function<bool(ConditionChecks&)>& check);

    ProductLibrary& library_;
    ChartTable& table_;
    shared::PreludeMessages messages_;
    shared::Cursor& cursor_;
    SelectionHost& host_;
    char separator_;
    SelectionWindowState state_;
    bool suppressCascade_ = false;                // SuppressCascade
    std::vector<std::int32_t> selectCandidates_;  // SelectCandidates
    bool loading_ = false;
};

}  // namespace darvo

#endif
