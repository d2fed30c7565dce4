#ifndef DARVO_CHARTS_QT_CHART_WINDOW_HOST_H
#define DARVO_CHARTS_QT_CHART_WINDOW_HOST_H

class QWidget;

namespace darvo {

class FrmGraph;

// What a chart window asks of the program around it. The main window implements it:
// the output commands run the printing code, and the main window keeps its menus in
// step with the chart windows. Every call comes from a guarded window entry, so an
// implementation may throw; the failure is reported under the window's title.
class ChartWindowHost {
public:
    virtual ~ChartWindowHost() = default;

    // The main window: the owner of the axis-range dialog, which is centred on it.
    virtual QWidget* MainWindow() = 0;
    // The windows of the program loaded now for the cascade position: the main window,
    // the selection window and every chart window, the one being placed included.
    virtual int LoadedWindowCount() const = 0;

    // "&Copy to Clipboard" of the Chart menu (also the popup): the window's persistent
    // picture with its legend rows (FrmGraph::Picture, FrmGraph::Legends).
    virtual void CopyChartToClipboard(FrmGraph& window) = 0;
    // "Print Set&up..." and "&Print..." of the window's File menu.
    virtual void PrintSetup(FrmGraph& window) = 0;
    virtual void PrintChart(FrmGraph& window) = 0;

    // The window became the active one (menu states follow it).
    virtual void ChartWindowActivated(FrmGraph& window) = 0;
    // The window has closed and its records have left the chart table.
    virtual void ChartWindowClosed(FrmGraph& window) = 0;
};

}  // namespace darvo

#endif
