#ifndef SHARED_DESKTOP_WINDOW_ENTRY_H
#define SHARED_DESKTOP_WINDOW_ENTRY_H

#include <functional>
#include <string>
#include <utility>

namespace shared {

class Messages;

// Runs one entry from the toolkit into the program: a slot, an event handler, a menu
// command. Whatever it throws ends there as the program's "Unexpected Error" report under
// title: an exception must never unwind through the toolkit's event loop, which would end
// the program without a word. False when the entry failed.
bool RunWindowEntry(Messages& messages, const std::string& title,
                    const std::function<void()>& entry) noexcept;

// The same as a callable to connect a signal to; the arguments of the signal are passed on.
template <typename Entry>
auto GuardedEntry(Messages& messages, std::string title, Entry entry) {
    return [&messages, title = std::move(title), entry = std::move(entry)](auto&&... arguments) {
        RunWindowEntry(messages, title, [&] { entry(std::forward<decltype(arguments)>(arguments)...); });
    };
}

}  // namespace shared

#endif
