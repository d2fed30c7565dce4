#include "pelmo/app/qt/program_selection_host.h"

#include "pelmo/library/records.h"
#include "pelmo/selection/library_selection.h"

#include "shared/dialogs/frm_select.h"

#include <QString>

#include <cstddef>
#include <utility>

namespace pelmo {

ProgramSelectionHost::ProgramSelectionHost(const Library& library, QWidget* dialogParent)
    : library_(library), dialogParent_(dialogParent) {}

void ProgramSelectionHost::SetChartWindows(std::function<int()> openCount, std::function<void()> closeAll) {
    openCount_ = std::move(openCount);
    closeAll_ = std::move(closeAll);
}

void ProgramSelectionHost::ChooseCandidate(std::vector<std::int32_t>& candidates) {
    const bool inductor = selection_ != nullptr && selection_->State().Product == ProductKind::Inductor;
    const shared::CodeSystem code = selection_ != nullptr ? selection_->State().CodeSystem : shared::Eia;
    const auto partNumberOf = [this, inductor, code](std::int32_t index) {
        const auto u = static_cast<std::size_t>(index);
        if (inductor) {
            return u < library_.InductorTable.size() ? QString::fromStdString(library_.InductorTable[u].PartNumber)
                                                     : QString();
        }
        return u < library_.CapacitorTable.size()
                   ? QString::fromStdString(library_.CapacitorTable[u].PartNumber[code])
                   : QString();
    };
    shared::frmSelect dialog(candidates, partNumberOf, shared::SelectListSizing::FitToCandidates, dialogParent_);
    dialog.exec();
}

int ProgramSelectionHost::OpenChartWindowCount() const { return openCount_ ? openCount_() : 0; }

void ProgramSelectionHost::CloseAllChartWindows() {
    if (closeAll_) {
        closeAll_();
    }
}

}  // namespace pelmo
