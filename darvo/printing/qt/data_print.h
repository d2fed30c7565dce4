#ifndef DARVO_PRINTING_QT_DATA_PRINT_H
#define DARVO_PRINTING_QT_DATA_PRINT_H

#include "darvo/engine/chart_data_record.h"

#include <functional>
#include <string>

class QWidget;

namespace shared {
struct Services;
}  // namespace shared

namespace darvo {

class ChartTable;
struct ProductLibrary;

// What File > OutPut Data > Print Data prints: the selection window's request, after
// its CheckConditions passed (the checks have told the user about any problem, and the
// command is not called then).
struct DataPrintRequest {
    ChartDataRecord Header;       // WriteChartData's header: type, axes, ProductIndex, conditions
    std::string PartNumberText;   // the part-number box's text, for the question
    std::string DegreeSign;       // of the column units of temperatures
    char DecimalSeparator = '.';  // the program's, for every number of the page
    // The page's date and time, asked when the page is printed; empty takes the system
    // locale's short date and long time of that moment.
    std::function<std::string()> DateTimeText;
};

enum class DataPrintOutcome {
    Printed,    // the page was sent
    Cancelled,  // the user answered Cancel; nothing happened
    Refused,    // the engine could not compute the curve; its message or report shown
    Failed,     // the printer failed; "Unexpected Error " shown, the job aborted
};

// The data print command. Asks "Would you print <part number text> Data ?" (OK/Cancel,
// question icon, titled "Tervalon"); on OK computes the curve in a temporary record of
// table, shows the wait pointer and the "Now Printing..." notice owned by mainWindow,
// and prints one portrait page of the part's conditions and 200 points. On every way
// out the table holds exactly what it held before, the notice is closed, the pointer
// and the printer's orientation and font are restored; a printer failure is reported
// once as "Unexpected Error " + number, CR LF, description under "darvo".
DataPrintOutcome PrintChartData(QWidget* mainWindow, ChartTable& table, const ProductLibrary& library,
                                const DataPrintRequest& request, const shared::Services& services);

}  // namespace darvo

#endif
