#ifndef DARVO_PRINTING_QT_CHART_WINDOW_OUTPUT_H
#define DARVO_PRINTING_QT_CHART_WINDOW_OUTPUT_H

class QWidget;

namespace shared {
struct Services;
}  // namespace shared

namespace darvo {

class ChartTable;
class FrmGraph;
struct ProductLibrary;

// The output commands for an open chart window, as the main window's ChartWindowHost
// runs them: what the window shows (identity, range, legend, picture) is read from it.

// "&Print...": the question, then the landscape page of the window's chart at the range
// it shows, its caption and its curves' table (see chart_output.h).
bool PrintChartWindow(QWidget* mainWindow, const FrmGraph& window, ChartTable& table,
                      const ProductLibrary& library, const shared::Services& services);

// "&Copy to Clipboard": the window's persistent picture, at the resolution it was drawn
// at, beside its legend rows.
void CopyChartToClipboard(const FrmGraph& window, const shared::Services& services);

}  // namespace darvo

#endif
