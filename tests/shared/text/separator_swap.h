#ifndef TESTS_SHARED_TEXT_SEPARATOR_SWAP_H
#define TESTS_SHARED_TEXT_SEPARATOR_SWAP_H

#include <string>

namespace shared::text_tests {

// The text a "," locale shows for a text written for a "." locale: decimal and group
// separators trade places. Rows are written once, for ".", and checked under both.
inline std::string SwapSeparators(std::string text) {
    for (char& c : text) {
        if (c == '.') {
            c = ',';
        } else if (c == ',') {
            c = '.';
        }
    }
    return text;
}

}  // namespace shared::text_tests

#endif
