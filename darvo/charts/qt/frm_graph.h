#ifndef DARVO_CHARTS_QT_FRM_GRAPH_H
#define DARVO_CHARTS_QT_FRM_GRAPH_H

#include "darvo/charts/chart_legends.h"
#include "darvo/charts/chart_window_model.h"
#include "darvo/charts/cursor_readout.h"

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

namespace darvo {

class ChartTable;
class ChartWindowHost;
struct ProductLibrary;

// The program title of darvo's messages and error reports.
inline constexpr const char* kChartProgramTitle = "darvo";

// A chart window (frmGraph): every curve of one chart identity, drawn from the chart
// table. It lives in a QMdiSubWindow of the main window. The picture picGraph, the six
// legend frames fraStatus(i) with lblStatus(i) (part number) and lblPara(i)
// (conditions), the status bar sbr1 with the cursor readout, and the Chart menu, also
// the picture's popup. Its File/View/Window/Help menus are the main window's.
//
// The table, library, services, host and degree sign must outlive the window. The
// window changes the table only through Form_Load (adopting the prepared record), its
// drawings (PlotX/PlotY of its curves) and its closing (removing its identity).
class FrmGraph : public QWidget {
    Q_OBJECT

public:
    // Takes its identity from the record prepared in the table. RuntimeError 9 when
    // none is prepared.
    FrmGraph(ChartTable& table, const ProductLibrary& library, const shared::Services& services,
             std::string degreeSign, char separator, ChartWindowHost& host, QWidget* parent = nullptr);
    ~FrmGraph() override;
    FrmGraph(const FrmGraph&) = delete;
    FrmGraph& operator=(const FrmGraph&) = delete;

    // Adopts the prepared record as a further curve: caption, size and place (its
    // cascade position), the full range of all its curves (any magnification dropped),
    // legends, empty status bar; the table's ChartCount grows by one. Called once on a
    // new window and again whenever a curve is added. Failures are thrown with the
    // record still prepared; the caller reports them.
    void Form_Load();

    // Redraws with a chosen range (the axis-range dialog's OK); checkResult 1 (the full
    // range) brings back the ordinary divisions and the cascade position.
    void WriteMagnification(const AxisRange& range, int checkResult);

    // The window's commands; the main window's menus call the File ones.
    void mnuChartExpand_Click();
    void mnuChartClipboard_Click();
    void mnuFilePageSetup_Click();
    void mnuFilePrint_Click();

    // Minimised: status bar, marker and readout state cleared. Normal: back to its
    // fixed size.
    void Form_Resize();

    const ChartWindowModel& Model() const noexcept { return model_; }
    const ChartIdentity& Identity() const noexcept { return model_.Identity(); }
    // The range drawn now, for the print and the dialog.
    const AxisRange& Range() const noexcept { return model_.Range(); }
    const CursorReadout& Readout() const noexcept { return readout_; }
    // The legend of each curve in curve order, as the labels show it.
    const std::vector<LegendEntry>& Legends() const noexcept { return legends_; }
    const std::string& DegreeSign() const noexcept { return degreeSign_; }
    char Separator() const noexcept { return separator_; }

    // The chart picture (its canvas holds the persistent chart image and the marker
    // overlay), for the clipboard copy.
    shared::CanvasWidget& Picture() const noexcept { return *picGraph_; }
    QMenu& PopupMenu() const noexcept { return *mnuChart_; }
    // The place and outer size the window wants, in pixels of this screen.
    QSize WindowSize() const;
    QPoint WindowPosition() const;
    // The left edge the last preparation chose, in twips.
    double LeftTwips() const noexcept { return leftTwips_; }

    QString StatusText(int panel) const;  // sbr1 panel 1 or 2
    QString PartLabel(int row) const;     // lblStatus(row)
    QString ConditionsLabel(int row) const;

signals:
    // The window has unloaded and its records have left the table.
    void closed(darvo::FrmGraph* window);
    // The window wants its frame moved and sized (Form_Load, full-range redraw).
    void placementChanged(darvo::FrmGraph* window);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void picGraph_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, double x, double y);
    void picGraph_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void Form_Unload();
    void BuildControls();
    void PrepareChartWindow(bool keepLeft);
    void ShowLegends();
    void ShowPanels();
    void ResetReadout();
    void OpenPopup(QPoint globalPosition);
    void OpenPopupFromKeyboard();
    shared::Rgb FaceColor() const;
    ChartDrawOptions DrawOptions() const;
    int PixelsX(double twips) const;
    int PixelsY(double twips) const;
    bool IsMinimised() const;
    template <typename Handler>
    auto Guarded(Handler handler);

    ChartTable& table_;
    const ProductLibrary& library_;
    const shared::Services& services_;
    std::string degreeSign_;
    char separator_;
    ChartWindowHost& host_;
    ChartWindowModel model_;
    CursorReadout readout_;
    std::vector<LegendEntry> legends_;
    double leftTwips_ = 50.0;
    bool unloaded_ = false;

    shared::CanvasWidget* picGraph_ = nullptr;
    std::array<QGroupBox*, kLegendRows> fraStatus_{};
    std::array<QLabel*, kLegendRows> lblStatus_{};
    std::array<QLabel*, kLegendRows> lblPara_{};
    QStatusBar* sbr1_ = nullptr;
    std::array<QLabel*, 2> panels_{};
    QMenu* mnuChart_ = nullptr;
    QAction* mnuChartExpand_ = nullptr;
    QAction* mnuChartClipboard_ = nullptr;
};

}  // namespace darvo

#endif
