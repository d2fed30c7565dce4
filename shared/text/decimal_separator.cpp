#include "shared/text/number_text.h"

#include <clocale>
#include <cstring>
#include <string>

namespace shared {

char DecimalSeparatorFromEnvironment() {
    // setlocale returns a pointer into storage the next call may overwrite: copy it.
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    const std::string previous = current != nullptr ? current : "C";

    char separator = '.';
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        const std::lconv* conventions = std::localeconv();
        // A separator of more than one byte (a multi-byte character) cannot stand in
        // for the one-character separator of the texts; keep "." then.
        if (conventions != nullptr && conventions->decimal_point != nullptr &&
            std::strlen(conventions->decimal_point) == 1) {
            separator = conventions->decimal_point[0];
        }
    }
    // Leave the C library as it was: number conversions elsewhere must not change
    // behind the caller's back.
    std::setlocale(LC_NUMERIC, previous.c_str());
    return separator;
}

char GroupSeparatorFor(char decimalSeparator) noexcept {
    return decimalSeparator == ',' ? '.' : ',';
}

std::string DotToComma(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c == '.') {
            c = ',';
        }
    }
    return result;
}

}  // namespace shared
