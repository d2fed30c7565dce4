#include "shared/parts/capacitance_text.h"

#include "shared/errors/runtime_error.h"
#include "shared/text/number_text.h"

#include <optional>

namespace shared {

std::string CapacitanceText(std::string_view value, char separator) {
    if (value.empty()) {
        return {};
    }
    const std::optional<double> number = ParseNumber(value, separator);
    if (!number) {
        throw RuntimeError(error::kTypeMismatch, std::string(value));
    }
    const double d = *number;
    if (d < 1.0) {
        return GeneralNumberText(d * 1000.0, separator) + " f";
    }
    if (d < 1e3) {
        return GeneralNumberText(d, separator) + " p";
    }
    if (d < 1e6) {
        return GeneralNumberText(d / 1e3, separator) + " n";
    }
    if (d < 1e9) {
        return GeneralNumberText(d / 1e6, separator) + " u";
    }
    if (d < 1e12) {
        return GeneralNumberText(d / 1e9, separator) + " m";
    }
    return GeneralNumberText(d / 1e12, separator);
}

std::string CapacitanceValue(std::string_view text, char separator) {
    if (text.empty()) {
        return {};
    }
    int start = 0;
    const int blank = LastIndexOf(text, " ", start);
    const std::string_view numberPart =
        blank > 0 ? text.substr(0, static_cast<std::size_t>(blank - 1)) : text;
    const std::optional<double> number = ParseNumber(numberPart, separator);
    if (!number) {
        return std::string(text);
    }
    double v = *number;
    if (text.find(" f") != std::string_view::npos) {
        v /= 1e3;
    } else if (text.find(" p") != std::string_view::npos) {
        // already in pF
    } else if (text.find(" n") != std::string_view::npos) {
        v *= 1e3;
    } else if (text.find(" u") != std::string_view::npos) {
        v *= 1e6;
    } else if (text.find(" m") != std::string_view::npos) {
        v *= 1e9;
    } else {
        v *= 1e12;
    }
    return GeneralNumberText(v, separator);
}

int LastIndexOf(std::string_view text, std::string_view find, int& start) {
    if (text.empty() || find.empty()) {
        return 0;
    }
    if (start < 1) {
        start = static_cast<int>(text.size());
    }
    const auto length = static_cast<int>(text.size());
    const auto findLength = static_cast<int>(find.size());
    for (int p = start; p >= 1; --p) {
        if (p > length || text[static_cast<std::size_t>(p - 1)] != find.back()) {
            continue;
        }
        const int begin = p - findLength + 1;
        if (begin >= 1 && text.substr(static_cast<std::size_t>(begin - 1), find.size()) == find) {
            return begin;
        }
    }
    return 0;
}

}  // namespace shared
