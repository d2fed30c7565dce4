#ifndef PELMO_APP_QT_FRM_MAIN_H
#define PELMO_APP_QT_FRM_MAIN_H

#include "pelmo/app/menu_items.h"
#include "pelmo/app/qt/program_selection_host.h"
#include "pelmo/app/save_commands.h"
#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/engine/chart_sweep.h"
#include "pelmo/selection/library_selection.h"

#include "shared/platform/file_sink.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QMdiArea;
class QMenu;
class QMdiSubWindow;

namespace pelmo {

class ChartRequests;
class ChartWindows;
class FrmGraph;
class FrmLibrary;
class ProgramMenus;
struct ProgramServices;

// The program's main window: a multiple-document frame holding the selection window and
// the chart windows. It owns the program-wide state of a session (the selection, the
// chart slots and the sweep table) and carries the menus: the selection window's bar
// while that window is active, the chart windows' bar while a chart window is. Every
// command of both bars is handled here; a chart window's item runs the selection
// window's command of the same name, so an export or a chart request from a chart window
// always works on the part chosen in the selection window.
//
// Library and services must outlive the window. One GUI thread.
class FrmMain : public QMainWindow {
    Q_OBJECT

public:
    FrmMain(Library& library, const ProgramServices& services, QWidget* parent = nullptr);
    ~FrmMain() override;
    FrmMain(const FrmMain&) = delete;
    FrmMain& operator=(const FrmMain&) = delete;

    // Window load: shows the selection window (which loads its lists) in the frame.
    void MDIForm_Load();

    // The commands, as the menus run them (public so tests and tools can run them as
    // the user would).
    void RunCommand(MenuCommand command);
    void mnuFileReset_Click();
    void mnuFileSavedataSpara_Click();
    void mnuFileSavedataImp_Click();
    void mnuFileSavedataSpice_Click();
    void mnuFileExit_Click();
    void mnuViewCode_Click(int index);
    void mnuViewSize_Click();
    void mnuCatalogLink_Click();
    void cmdCatalogLink_Click();
    void mnuWindowClose_Click();
    void mnuHelpContents_Click();
    void mnuVersionCheck_Click();
    void mnuContactUs_Click();
    void mnuHelpAbout_Click();
    // A Chart menu item: the request, then the selection window shows what it changed.
    void RequestChart(MenuCommand command);
    // The output commands of the active chart window.
    void mnuFilePageSetup_Click();
    void mnuFilePrint_Click();

    // Recomputes the menu states from the selection and applies them to both menu bars
    // and to the selection window's Link to Catalog button.
    void UpdateMenuState();

    FrmLibrary& SelectionWindow() noexcept { return *frmLibrary_; }
    LibrarySelection& Selection() noexcept { return selection_; }
    ChartWindows& Charts() noexcept { return *charts_; }
    ProgramMenus& Menus() noexcept { return *menus_; }
    QMdiArea& Area() noexcept { return *area_; }
    const ChartSlotTable& Slots() const noexcept { return slots_; }
    // The chart window whose menu bar is shown, or null while the selection window is
    // the active one.
    FrmGraph* ActiveChartWindow() const;

    // What ends the program (Exit, or a library fault no session can survive); the
    // application's event loop by default.
    void SetExitHandler(std::function<void()> exitProgram) { exitProgram_ = std::move(exitProgram); }
    // Whether the program was asked to end. An end asked for before the event loop runs
    // (a library fault met while the selection window loads) cannot stop a loop that has
    // not started, so Main checks this before starting it.
    bool ExitRequested() const noexcept { return exitRequested_; }
    // How exports make their files; the toolkit's atomic save file by default.
    void SetFileSinkOpener(shared::FileSinkOpener openSink) { openSink_ = std::move(openSink); }

protected:
    // MDIForm_Resize: the selection window spans the frame, 200 twips narrower.
    void resizeEvent(QResizeEvent* event) override;
    // The selection window lives as long as the program: its frame cannot close it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWindows();
    // The three save commands, then the selection window shows what the checks changed.
    void SaveData(SaveFormat format);
    void SubWindowActivated(QMdiSubWindow* window);
    void ShowMenuBarOfCurrentWindow();
    // After the Window menu's own items, the open windows in opening order, the active
    // one checked, as a multiple-document program lists them: a chart hidden behind
    // others is one click away.
    void ListWindows(QMenu& menu);
    // After a command that may have changed the selection: the controls and the menus.
    void ShowSelection();
    void FitSelectionWindow();
    void ExitProgram();

    Library& library_;
    const ProgramServices& services_;
    ProgramSelectionHost host_;
    LibrarySelection selection_;
    ChartSlotTable slots_;
    ChartPointTable points_{};
    QMdiArea* area_;
    ProgramMenus* menus_;
    FrmLibrary* frmLibrary_ = nullptr;
    QMdiSubWindow* librarySubWindow_ = nullptr;
    std::unique_ptr<ChartWindows> charts_;
    std::unique_ptr<ChartRequests> requests_;
    std::function<void()> exitProgram_;
    bool exitRequested_ = false;
    shared::FileSinkOpener openSink_;
};

}  // namespace pelmo

#endif
