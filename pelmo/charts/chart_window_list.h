#ifndef PELMO_CHARTS_CHART_WINDOW_LIST_H
#define PELMO_CHARTS_CHART_WINDOW_LIST_H

#include "pelmo/engine/chart_kind.h"

#include "shared/errors/runtime_error.h"
#include "shared/windows/window_registry.h"

#include <optional>
#include <utility>
#include <vector>

namespace pelmo {

// The one registry of open chart windows, in the order they were opened: the shared
// window registry keyed by chart kind and creating slot, with pelmo's rule of one
// window per rectangular kind. Everything else about open windows (how many, the
// window of a rectangular kind, the order Close All goes backwards through, the Window
// menu's list) is derived from it, so there is no second list to keep in step.
//
// Handle is what reaches the window itself: a QPointer in the window layer, a plain
// value in tests. A handle that tests false is a window deleted without closing (the
// main window going away); it counts as closed. Ids are never reused.
template <class Handle>
class ChartWindowList {
public:
    // The key a window is registered under: its kind and the slot that created it.
    struct WindowKey {
        ChartKind Kind = ChartKind::Smith;
        int SlotNumber = 0;

        friend bool operator==(const WindowKey&, const WindowKey&) = default;
    };
    using Registry = shared::WindowRegistry<WindowKey, Handle>;
    using WindowId = typename Registry::WindowId;

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
        return registry_.Add(WindowKey{kind, slotNumber}, std::move(window));
    }

    // Forgets a closed window; unknown ids are ignored (a window may close twice).
    void Remove(WindowId id) noexcept { registry_.Remove(id); }

    // The open windows in opening order. A copy: closing a window while walking it is safe.
    std::vector<Entry> Open() const {
        std::vector<Entry> open;
        for (const auto& entry : registry_.Open()) open.push_back(EntryOf(entry));
        return open;
    }

    int OpenCount() const noexcept { return registry_.OpenCount(); }
    bool Empty() const noexcept { return registry_.Empty(); }
    bool IsOpenId(WindowId id) const noexcept { return registry_.IsOpenId(id); }

    // The window collecting all traces of a rectangular kind; none for Smith, which
    // gets a window per request and is never looked up.
    std::optional<Entry> OfKind(ChartKind kind) const {
        if (kind == ChartKind::Smith) return std::nullopt;
        const auto found = registry_.FindFirst(
            [kind](const typename Registry::Entry& entry) { return entry.WindowKey.Kind == kind; });
        if (!found) return std::nullopt;
        return EntryOf(*found);
    }

private:
    static Entry EntryOf(const typename Registry::Entry& entry) {
        return Entry{entry.Id, entry.WindowKey.Kind, entry.WindowKey.SlotNumber, entry.Window};
    }

    Registry registry_;
};

}  // namespace pelmo

#endif
