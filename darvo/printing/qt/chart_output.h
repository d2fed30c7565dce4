#ifndef DARVO_PRINTING_QT_CHART_OUTPUT_H
#define DARVO_PRINTING_QT_CHART_OUTPUT_H

#include "darvo/charts/chart_axes.h"
#include "darvo/charts/chart_identity.h"
#include "darvo/charts/chart_legends.h"
#include "darvo/printing/chart_page.h"
#include "darvo/printing/clipboard_picture.h"

#include "shared/canvas/pixel_image.h"

#include <string>
#include <vector>

class QWidget;

namespace shared {
struct Services;
}  // namespace shared

namespace darvo {

class ChartTable;
struct ProductLibrary;

// The output commands of a chart window: Print Setup, Print and Copy to Clipboard. The
// window's handlers call them with what it holds; none changes the window's picture,
// and the curves' records are only read (the chart drawing rewrites their plot
// positions for the range printed, which is the range the window shows).

// The title of the printed page, the print question and the clipboard's header: the
// product title. The program's own reports use "darvo".
inline constexpr const char* kChartPrintTitle = "Tervalon";
inline constexpr const char* kChartOutputReportTitle = "darvo";

// Print setup: the printer dialog with no selection, no page numbers, copies from the
// printer settings and no print-to-file box, the choice becoming the program's printer.
// Every failure of the dialog, Cancel included, ends the command without a message.
void PageSetup(const shared::Services& services);

// What a chart window hands its print command.
struct ChartPrintRequest {
    std::string Caption;        // the window caption, as the question and header name it
    ChartIdentity Identity;     // whose curves the table lists
    ChartBodyDrawing DrawBody;  // the window's axes and curves at the range it shows
};

// The print command. Asks "Would you print <caption> Chart ?" (OK/Cancel, question icon,
// titled "Tervalon"); on OK prints one landscape page in Arial 9 while the "Now
// Printing..." notice, owned by mainWindow, is shown. A printer failure (no printer, a
// job that cannot start, a page that cannot be sent, a failure while drawing) aborts
// the job, closes the notice, restores the printer's orientation and font and is
// reported once as "Unexpected Error " + number, CR LF, description under "darvo".
// True when the page was sent.
bool PrintChartWindow(QWidget* mainWindow, const ChartPrintRequest& request, const ChartPageFacts& facts,
                      const shared::Services& services);

// The same for the window of identity showing range: its caption, and its chart drawn
// by the chart windows' own drawing (PrintedChartDrawing). The drawing rewrites the plot
// positions of the window's curves for range, the range the window shows.
bool PrintChartWindow(QWidget* mainWindow, const ChartIdentity& identity, const AxisRange& range,
                      ChartTable& table, const ProductLibrary& library, const std::string& degreeSign,
                      char separator, const shared::Services& services);

// The clipboard command: the chart picture's persistent image (never the cursor marker)
// beside the window's legend (WriteLegends, as its labels show it) as one bitmap of
// 11800 x 3650 twips at the screen's resolution, replacing whatever the clipboard held.
// chartPicture is cut or padded to the chart picture's 5600 x 3650 twips. dotsPerInch 0
// takes the primary screen's logical resolution, which the window's twips are
// converted with.
void CopyChartToClipboard(const shared::PixelImage& chartPicture, const std::vector<LegendEntry>& legend,
                          const shared::Services& services, double dotsPerInch = 0.0);

}  // namespace darvo

#endif
