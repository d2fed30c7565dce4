#ifndef PELMO_CHARTS_CHART_WINDOW_LIST_H
#define PELMO_CHARTS_CHART_WINDOW_LIST_H

#include "pelmo/engine/chart_kind.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace pelmo {

// The open chart windows in the order they were opened, as plain data: the window
// layer gives each window an id and keeps the widgets themselves. Menu updates, Close
// All and the notation switch walk this list instead of searching window captions, and
// a rectangular kind is found here to add a trace to its one window.
class ChartWindowList {
public:
    using WindowId = std::uintptr_t;

    struct Entry {
        WindowId Id = 0;
        ChartKind Kind = ChartKind::Smith;
        int SlotNumber = 0;  // the slot that created the window
    };

    // Records a newly opened window. A rectangular kind has at most one window; opening
    // a second one of the same kind is a caller error (RuntimeError 5) and changes nothing.
    void Add(WindowId id, ChartKind kind, int slotNumber);
    // Forgets a closed window; unknown ids are ignored (a window may close twice).
    void Remove(WindowId id) noexcept;

    // The window collecting all traces of a rectangular kind; none for Smith, which
    // gets a window per request and is never looked up.
    std::optional<WindowId> WindowOfKind(ChartKind kind) const noexcept;

    const std::vector<Entry>& Windows() const noexcept { return windows_; }
    bool Empty() const noexcept { return windows_.empty(); }

private:
    std::vector<Entry> windows_;
};

}  // namespace pelmo

#endif
