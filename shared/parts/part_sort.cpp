#include "shared/parts/part_sort.h"

#include "shared/parts/sort_key.h"

#include <numeric>

namespace shared {

namespace {

struct SortEntry {
    std::string key;
    std::size_t former;
};

// One range of the quicksort. The two subranges are returned instead of recursed into,
// so a long run of unlucky pivots cannot exhaust the stack; the ranges are disjoint, so
// the order in which they are processed does not change the result.
void PartitionRange(std::vector<SortEntry>& entries, std::ptrdiff_t lo, std::ptrdiff_t hi,
                    std::vector<std::pair<std::ptrdiff_t, std::ptrdiff_t>>& pending) {
    const std::string pivot = entries[static_cast<std::size_t>((lo + hi) / 2)].key;
    std::ptrdiff_t i = lo;
    std::ptrdiff_t j = hi;
    const auto key = [&](std::ptrdiff_t k) -> const std::string& {
        return entries[static_cast<std::size_t>(k)].key;
    };
    for (;;) {
        // Both scans stop at the latest on the pivot or on an entry just swapped, so
        // they never leave the range.
        while (key(i) < pivot) {
            ++i;
        }
        while (key(j) > pivot) {
            --j;
        }
        if (i >= j) {
            break;
        }
        std::swap(entries[static_cast<std::size_t>(i)], entries[static_cast<std::size_t>(j)]);
        ++i;
        --j;
    }
    if (j + 1 < hi) {
        pending.emplace_back(j + 1, hi);
    }
    if (lo < i - 1) {
        pending.emplace_back(lo, i - 1);
    }
}

}  // namespace

std::vector<std::size_t> QuickSortOrder(std::vector<std::string> keys) {
    std::vector<SortEntry> entries;
    entries.reserve(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k) {
        entries.push_back({std::move(keys[k]), k});
    }
    if (entries.size() > 1) {
        std::vector<std::pair<std::ptrdiff_t, std::ptrdiff_t>> pending;
        pending.emplace_back(0, static_cast<std::ptrdiff_t>(entries.size()) - 1);
        while (!pending.empty()) {
            const auto [lo, hi] = pending.back();
            pending.pop_back();
            PartitionRange(entries, lo, hi, pending);
        }
    }
    std::vector<std::size_t> order;
    order.reserve(entries.size());
    for (const SortEntry& entry : entries) {
        order.push_back(entry.former);
    }
    return order;
}

bool PartSortOrder(const std::vector<std::string>& partNumbers, char separator,
                   std::vector<std::size_t>& order, std::string& diagnostic) {
    std::vector<std::string> keys(partNumbers.size());
    for (std::size_t k = 0; k < partNumbers.size(); ++k) {
        if (partNumbers[k].empty()) {
            continue;
        }
        std::string message;
        if (!BuildSortKey(partNumbers[k], separator, keys[k], message)) {
            diagnostic = partNumbers[k] + ": " + message;
            return false;
        }
    }
    order = QuickSortOrder(std::move(keys));
    return true;
}

}  // namespace shared
