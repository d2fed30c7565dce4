#include "pelmo/selection/selection_lists.h"

#include "pelmo/library/records.h"

#include "shared/text/blanks.h"
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
    return std::string(shared::TrimBlanks(record.TempChar[codeSystem]));
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
