#ifndef SHARED_TEXT_BLANKS_H
#define SHARED_TEXT_BLANKS_H

#include <string_view>

namespace shared {

// The text without the blanks around it. Only blanks: the library pads its fields with
// them, and a typed part number is read the same way.
inline std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace shared

#endif
