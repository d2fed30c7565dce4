// The part lists of the selection window: the chart type, the cascade that narrows the
// product table down to one part, the part-number box and the notation switch. The
// condition boxes and the plot request are in library_selection_plot.cpp.
#include "darvo/selection/library_selection.h"

#include "darvo/engine/chart_table.h"
#include "darvo/library/product_library.h"
#include "darvo/selection/selection_host.h"

#include "shared/parts/capacitance_text.h"
#include "shared/text/number_text.h"

#include <cstddef>

namespace darvo {

namespace {

// Sets SuppressCascade for a scope and clears it on every way out, an exception
// included, so the lists never stay deaf after a failed handler.
class CascadeSuppressed {
public:
    explicit CascadeSuppressed(bool& flag) : flag_(flag) { flag_ = true; }
    ~CascadeSuppressed() { flag_ = false; }
    CascadeSuppressed(const CascadeSuppressed&) = delete;
    CascadeSuppressed& operator=(const CascadeSuppressed&) = delete;

private:
    bool& flag_;
};

class LoadingScope {
public:
    explicit LoadingScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~LoadingScope() { flag_ = false; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    bool& flag_;
};

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

LibrarySelection::LibrarySelection(ProductLibrary& library, ChartTable& table, shared::Messages& messages,
                                   shared::Cursor& cursor, SelectionHost& host, char decimalSeparator)
    : library_(library),
      table_(table),
      messages_(messages),
      cursor_(cursor),
      host_(host),
      separator_(decimalSeparator) {
    state_.Parameter.Text = shared::GeneralNumberTextSingle(0.1F, separator_);
}

LibrarySelection::~LibrarySelection() = default;

FocusTarget LibrarySelection::TakeFocus() noexcept {
    const FocusTarget focus = state_.Focus;
    state_.Focus = FocusTarget::None;
    return focus;
}

shared::CodeSystem LibrarySelection::Code() const noexcept {
    return GetCodeSystem(library_);
}

bool LibrarySelection::IsListable(const ProductRecord& record, ChartType chartType) const {
    return chartType >= 0 && chartType < static_cast<int>(kChartTypeCount) &&
           !record.PartNumber[static_cast<std::size_t>(Code())].empty() &&
           record.ChartAvailable[static_cast<std::size_t>(chartType)];
}

std::string LibrarySelection::TrimmedTempChar(const ProductRecord& record) const {
    return Trim(record.TempChar[static_cast<std::size_t>(Code())]);
}

std::string LibrarySelection::CapacitanceEntry(const ProductRecord& record) const {
    return shared::CapacitanceText(shared::GeneralNumberTextSingle(record.NominalCapacitance, separator_),
                                   separator_);
}

std::string LibrarySelection::RatedVoltageEntry(const ProductRecord& record) const {
    return shared::GeneralNumberTextSingle(record.RatedVoltage, separator_);
}

bool LibrarySelection::MatchesSizeAndTcc(const ProductRecord& record) const {
    return record.SizeCode[static_cast<std::size_t>(Code())] == state_.SizeCode.Text &&
           TrimmedTempChar(record) == state_.Tcc.Text;
}

std::optional<std::int32_t> LibrarySelection::SelectedProductIndex() const {
    const std::optional<std::int32_t> found = FindProduct(library_, state_.PartNum.Text);
    if (!found || *found < 0 || static_cast<std::size_t>(*found) >= library_.ProductTable.size()) {
        return std::nullopt;
    }
    return found;
}

void LibrarySelection::Form_Load(int helpLanguage) {
    const LoadingScope loading(loading_);
    optChartType_Click(0);
    table_ = ChartTable();
    host_.SwitchCodeSystem(shared::Jis);
    if (helpLanguage != 1) {
        host_.SwitchCodeSystem(shared::Eia);
    }
}

void LibrarySelection::ChangeEnable(bool enable) {
    state_.PartChosen = enable;
    host_.ChangeEnable(enable);
}

void LibrarySelection::optChartType_Click(int index) {
    if (index < 0 || index >= static_cast<int>(kChartTypeCount)) {
        return;
    }
    const auto chartType = static_cast<ChartType>(index);
    state_.ChartTypeOption = chartType;
    const std::string s = state_.PartNum.Text;
    AllClear();
    AddPartNum(chartType);
    SetAxisLists(chartType);
    if (!s.empty() && state_.PartNum.Contains(s)) {
        SetPartNumText(s);
    }
}

void LibrarySelection::AllClear() {
    for (SelectionList* list : {&state_.PartNum, &state_.SizeCode, &state_.Tcc, &state_.Cap, &state_.RatedVol,
                                &state_.XAxis, &state_.YAxis}) {
        list->Clear();
    }
    ResetConditions();
    ChangeEnable(false);
}

void LibrarySelection::AddPartNum(ChartType intIndex) {
    for (std::size_t i = 0; i < library_.ProductTable.size(); ++i) {
        if (IsListable(library_.ProductTable[i], intIndex)) {
            AddPartAndSize(static_cast<std::int32_t>(i));
        }
    }
}

void LibrarySelection::AddPartNumberItem(std::int32_t index) {
    state_.PartNum.Add(library_.ProductTable[static_cast<std::size_t>(index)].PartNumber[Code()]);
}

void LibrarySelection::AddPartAndSize(std::int32_t index) {
    AddPartNumberItem(index);
    state_.SizeCode.AddUnlessPresent(library_.ProductTable[static_cast<std::size_t>(index)].SizeCode[Code()]);
}

void LibrarySelection::SetAxisLists(ChartType chartType) {
    state_.XAxis.Clear();
    state_.YAxis.Clear();
    for (const Quantity quantity : XAxisQuantities(chartType)) {
        state_.XAxis.Add(std::string(QuantityName(quantity)));
    }
    for (const Quantity quantity : YAxisQuantities(chartType)) {
        state_.YAxis.Add(std::string(QuantityName(quantity)));
    }
    if (!state_.XAxis.Items.empty()) {
        cmbXaxis_Click(state_.XAxis.Items.front());
    }
    if (!state_.YAxis.Items.empty()) {
        state_.YAxis.Text = state_.YAxis.Items.front();
    }
}

void LibrarySelection::cmbSizeCode_Click(const std::string& value) {
    state_.SizeCode.Text = value;
    if (suppressCascade_ || value.empty()) {
        return;
    }
    for (SelectionList* list : {&state_.PartNum, &state_.Tcc, &state_.Cap, &state_.RatedVol}) {
        list->Clear();
    }
    FillTccList(true);
    ChangeEnable(false);
    ResetConditions();
}

void LibrarySelection::cmbTcc_Click(const std::string& value) {
    state_.Tcc.Text = value;
    if (suppressCascade_ || value.empty()) {
        return;
    }
    for (SelectionList* list : {&state_.PartNum, &state_.Cap, &state_.RatedVol}) {
        list->Clear();
    }
    FillCapacitanceList(true);
    ChangeEnable(false);
    ResetConditions();
}

void LibrarySelection::cmbCap_Click(const std::string& value) {
    state_.Cap.Text = value;
    if (suppressCascade_ || value.empty()) {
        return;
    }
    state_.PartNum.Clear();
    state_.RatedVol.Clear();
    FillRatedVoltageList(true);
    ChangeEnable(false);
    ResetConditions();
}

void LibrarySelection::cmbRatedVol_Click(const std::string& value) {
    state_.RatedVol.Text = value;
    if (suppressCascade_ || value.empty()) {
        return;
    }
    bool chosen = false;
    {
        const CascadeSuppressed suppressed(suppressCascade_);
        state_.PartNum.Clear();
        CollectCandidates();
        chosen = !state_.PartNum.Text.empty();
        if (chosen) {
            ChangeEnable(true);
            EnableConditions(GetChartType());
        }
    }
    if (!chosen) {
        // No part matches the four values (a list text the table does not hold): stay
        // without a part rather than take an earlier request's candidates.
        ChangeEnable(false);
        ResetConditions();
    }
}

void LibrarySelection::FillTccList(bool addParts) {
    const ChartType t = GetChartType();
    for (const ProductRecord& record : library_.ProductTable) {
        if (IsListable(record, t) &&
            record.SizeCode[static_cast<std::size_t>(Code())] == state_.SizeCode.Text) {
            if (addParts) {
                state_.PartNum.Add(record.PartNumber[static_cast<std::size_t>(Code())]);
            }
            state_.Tcc.AddUnlessPresent(TrimmedTempChar(record));
        }
    }
}

void LibrarySelection::FillCapacitanceList(bool addParts) {
    const ChartType t = GetChartType();
    for (const ProductRecord& record : library_.ProductTable) {
        if (IsListable(record, t) && MatchesSizeAndTcc(record)) {
            if (addParts) {
                state_.PartNum.Add(record.PartNumber[static_cast<std::size_t>(Code())]);
            }
            state_.Cap.AddUnlessPresent(CapacitanceEntry(record));
        }
    }
}

void LibrarySelection::FillRatedVoltageList(bool addParts) {
    if (state_.Cap.Text.empty()) {
        return;
    }
    const ChartType t = GetChartType();
    for (const ProductRecord& record : library_.ProductTable) {
        if (IsListable(record, t) && MatchesSizeAndTcc(record) &&
            CapacitanceEntry(record) == state_.Cap.Text) {
            if (addParts) {
                state_.PartNum.Add(record.PartNumber[static_cast<std::size_t>(Code())]);
            }
            state_.RatedVol.AddUnlessPresent(RatedVoltageEntry(record));
        }
    }
}

void LibrarySelection::CollectCandidates() {
    const ChartType t = GetChartType();
    const std::optional<float> rated = shared::ParseSingle(state_.RatedVol.Text, separator_);
    selectCandidates_.clear();
    for (std::size_t i = 0; i < library_.ProductTable.size(); ++i) {
        const ProductRecord& record = library_.ProductTable[i];
        if (!IsListable(record, t)) {
            continue;
        }
        AddPartNumberItem(static_cast<std::int32_t>(i));
        if (MatchesSizeAndTcc(record) && CapacitanceEntry(record) == state_.Cap.Text && rated &&
            record.RatedVoltage == *rated) {
            selectCandidates_.push_back(static_cast<std::int32_t>(i));
        }
    }
    if (selectCandidates_.size() > 1) {
        host_.ChooseCandidate(selectCandidates_);
    }
    if (selectCandidates_.empty() || selectCandidates_.front() < 0 ||
        static_cast<std::size_t>(selectCandidates_.front()) >= library_.ProductTable.size()) {
        return;
    }
    // SuppressCascade holds, so the part-number events stay quiet.
    SetPartNumText(
        library_.ProductTable[static_cast<std::size_t>(selectCandidates_.front())].PartNumber[Code()]);
}

void LibrarySelection::SetPartNumText(const std::string& text) {
    cmbPartNum_Change(text);
}

void LibrarySelection::cmbPartNum_Change(const std::string& text) {
    state_.PartNum.Text = text;
    if (suppressCascade_) {
        return;
    }
    // Exact entries only: the lists are not filtered while typing, and a text in
    // another letter case chooses nothing.
    if (!text.empty() && state_.PartNum.Contains(text)) {
        ChoosePart();
    } else {
        ChangeEnable(false);
        ResetConditions();
    }
}

void LibrarySelection::cmbPartNum_Click(const std::string& value) {
    state_.PartNum.Text = value;
    ChoosePart();
}

void LibrarySelection::ChoosePart() {
    const std::string s = state_.PartNum.Text;
    if (s.empty()) {
        ChangeEnable(false);
        ResetConditions();
        return;
    }
    if (!state_.PartNum.Contains(s)) {
        suppressCascade_ = false;
        return;
    }
    const CascadeSuppressed suppressed(suppressCascade_);
    const std::optional<std::int32_t> k = SelectedProductIndex();
    if (!k) {
        // Listed but not in the lookup: the lists and the table disagree; choose nothing.
        ChangeEnable(false);
        ResetConditions();
        return;
    }
    const ProductRecord& part = library_.ProductTable[static_cast<std::size_t>(*k)];
    state_.Tcc.Clear();
    state_.Cap.Clear();
    state_.RatedVol.Clear();
    state_.SizeCode.Text = part.SizeCode[static_cast<std::size_t>(Code())];
    FillTccList(false);
    state_.Tcc.Text = TrimmedTempChar(part);
    FillCapacitanceList(false);
    state_.Cap.Text = CapacitanceEntry(part);
    FillRatedVoltageList(false);
    state_.RatedVol.Text = RatedVoltageEntry(part);
    ChangeEnable(true);
    EnableConditions(GetChartType());
}

void LibrarySelection::cmdCatalogLink_Click() {
    host_.OpenCatalogLink();
}

void LibrarySelection::RefillAfterCodeChange(shared::CodeSystem oldCodeSystem) {
    const std::string s = state_.PartNum.Text;
    const bool wasChosen = state_.PartChosen;
    for (SelectionList* list :
         {&state_.PartNum, &state_.SizeCode, &state_.Tcc, &state_.Cap, &state_.RatedVol}) {
        list->Clear();
    }
    AddPartNum(GetChartType());
    bool chosen = false;
    if (!s.empty()) {
        const std::optional<std::int32_t> index = library_.PartIndex[oldCodeSystem].Find(s);
        if (index && *index >= 0 && static_cast<std::size_t>(*index) < library_.ProductTable.size()) {
            const std::string& number =
                library_.ProductTable[static_cast<std::size_t>(*index)].PartNumber[Code()];
            if (!number.empty() && state_.PartNum.Contains(number)) {
                SetPartNumText(number);
                chosen = state_.PartChosen;
            }
        }
    }
    if (wasChosen && !chosen) {
        ChangeEnable(false);
        ResetConditions();
    }
    // The window's start keeps the default of its first reset (see Form_Load).
    if (!loading_) {
        state_.AmbientTemp.Text = Code() == shared::Jis ? "20" : "25";
    }
}

void LibrarySelection::ResetSelection() {
    AllClear();
    state_.ChartTypeOption = TemperatureRise;
    optChartType_Click(TemperatureRise);
    state_.Focus = FocusTarget::ChartType;
}

}  // namespace darvo
