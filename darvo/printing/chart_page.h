#ifndef DARVO_PRINTING_CHART_PAGE_H
#define DARVO_PRINTING_CHART_PAGE_H

#include "darvo/charts/chart_axes.h"
#include "darvo/charts/chart_identity.h"

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

// The line samples of a colour printer are this many pixels wide; a black-only printer
// uses the curves' own widths (MonochromeCurveWidth).
inline constexpr int kColorSampleWidth = 5;

// Draws the window's axes and curves (its identity, at the range it shows) on the page
// in the page's current user scale, where the plot area is (0, 0)-(100, 100). The chart
// window's drawing is the one the page uses, so the page and the screen never disagree.
using ChartBodyDrawing = std::function<void(shared::ChartCanvas& page)>;

// The window's chart as printed: DrawChart for identity at range, with 5 divisions on
// its linear axes when range is narrower than the full range (a magnified window), the
// Y unit above the plot area instead of the rotated title, and on a black-only printer
// the curves told apart by line width. Writes the curves' plot positions as every
// drawing of the window does.
ChartBodyDrawing PrintedChartDrawing(ChartTable& table, const ChartIdentity& identity, const AxisRange& range,
                                     const std::string& degreeSign, char separator);

// What the printed table needs to know beyond the curves' records.
struct ChartPageFacts {
    const ChartTable& Table;
    const ProductLibrary& Library;  // part numbers in its notation in force
    std::string DegreeSign;
    char DecimalSeparator;  // the program's, for the numbers of the conditions table
};

// "Would you print " + caption + " Chart ?", asked before anything is printed.
std::string ChartPrintQuestionText(const std::string& caption);

// The number of condition columns of the printed table: 4 for the temperature-rise and
// allowable-power charts, 1 for capacitance over temperature or DC voltage, 0 over AC
// voltage.
int ConditionColumnCount(darvo::ChartType chartType) noexcept;

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
void PrintChartLegend(shared::PageCanvas& page, const ChartIdentity& identity, const ChartPageFacts& facts);

// The whole page in Arial 9 on a page in twips: header, body, table. The caller starts
// and ends the document and restores the printer.
void PrintChart(shared::PageCanvas& page, const std::string& caption, const ChartIdentity& identity,
                const ChartBodyDrawing& drawBody, const ChartPageFacts& facts);

}  // namespace darvo

#endif
