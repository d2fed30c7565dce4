#include "pelmo/app/qt/program_selection_host.h"

#include "pelmo/charts/qt/chart_windows.h"
#include "pelmo/library/records.h"
#include "pelmo/selection/library_selection.h"

#include "shared/dialogs/frm_select.h"

#include <QString>

#include <cstddef>

namespace pelmo {

ProgramSelectionHost::ProgramSelectionHost(const Library& library, const LibrarySelection& selection,
                                           ChartWindows& charts, QWidget* dialogParent)
    : library_(library), selection_(selection), charts_(charts), dialogParent_(dialogParent) {}

void ProgramSelectionHost::ChooseCandidate(std::vector<std::int32_t>& candidates) {
    const bool inductor = selection_.State().Product == ProductKind::Inductor;
    const shared::CodeSystem code = selection_.State().CodeSystem;
    const auto partNumberOf = [this, inductor, code](std::int32_t index) {
        const auto u = static_cast<std::size_t>(index);
        if (inductor) {
            return u < library_.InductorTable.size()
                       ? QString::fromStdString(library_.InductorTable[u].PartNumber)
                       : QString();
        }
        return u < library_.CapacitorTable.size()
                   ? QString::fromStdString(library_.CapacitorTable[u].PartNumber[code])
                   : QString();
    };
    shared::frmSelect dialog(candidates, partNumberOf, shared::SelectListSizing::FitToCandidates,
                             dialogParent_);
    dialog.exec();
}

int ProgramSelectionHost::OpenChartWindowCount() const {
    return charts_.OpenCount();
}

void ProgramSelectionHost::CloseAllChartWindows() {
    charts_.CloseAll();
}

}  // namespace pelmo
