#include "darvo/selection/testing/scripted_selection_host.h"

#include "darvo/engine/chart_table.h"
#include "darvo/library/product_library.h"
#include "darvo/selection/library_selection.h"

#include "shared/errors/runtime_error.h"

#include <algorithm>
#include <stdexcept>

namespace darvo::testing {

ScriptedSelectionHost::ScriptedSelectionHost(ProductLibrary& library, ChartTable& table, char separator)
    : library_(library), table_(table), separator_(separator) {}

void ScriptedSelectionHost::ChangeEnable(bool enable) {
    enableCalls.push_back(enable);
    enabled = enable;
}

void ScriptedSelectionHost::SwitchCodeSystem(shared::CodeSystem codeSystem) {
    switches.push_back(codeSystem);
    const shared::CodeSystem old = GetCodeSystem(library_);
    if (old == codeSystem) {
        return;
    }
    if (!SortProducts(library_, codeSystem, separator_)) {
        throw std::runtime_error("Sort Error!");
    }
    if (selection_ != nullptr) {
        selection_->RefillAfterCodeChange(old);
    }
    while (!openCharts.empty()) {
        CloseChart(openCharts.back());
    }
}

void ScriptedSelectionHost::ChooseCandidate(std::vector<std::int32_t>& candidates) {
    offered.push_back(candidates);
    if (chooseEntry && *chooseEntry < candidates.size()) {
        candidates.assign(1, candidates[*chooseEntry]);
    }
}

void ScriptedSelectionHost::OpenNewChart() {
    const ChartIdentity identity = IdentityOf(table_.Prepared());
    if (windowFails) {
        windowFails = false;
        throw shared::RuntimeError(shared::error::kSubscriptOutOfRange, "frmGraph.Form_Load");
    }
    table_.AdoptPrepared();
    openCharts.push_back(identity);
    ++newCharts;
}

void ScriptedSelectionHost::AddCurveToOpenChart(const ChartIdentity& identity) {
    curvesAdded.push_back(identity);
    if (windowFails) {
        windowFails = false;
        throw shared::RuntimeError(shared::error::kSubscriptOutOfRange, "frmGraph.Form_Load");
    }
    table_.AdoptPrepared();
}

void ScriptedSelectionHost::CloseChart(const ChartIdentity& identity) {
    table_.RemoveIdentity(identity);
    openCharts.erase(std::remove(openCharts.begin(), openCharts.end(), identity), openCharts.end());
}

}  // namespace darvo::testing
