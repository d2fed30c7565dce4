#include "darvo/selection/selection_list.h"

#include <algorithm>
#include <cctype>

namespace darvo {

namespace {

bool TextBefore(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

void SelectionList::Add(const std::string& item) {
    if (!SortedByText) {
        Items.push_back(item);
        return;
    }
    // After every equal entry, so equal texts keep the order they came in.
    const auto place =
        std::upper_bound(Items.begin(), Items.end(), item,
                         [](const std::string& a, const std::string& b) { return TextBefore(a, b); });
    Items.insert(place, item);
}

void SelectionList::AddUnlessPresent(const std::string& item) {
    if (!item.empty() && !Contains(item)) {
        Add(item);
    }
}

bool SelectionList::Contains(std::string_view text) const noexcept {
    return std::find(Items.begin(), Items.end(), text) != Items.end();
}

}  // namespace darvo
