#ifndef DARVO_SELECTION_SELECTION_LIST_H
#define DARVO_SELECTION_SELECTION_LIST_H

#include <string>
#include <string_view>
#include <vector>

namespace darvo {

// One drop-down list of the selection window: its entries and the text it shows.
//
// A list kept sorted by the list itself places every new entry in ascending text order
// (letter case ignored, as the platform's sorted lists compare), so numbers sort as
// texts: "10", "100", "16", "6.3". The other lists keep the order entries were added
// in, which is the order of the product table.
struct SelectionList {
    std::vector<std::string> Items;
    std::string Text;
    bool SortedByText = false;

    void Clear() noexcept {
        Items.clear();
        Text.clear();
    }
    // Adds an entry at its place, duplicates included.
    void Add(const std::string& item);
    // Adds an entry unless one exactly equal (letter case counts) is there already; the
    // empty text is never added.
    void AddUnlessPresent(const std::string& item);
    // Whether an entry equals text exactly, letter case included.
    bool Contains(std::string_view text) const noexcept;
};

}  // namespace darvo

#endif
