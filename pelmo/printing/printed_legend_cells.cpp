#include "pelmo/printing/printed_legend_cells.h"

#include "pelmo/engine/condition_model.h"
#include "pelmo/library/records.h"

#include "shared/parts/part_number_codes.h"

#include <vector>

namespace pelmo {

namespace {

// The text between the first from and the first to after it; empty when either is
// missing.
std::string Between(std::string_view text, std::string_view from, std::string_view to) {
    const std::size_t start = text.find(from);
    if (start == std::string_view::npos) return {};
    const std::size_t begin = start + from.size();
    const std::size_t end = text.find(to, begin);
    if (end == std::string_view::npos) return {};
    return std::string(text.substr(begin, end - begin));
}

std::string UpTo(std::string_view text, std::string_view stop) {
    return std::string(text.substr(0, text.find(stop)));
}

std::string CaptionPartNumber(std::string_view caption) {
    if (caption.find('-') != std::string_view::npos) return UpTo(caption, "-");
    return UpTo(caption, " ");
}

// The comma-separated values of the first bracketed group.
std::vector<std::string> GroupValues(std::string_view caption) {
    std::vector<std::string> values;
    const std::size_t open = caption.find('(');
    if (open == std::string_view::npos) return values;
    const std::size_t close = caption.find(')', open);
    std::string_view group =
        caption.substr(open + 1, close == std::string_view::npos ? close : close - open - 1);
    for (;;) {
        const std::size_t comma = group.find(',');
        values.emplace_back(group.substr(0, comma));
        if (comma == std::string_view::npos) break;
        group.remove_prefix(comma + 1);
    }
    return values;
}

}  // namespace

bool IsConditionDependentPart(std::string_view partNumber, const Library& library,
                              shared::CodeSystem codeSystem) {
    if (partNumber.empty() || shared::IsInductorNumber(partNumber)) return false;
    const auto index = library.PartIndex[codeSystem].Find(partNumber);
    if (!index || *index < 0 || static_cast<std::size_t>(*index) >= library.CapacitorTable.size())
        return false;
    return HasConditionModel(library.CapacitorTable[static_cast<std::size_t>(*index)]);
}

PrintedLegendCells RectangularLegendCells(std::string_view caption, bool wide, const Library& library,
                                          shared::CodeSystem codeSystem) {
    PrintedLegendCells cells;
    cells.PartNumber = CaptionPartNumber(caption);
    if (IsConditionDependentPart(cells.PartNumber, library, codeSystem)) {
        cells.Temperature = Between(caption, "(", "[");
        cells.DcBias = Between(caption, "],", "[V]");
    }
    if (wide) {
        const std::vector<std::string> values = GroupValues(caption);
        if (values.size() >= 2) {
            cells.SParameter = values[values.size() - 2];
            cells.Connection = values.back();
        }
    }
    return cells;
}

PrintedLegendCells SmithLegendCells(const std::array<std::string, 6>& labels, const Library& library,
                                    shared::CodeSystem codeSystem) {
    PrintedLegendCells cells;
    cells.PartNumber = labels[0];
    if (IsConditionDependentPart(cells.PartNumber, library, codeSystem)) {
        cells.Temperature = UpTo(labels[1], "[");
        cells.DcBias = UpTo(labels[2], "[");
        cells.SParameter = labels[3];
        cells.Connection = labels[4];
    } else {
        cells.SParameter = labels[1];
        cells.Connection = labels[2];
    }
    return cells;
}

}  // namespace pelmo
