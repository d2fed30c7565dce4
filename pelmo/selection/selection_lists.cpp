#include "pelmo/selection/selection_lists.h"

#include "pelmo/library/records.h"

#include "shared/text/number_text.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace pelmo {

void AddDistinct(std::vector<std::string>& list, const std::string& value) {
    if (std::find(list.begin(), list.end(), value) == list.end()) {
        list.push_back(value);
    }
}

std::string TrimmedTempChar(const CapacitorRecord& record, shared::CodeSystem codeSystem) {
    const std::string& text = record.TempChar[codeSystem];
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool SameNumber(std::string_view filterText, std::string_view libraryText, char separator) {
    const std::optional<double> filter = shared::ParseNumber(filterText, separator);
    const std::optional<double> library = shared::ParseNumber(libraryText, separator);
    if (filter && library) {
        return *filter == *library;
    }
    return filterText == libraryText;
}

void SortByNumericValue(std::vector<std::string>& list, char separator) {
    auto key = [separator](const std::string& text) {
        const std::optional<float> value = shared::ParseSingle(text, separator);
        return value ? *value : std::numeric_limits<float>::infinity();
    };
    std::stable_sort(list.begin(), list.end(),
                     [&key](const std::string& a, const std::string& b) { return key(a) < key(b); });
}

}  // namespace pelmo
