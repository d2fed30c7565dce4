#include "shared/platform/file_filter.h"

namespace shared {

namespace {

std::vector<std::string_view> SplitAtBars(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t bar = text.find('|', start);
        if (bar == std::string_view::npos) {
            parts.push_back(text.substr(start));
            break;
        }
        parts.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
    return parts;
}

}  // namespace

std::vector<FileFilter> ParseFileFilters(std::string_view filter) {
    const std::vector<std::string_view> parts = SplitAtBars(filter);
    std::vector<FileFilter> filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() && parts[i + 1].empty()) {
            break;  // the empty entry that ends the list
        }
        if (parts[i + 1].empty()) {
            continue;
        }
        filters.push_back({std::string(parts[i]), std::string(parts[i + 1])});
    }
    return filters;
}

std::string NameFilterText(const FileFilter& filter) {
    std::string patterns;
    std::size_t start = 0;
    while (start <= filter.patterns.size()) {
        std::size_t end = filter.patterns.find(';', start);
        if (end == std::string::npos) {
            end = filter.patterns.size();
        }
        std::string pattern = filter.patterns.substr(start, end - start);
        const auto first = pattern.find_first_not_of(' ');
        const auto last = pattern.find_last_not_of(' ');
        if (first != std::string::npos) {
            if (!patterns.empty()) {
                patterns += ' ';
            }
            pattern = pattern.substr(first, last - first + 1);
            // "*.*" meant every file where these lists come from; the toolkit on POSIX
            // would take it literally and hide names without a dot.
            patterns += pattern == "*.*" ? "*" : pattern;
        }
        start = end + 1;
    }
    return filter.description + " (" + patterns + ")";
}

std::size_t InitialFilterIndex(std::int32_t filterIndex, std::size_t count) noexcept {
    if (filterIndex >= 1 && static_cast<std::size_t>(filterIndex) <= count) {
        return static_cast<std::size_t>(filterIndex) - 1;
    }
    return 0;
}

}  // namespace shared
