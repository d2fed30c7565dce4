#ifndef PELMO_PRINTING_QT_CHART_OUTPUT_H
#define PELMO_PRINTING_QT_CHART_OUTPUT_H

#include "pelmo/printing/clipboard_picture.h"

#include "shared/canvas/canvas_types.h"
#include "shared/canvas/pixel_image.h"

#include <string>
#include <vector>

class QWidget;

namespace shared {
struct Services;
}  // namespace shared

namespace pelmo {

class ChartWindowModel;
struct ChartContext;

// The three output commands of a chart window. The window's handlers call them with
// what the window holds; none of them changes the window's picture or trace copy.

// Print setup: the printer dialog with no selection, no page numbers, copies from the
// printer settings and no print-to-file box, the choice becoming the program's printer.
// Cancel ends silently; any other failure is reported ("Unexpected Error " + number)
// under the program title and the command ends.
void PageSetup(const shared::Services& services);

// The print command. Asks "Would you print <name> Chart ?" (OK/Cancel, titled with the
// product title); on OK prints the chart on one landscape page in Arial 9 while the
// "Now Printing..." notice, owned by mainWindow, is shown. The printer's orientation
// and font are restored afterwards on every path. A printer failure (no printer, a job
// that cannot start or be sent) aborts the job, closes the notice, and is reported
// through the error report, so nothing half-printed is claimed as done.
// legendCaptions are the window's legend texts (one per trace; six labels on Smith).
void PrintChartWindow(QWidget* mainWindow, const std::string& caption, ChartWindowModel& model,
                      ChartContext& context, const std::vector<std::string>& legendCaptions,
                      const shared::Services& services);

// The clipboard command: the chart picture (persistent image only) beside its legend,
// as a bitmap at the screen's resolution. legendFrameWidthTwips is the width of the
// first legend frame; legend holds the window's labels in order (rows after the first
// empty caption are ignored). legendFont is the labels' font. dotsPerInch 0 takes the
// primary screen's logical resolution, which the window's twips are converted with.
void CopyChartToClipboard(const shared::PixelImage& chartPicture, int chartWidthTwips, int chartHeightTwips,
                          int legendFrameWidthTwips, bool smith, const std::vector<LegendRow>& legend,
                          const shared::Services& services, const shared::FontSpec& legendFont = {},
                          double dotsPerInch = 0.0);

}  // namespace pelmo

#endif
