#ifndef DARVO_PRINTING_CHART_PAGE_H
#define DARVO_PRINTING_CHART_PAGE_H

#include "darvo/printing/chart_identity_view.h"

#include "shared/canvas/rgb.h"

#include <array>
#include <functional>
#include <string>

namespace shared {
class ChartCanvas;
class PageCanvas;
}  // namespace shared

namespace darvo {

class ChartTable;
struct ProductLibrary;

// The printed page of a chart window: a header box with the window's caption, the chart
// itself in a framed body, and a table of the window's curves with the conditions each
// was computed for. Header, frames and table are placed in twips from the printable
// area's origin of a landscape page; only the chart gets its own user scale.

// The legend colours of the six curves, which the printed line samples repeat on a
// colour printer.
inline constexpr std::array<shared::Rgb, 6> kLegendColors = {
    shared::Rgb{0, 0, 255},   shared::Rgb{255, 0, 0}, shared::Rgb{0, 0, 0},
    shared::Rgb{255, 0, 255}, shared::Rgb{0, 128, 0}, shared::Rgb{128, 0, 0},
};
// A black-only printer tells the curves apart by these pen widths, as the chart drawing
// does; the line samples use the same.
inline constexpr std::array<int, 6> kMonochromeCurveWidths = {12, 9, 7, 5, 3, 1};
inline constexpr int kColorSampleWidth = 5;

// Draws the window's axes and curves (its identity, at the range it shows) on the page
// in the page's current user scale, where the plot area is (0, 0)-(100, 100). The chart
// window supplies it from its own drawing, so the page and the screen never disagree.
using ChartBodyDrawing = std::function<void(shared::ChartCanvas& page)>;

// What the printed table needs to know beyond the curves' records.
struct ChartPageFacts {
    const ChartTable& Table;
    const ProductLibrary& Library;  // part numbers in its notation in force
    std::string DegreeSign;
};

// "Would you print " + caption + " Chart ?", asked before anything is printed.
std::string ChartPrintQuestionText(const std::string& caption);

// The number of condition columns of the printed table: 4 for the temperature-rise and
// allowable-power charts, 1 for capacitance over temperature or DC voltage, 0 over AC
// voltage.
int ConditionColumnCount(int chartType) noexcept;

// The header box with caption + " Chart" and the product title.
void PrintChartHeader(shared::PageCanvas& page, const std::string& caption);

// The framed chart. The page gets the chart's user scale (x -30 to 160, y 130 at the top
// down to -70) while drawBody runs; its twips scale, thin solid pen and scale values are
// put back afterwards so the table lands where it belongs.
void PrintChartBody(shared::PageCanvas& page, const ChartBodyDrawing& drawBody);

// The table of curves under the chart: a heading row and six numbered rows with a line
// sample each, whether or not a curve fills them, then the part number and the condition
// columns of every curve of the identity, in table order. On a colour printer the
// samples are 5-pixel lines in the legend colours, otherwise lines in the fore colour
// whose widths match the black-only curves.
void PrintChartLegend(shared::PageCanvas& page, const ChartIdentityView& identity,
                      const ChartPageFacts& facts);

// The whole page in Arial 9 on a page in twips: header, body, table. The caller starts
// and ends the document and restores the printer.
void PrintChart(shared::PageCanvas& page, const std::string& caption, const ChartIdentityView& identity,
                const ChartBodyDrawing& drawBody, const ChartPageFacts& facts);

}  // namespace darvo

#endif
