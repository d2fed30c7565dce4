#include "shared/parts/numeric_list.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/capacitance_text.h"
#include "shared/text/number_text.h"

#include <optional>
#include <utility>

namespace shared {

namespace {

std::optional<float> ItemValue(const std::string& item, bool isCapacitance, char separator) {
    return ParseSingle(isCapacitance ? CapacitanceValue(item, separator) : item, separator);
}

}  // namespace

void SortNumericList(std::vector<std::string>& items, bool isCapacitance, char separator) {
    if (items.size() < 2 || !ItemValue(items.front(), isCapacitance, separator)) {
        return;
    }
    std::vector<float> values;
    values.reserve(items.size());
    for (const std::string& item : items) {
        const std::optional<float> value = ItemValue(item, isCapacitance, separator);
        if (!value) {
            throw RuntimeError(error::kTypeMismatch, item);
        }
        values.push_back(*value);
    }
    for (std::size_t i = 1; i < values.size(); ++i) {
        for (std::size_t j = i; j >= 1; --j) {
            if (values[j] < values[j - 1]) {
                std::swap(values[j], values[j - 1]);
            }
        }
    }
    std::vector<std::string> sorted;
    sorted.reserve(values.size());
    for (const float value : values) {
        // The single goes through its own shortest text, so a value such as 0.47 is
        // written as 470 f, not as the digits of its widened binary value.
        const std::string text = GeneralNumberTextSingle(value, separator);
        sorted.push_back(isCapacitance ? CapacitanceText(text, separator) : text);
    }
    items = std::move(sorted);
}

}  // namespace shared
