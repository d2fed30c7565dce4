#ifndef PELMO_CHARTS_QT_FRM_GRAPH_H
#define PELMO_CHARTS_QT_FRM_GRAPH_H

#include "pelmo/charts/chart_window_geometry.h"
#include "pelmo/charts/chart_window_model.h"
#include "pelmo/charts/cursor_readout.h"

#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QStatusBar;

namespace shared {
class CanvasWidget;
struct Services;
}  // namespace shared

namespace pelmo {

class ChartSlotTable;
class LibrarySelection;
struct Library;
struct ProgramFacts;

// A chart window: one Smith trace, or every trace of one rectangular chart kind. It
// lives in a QMdiSubWindow of the main window. The chart, its own copy of the traces
// and the axes are the ChartWindowModel's; the window adds the picture box picGraph,
// the six legend frames fraStatus/lblStatus, the status bar sbr1 with the cursor
// readout, and the popup menu. Its menu bar is the main window's (the app forwards
// the chart-window commands to the public handlers below).
//
// The slot table, point table, library, selection, services and facts must outlive the
// window. Closing the window frees its slots and tells whoever registered it.
class FrmGraph : public QWidget {
    Q_OBJECT

public:
    // Takes the current slot of slotTable as the slot that creates the window, and the
    // selection window's connection for charts without an S-parameter. RuntimeError 5
    // when the current slot names no chart.
    FrmGraph(ChartSlotTable& slotTable, const ChartPointTable& points, const Library& library,
             LibrarySelection& selection, const shared::Services& services, const ProgramFacts& facts,
             QWidget* mainWindow, QWidget* parent = nullptr);
    ~FrmGraph() override;
    FrmGraph(const FrmGraph&) = delete;
    FrmGraph& operator=(const FrmGraph&) = delete;

    // Window load: caption, size, picture and legend frames, then the first drawing
    // (which copies the current slot's sweep). Failures are thrown; the caller reports
    // them as the window's load and does not show the window.
    void Form_Load();

    // Redraws the chart on picGraph (a trace was added to its kind) and rewrites the
    // legend. The readout is reset: its point belonged to the old axes.
    void DrawChart();

    // The output commands the app's chart-window menus and the popup call.
    void mnuFilePageSetup_Click();
    void mnuFilePrint_Click();
    void mnuPopupClipboard_Click();

    // Minimised: the status panels, the marker and the readout state are cleared.
    void Form_Resize();

    const ChartWindowModel& Model() const;
    // The size the window is created with, in pixels of this screen (the MDI frame's
    // outer size), and its left edge when the chart kind fixes one.
    QSize WindowSize() const;
    QPoint WindowPosition() const;
    bool HasFixedLeft() const noexcept;

    // What the window shows, for the app and the window tests.
    QString StatusText(int panel) const;      // sbr1 panel 1 ... 3
    QString LegendCaption(int k) const;       // lblStatus(k), k = 0 ... 5
    QString LegendFrameCaption(int k) const;  // fraStatus(k)
    const std::vector<std::string>& LegendCaptions() const noexcept { return legends_; }
    const CursorReadout& Readout() const noexcept { return readout_; }
    shared::CanvasWidget& Picture() const noexcept { return *picGraph_; }
    QMenu& PopupMenu() const noexcept { return *mnuPopup_; }

signals:
    // The window has unloaded: its slots are free.
    void closed(FrmGraph* window);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void picGraph_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, double x, double y);
    void picGraph_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void picGraph_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void Form_Unload();
    void BuildControls();
    void PlaceControls();
    void ShowLegend();
    void ShowPanels();
    void OpenPopup(QPoint globalPosition);
    ChartContext Context() const;
    int PixelsX(double twips) const;
    int PixelsY(double twips) const;
    double TwipsX(int pixels) const;
    double TwipsY(int pixels) const;
    bool IsMinimised() const;

    ChartSlotTable& slots_;
    const ChartPointTable& points_;
    const Library& library_;
    LibrarySelection& selection_;
    const shared::Services& services_;
    const ProgramFacts& facts_;
    QWidget* mainWindow_;
    ChartWindowModel model_;
    ChartWindowGeometry geometry_;
    CursorReadout readout_;
    std::vector<std::string> legends_;
    bool unloaded_ = false;

    QWidget* chartArea_ = nullptr;
    shared::CanvasWidget* picGraph_ = nullptr;
    std::array<QGroupBox*, 6> fraStatus_{};
    std::array<QLabel*, 6> lblStatus_{};
    QStatusBar* sbr1_ = nullptr;
    std::array<QLabel*, 3> panels_{};
    QMenu* mnuPopup_ = nullptr;
    QAction* mnuPopupClipboard_ = nullptr;
};

}  // namespace pelmo

#endif
