#ifndef TESTS_SUPPORT_POINT_NUMBER_H
#define TESTS_SUPPORT_POINT_NUMBER_H

#include <charconv>
#include <cstddef>
#include <limits>
#include <string_view>
#include <system_error>

namespace shared::testing {

// Reads a number written with "." as files and tool outputs write it, whatever the
// locale: strtod and stod follow the C library's locale, which the comma-locale run of
// the suites takes from the environment as the programs do. Reads from the start of the
// text (no blanks, no "+"); *used gets the characters read, 0 when there is no number.
inline double PointNumber(std::string_view text, std::size_t* used = nullptr) {
    double value = std::numeric_limits<double>::quiet_NaN();
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool read = error == std::errc{};
    if (used != nullptr) {
        *used = read ? static_cast<std::size_t>(end - text.data()) : 0;
    }
    return read ? value : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace shared::testing

#endif
