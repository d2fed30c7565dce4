#ifndef DARVO_CHARTS_CHART_LEGENDS_H
#define DARVO_CHARTS_CHART_LEGENDS_H

#include "darvo/charts/chart_identity.h"

#include "shared/canvas/rgb.h"
#include "shared/parts/code_system.h"

#include <string>
#include <vector>

namespace darvo {

class ChartTable;
struct ProductLibrary;

// The six legend frames beside a chart; a window never holds more curves.
inline constexpr int kLegendRows = 6;

// One curve's legend: the part number (lblStatus) and the conditions text (lblPara),
// "(" + conditions + ")", empty for the AC-voltage chart, whose curves have none.
struct LegendEntry {
    std::string PartNumber;
    std::string Conditions;
    shared::Rgb Color;
};

// The colour of legend frame i (0 ... 5): blue, red, black, magenta, green, dark red.
// Only frames 2 and 5 differ from the curve colours.
shared::Rgb LegendColor(int row) noexcept;

// "No.1" ... "No.6": the caption of legend frame i.
std::string LegendFrameCaption(int row);

// The conditions text of a curve without its parentheses; numbers in the general form
// with separator.
std::string LegendConditions(const ChartDataRecord& record, const ChartIdentity& identity,
                             const std::string& degreeSign, char separator);

// The legend of every curve of the identity in table order (at most six), the part
// numbers in the notation of the library in force.
std::vector<LegendEntry> WriteLegends(const ChartTable& table, const ProductLibrary& library,
                                      const ChartIdentity& identity, const std::string& degreeSign,
                                      char separator);

}  // namespace darvo

#endif
