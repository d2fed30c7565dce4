#ifndef PELMO_APP_QT_FRM_MAIN_H
#define PELMO_APP_QT_FRM_MAIN_H

#include "pelmo/app/menu_items.h"
#include "pelmo/app/save_commands.h"

#include "shared/desktop/desktop_frame.h"
#include "shared/platform/file_sink.h"

#include <functional>
#include <memory>
#include <vector>

class QMdiSubWindow;

namespace shared {
struct Services;
}  // namespace shared

namespace pelmo {

class ChartRequests;
class ChartSlotTable;
class ChartWindows;
class FrmGraph;
class FrmLibrary;
class LibrarySelection;
class ProgramMenus;
class ProgramSelectionHost;
class Public;
struct ProgramFacts;

// The program's main window: a multiple-document frame holding the selection window and
// the chart windows. It carries the menus: the selection window's bar while that window
// is active, the chart windows' bar while a chart window is. Every command of both bars
// is handled here; a chart window's item runs the selection window's command of the same
// name, so an export or a chart request from a chart window always works on the part
// chosen in the selection window. The session's state is the Public object's.
//
// Program state, services and facts must outlive the window. One GUI thread.
class FrmMain : public shared::DesktopFrame {
    Q_OBJECT

public:
    FrmMain(Public& state, const shared::Services& services, const ProgramFacts& facts,
            QWidget* parent = nullptr);
    ~FrmMain() override;
    FrmMain(const FrmMain&) = delete;
    FrmMain& operator=(const FrmMain&) = delete;

    // Window load: shows the selection window (which loads its lists) in the frame.
    void MDIForm_Load();

    // The commands, as the menus run them (public so tests and tools can run them as
    // the user would; the menus run them guarded).
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
    LibrarySelection& Selection() noexcept;
    ChartWindows& Charts() noexcept { return *charts_; }
    ProgramMenus& Menus() noexcept { return *menus_; }
    const ChartSlotTable& Slots() const noexcept;
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
    int MenuBarOf(QMdiSubWindow* window) const override;
    std::vector<QMdiSubWindow*> ListedWindows() const override;
    void RunCommand(int command) override { RunCommand(static_cast<MenuCommand>(command)); }

private:
    void BuildWindows();
    // The three save commands, then the selection window shows what the checks changed.
    void SaveData(SaveFormat format);
    // After a command that may have changed the selection: the controls and the menus.
    void ShowSelection();
    void ExitProgram();

    Public& state_;
    const shared::Services& services_;
    const ProgramFacts& facts_;
    ProgramMenus* menus_;
    FrmLibrary* frmLibrary_ = nullptr;
    std::unique_ptr<ChartWindows> charts_;
    std::unique_ptr<ChartRequests> requests_;
    std::unique_ptr<ProgramSelectionHost> host_;
    std::function<void()> exitProgram_;
    bool exitRequested_ = false;
    shared::FileSinkOpener openSink_;
};

}  // namespace pelmo

#endif
