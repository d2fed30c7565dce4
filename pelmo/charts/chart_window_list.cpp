#include "pelmo/charts/chart_window_list.h"

#include "shared/errors/runtime_error.h"

#include <algorithm>

namespace pelmo {

void ChartWindowList::Add(WindowId id, ChartKind kind, int slotNumber) {
    if (kind != ChartKind::Smith && WindowOfKind(kind).has_value())
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall);
    windows_.push_back(Entry{id, kind, slotNumber});
}

void ChartWindowList::Remove(WindowId id) noexcept {
    std::erase_if(windows_, [id](const Entry& entry) { return entry.Id == id; });
}

std::optional<ChartWindowList::WindowId> ChartWindowList::WindowOfKind(ChartKind kind) const noexcept {
    if (kind == ChartKind::Smith)
        return std::nullopt;
    const auto found = std::find_if(windows_.begin(), windows_.end(),
                                    [kind](const Entry& entry) { return entry.Kind == kind; });
    if (found == windows_.end())
        return std::nullopt;
    return found->Id;
}

}  // namespace pelmo
