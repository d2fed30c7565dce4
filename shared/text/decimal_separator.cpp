#include "shared/text/number_text.h"

#include <atomic>
#include <clocale>
#include <cstring>
#include <string>

namespace shared {

namespace {

// Atomic because a print or export may run beside the window thread; the value itself
// changes only at start and in tests.
std::atomic<char> g_separator{'.'};

}  // namespace

char DecimalSeparator() noexcept {
    return g_separator.load(std::memory_order_relaxed);
}

void SetDecimalSeparator(char separator) noexcept {
    g_separator.store(separator, std::memory_order_relaxed);
}

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

ScopedDecimalSeparator::ScopedDecimalSeparator(char separator) noexcept : previous_(DecimalSeparator()) {
    SetDecimalSeparator(separator);
}

ScopedDecimalSeparator::~ScopedDecimalSeparator() {
    SetDecimalSeparator(previous_);
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
