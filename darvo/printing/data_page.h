#ifndef DARVO_PRINTING_DATA_PAGE_H
#define DARVO_PRINTING_DATA_PAGE_H

#include "darvo/engine/chart_data_record.h"

#include <string>

namespace shared {
class PageCanvas;
}

namespace darvo {

// The printed data page of File > OutPut Data > Print Data: one portrait page with the
// request's header and conditions, then the 200 points of the computed curve in three
// column groups side by side. Everything is placed in one user scale (x from -5 to 95,
// y from 110 at the top down to -5), so the page fills the paper whatever its size.

// The three column groups hold 67, 67 and 66 rows.
inline constexpr int kDataRowsPerGroup = 67;

// What the page names besides the computed record.
struct DataPageFacts {
    std::string DateTimeText;     // the locale's general date form of the moment of printing
    std::string PartNumber;       // the product's part number in the notation in force
    std::string DegreeSign;       // of the column units of temperatures
    char DecimalSeparator = '.';  // the program's, for every number of the page
};

// "Would you print " + the part-number box's text + " Data ?", asked before anything is
// computed.
std::string DataPrintQuestionText(const std::string& partNumberText);

// Sets the print font (Arial 9), portrait orientation and the page's user scale, then
// prints the title lines, the condition lines the chart type uses and the three groups'
// column titles with their units (temperatures with the degree sign).
void PrintDataHeader(shared::PageCanvas& page, const ChartDataRecord& record, const DataPageFacts& facts);

// The 200 points as "0.00E+00" texts, X in kHz on a frequency axis, then the three rules
// under the titles and between the groups. Expects the scale PrintDataHeader set.
void PrintDataRows(shared::PageCanvas& page, const ChartDataRecord& record, char separator);

// The whole page: PrintDataHeader, then PrintDataRows. The caller starts and ends the
// document and restores the printer.
void PrintDataPage(shared::PageCanvas& page, const ChartDataRecord& record, const DataPageFacts& facts);

}  // namespace darvo

#endif
