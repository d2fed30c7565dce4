#ifndef PELMO_CHARTS_CHART_WINDOW_LIST_H
#define PELMO_CHARTS_CHART_WINDOW_LIST_H

#include "pelmo/engine/chart_kind.h"

#include "shared/errors/runtime_error.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <vector>

namespace pelmo {

// The one registry of open chart windows, in the order they were opened. Everything
// else about open windows (how many, the window of a rectangular kind, the order Close
// All goes backwards through, the Window menu's list) is derived from it, so there is
// no second list to keep in step.
//
// Handle is what reaches the window itself: a QPointer in the window layer, a plain
// value in tests. A handle that tests false is a window deleted without closing (the
// main window going away); it counts as closed and its entry is dropped on the next
// change. Ids come from a counter and are never reused, so an id held by a late signal
// cannot name a newer window.
template <class Handle>
class ChartWindowList {
public:
    using WindowId = std::uint64_t;

    struct Entry {
        WindowId Id = 0;
        ChartKind Kind = ChartKind::Smith;
        int SlotNumber = 0;  // the slot that created the window
        Handle Window{};
    };

    // Records a newly opened window and returns its id. A rectangular kind has at most
    // one window; a second one of the same kind is a caller error (RuntimeError 5) and
    // changes nothing.
    WindowId Add(ChartKind kind, int slotNumber, Handle window) {
        if (kind != ChartKind::Smith && OfKind(kind).has_value())
            throw shared::RuntimeError(shared::error::kInvalidProcedureCall);
        DropGone();
        entries_.push_back(Entry{++lastId_, kind, slotNumber, std::move(window)});
        return lastId_;
    }

    // Forgets a closed window; unknown ids are ignored (a window may close twice).
    void Remove(WindowId id) noexcept {
        std::erase_if(entries_, [id](const Entry& entry) { return entry.Id == id; });
        DropGone();
    }

    // The open windows in opening order. A copy: closing a window while walking it is safe.
    std::vector<Entry> Open() const {
        std::vector<Entry> open;
        std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(open), IsOpen);
        return open;
    }

    int OpenCount() const noexcept {
        return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), IsOpen));
    }
    bool Empty() const noexcept { return OpenCount() == 0; }
    bool IsOpenId(WindowId id) const noexcept {
        return std::any_of(entries_.begin(), entries_.end(),
                           [id](const Entry& entry) { return entry.Id == id && IsOpen(entry); });
    }

    // The window collecting all traces of a rectangular kind; none for Smith, which
    // gets a window per request and is never looked up.
    std::optional<Entry> OfKind(ChartKind kind) const {
        if (kind == ChartKind::Smith) return std::nullopt;
        const auto found = std::find_if(entries_.begin(), entries_.end(), [kind](const Entry& entry) {
            return entry.Kind == kind && IsOpen(entry);
        });
        if (found == entries_.end()) return std::nullopt;
        return *found;
    }

private:
    static bool IsOpen(const Entry& entry) noexcept { return static_cast<bool>(entry.Window); }
    void DropGone() noexcept {
        std::erase_if(entries_, [](const Entry& entry) { return !IsOpen(entry); });
    }

    std::vector<Entry> entries_;
    WindowId lastId_ = 0;
};

}  // namespace pelmo

#endif
