#ifndef SHARED_PLATFORM_FILE_FILTER_H
#define SHARED_PLATFORM_FILE_FILTER_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace shared {

// One description/pattern pair of a file dialog's type list.
struct FileFilter {
    std::string description;  // "S parameter Data Files (*.s2p)"
    std::string patterns;     // "*.s2p", several separated by ";"
};

// Splits a "|"-separated list into its pairs. The empty entry after a trailing "|" ends
// the list; a description without a pattern is dropped, as the platform dialogs did.
std::vector<FileFilter> ParseFileFilters(std::string_view filter);

// The toolkit's form of one pair: description + " (" + patterns separated by blanks +
// ")", with "*.*" written as "*" (every file). The dialog is told to hide that added
// part, so users see the description as the program wrote it.
std::string NameFilterText(const FileFilter& filter);

// The pair shown first: FilterIndex counts from 1; 0 or an index past the list falls
// back to the first pair. Returns a 0-based index (0 for an empty list).
std::size_t InitialFilterIndex(std::int32_t filterIndex, std::size_t count) noexcept;

}  // namespace shared

#endif
