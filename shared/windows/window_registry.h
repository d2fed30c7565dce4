#ifndef SHARED_WINDOWS_WINDOW_REGISTRY_H
#define SHARED_WINDOWS_WINDOW_REGISTRY_H

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace shared {

// The one registry of a kind of open window, in the order they were opened, each with
// the key the program finds it by (a chart identity, a chart kind). Everything else
// about the open windows (how many, the window of a key, the order Close All walks) is
// derived from it, so there is no second list to keep in step.
//
// Handle is what reaches the window itself: a QPointer in the window layer, a plain
// value in tests. A handle that tests false is a window deleted without closing (its
// parent going away); it counts as closed and its entry is dropped on the next change.
// Ids come from a counter and are never reused, so an id held by a late signal cannot
// name a newer window.
template <class Key, class Handle>
class WindowRegistry {
public:
    using WindowId = std::uint64_t;

    struct Entry {
        WindowId Id = 0;
        Key WindowKey{};
        Handle Window{};
    };

    WindowId Add(Key key, Handle window) {
        DropGone();
        entries_.push_back(Entry{++lastId_, std::move(key), std::move(window)});
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

    // The first open window, in opening order, whose entry satisfies the predicate.
    template <class Predicate>
    std::optional<Entry> FindFirst(Predicate predicate) const {
        const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
            return IsOpen(entry) && predicate(entry);
        });
        if (found == entries_.end()) return std::nullopt;
        return *found;
    }
    // The first open window of a key.
    std::optional<Entry> Find(const Key& key) const {
        return FindFirst([&key](const Entry& entry) { return entry.WindowKey == key; });
    }

private:
    static bool IsOpen(const Entry& entry) noexcept { return static_cast<bool>(entry.Window); }
    void DropGone() noexcept {
        std::erase_if(entries_, [](const Entry& entry) { return !IsOpen(entry); });
    }

    std::vector<Entry> entries_;
    WindowId lastId_ = 0;
};

}  // namespace shared

#endif
