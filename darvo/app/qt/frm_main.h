#ifndef DARVO_APP_QT_FRM_MAIN_H
#define DARVO_APP_QT_FRM_MAIN_H

#include "darvo/app/data_output.h"
#include "darvo/app/menu_items.h"
#include "darvo/charts/qt/chart_window_host.h"
#include "darvo/selection/selection_host.h"

#include "shared/desktop/desktop_frame.h"
#include "shared/parts/code_system.h"
#include "shared/platform/file_sink.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QMdiSubWindow;

namespace shared {
struct Services;
}  // namespace shared

namespace darvo {

class ChartWindows;
class FrmGraph;
class FrmLibrary;
class ProgramMenus;
class Public;

// frmMain, the program's main window: a multiple-document frame holding the selection
// window and the chart windows. It carries the menus, the main window's bar while the
// selection window is active and the chart windows' bar while a chart window is, and
// handles every command of both: a chart window's item of the same name runs the main
// window's command, so a data output from a chart window always works on the part and
// conditions chosen in the selection window. The session's state is the Public object's.
//
// It is also what the selection window and the chart windows ask of the program around
// them: the notation switch, ChangeEnable, the Select dialog and the hand-over of a plot
// (SelectionHost), and the chart windows' output commands and cascade count
// (ChartWindowHost).
//
// Program state and services must outlive the window. One GUI thread.
class FrmMain : public shared::DesktopFrame, public SelectionHost, public ChartWindowHost {
    Q_OBJECT

public:
    FrmMain(Public& state, const shared::Services& services, QWidget* parent = nullptr);
    ~FrmMain() override;
    FrmMain(const FrmMain&) = delete;
    FrmMain& operator=(const FrmMain&) = delete;

    // Window load: shows the selection window (which loads its lists) in the frame.
    void MDIForm_Load();

    // The commands, as the menus run them (public so tests and tools can run them as the
    // user would; the menus run them guarded).
    void RunCommand(MenuCommand command);
    void mnuResetSelction_Click();
    void mnuSaveDataToFile_Click();
    void mnuPrintData_Click();
    void mnuExit_Click();
    void mnuViewCode_Click(int index);
    void mnuCatalogLink_Click();
    void mnuCloseAllChartWindows_Click();
    void mnuContents_Click();
    void mnuVersionCheck_Click();
    void mnuContactUs_Click();
    void mnuAbout_Click();

    // The chart windows' own commands, on the active chart window.
    void mnuFilePageSetup_Click();
    void mnuFilePrint_Click();
    void mnuChartExpand_Click();
    void mnuChartClipboard_Click();

    // SelectionHost. ChangeEnable enables or disables every command that needs a
    // complete part selection: OutPut Data and Link to Catalog on both bars (the
    // selection window's own buttons follow its state). SwitchCodeSystem is
    // mnuViewCode_Click.
    void ChangeEnable(bool enable) override;
    void SwitchCodeSystem(shared::CodeSystem codeSystem) override;
    void OpenCatalogLink() override { mnuCatalogLink_Click(); }
    void ChooseCandidate(std::vector<std::int32_t>& candidates) override;
    void OpenNewChart() override;
    void AddCurveToOpenChart(const ChartIdentity& identity) override;

    // ChartWindowHost.
    QWidget* MainWindow() override { return this; }
    int LoadedWindowCount() const override;
    void CopyChartToClipboard(FrmGraph& window) override;
    void PrintSetup(FrmGraph& window) override;
    void PrintChart(FrmGraph& window) override;
    void ChartWindowActivated(FrmGraph& window) override;
    void ChartWindowClosed(FrmGraph& window) override;

    ProgramMenus& Menus() noexcept { return *menus_; }
    Public& State() noexcept { return state_; }
    FrmLibrary& SelectionWindow() noexcept { return *frmLibrary_; }
    ChartWindows& Charts() noexcept { return *charts_; }
    // The chart window whose menu bar is shown, or null while the selection window is
    // the active one.
    FrmGraph* ActiveChartWindow() const;

    // What ends the program (Exit, a sort failure); the application's event loop by
    // default.
    void SetExitHandler(std::function<void()> exitProgram) { exitProgram_ = std::move(exitProgram); }
    // Whether the program was asked to end. An end asked for before the event loop runs
    // cannot stop a loop that has not started, so Main checks this before starting it.
    bool ExitRequested() const noexcept { return exitRequested_; }
    // How the save command makes its files; the toolkit's atomic save file by default.
    void SetFileSinkOpener(shared::FileSinkOpener openSink) { openSink_ = std::move(openSink); }
    // What the data outputs stamp their page with; the system locale's form of now by
    // default.
    void SetDateTimeText(std::function<std::string()> dateTimeText) {
        dateTimeText_ = std::move(dateTimeText);
    }

protected:
    int MenuBarOf(QMdiSubWindow* window) const override;
    std::vector<QMdiSubWindow*> ListedWindows() const override;
    void RunCommand(int command) override { RunCommand(static_cast<MenuCommand>(command)); }

private:
    void BuildWindows();
    std::string PartNumberText() const;
    void ApplyMenuState();
    // After a command that changed the selection model: its controls and the menus.
    void ShowSelection();
    void ExitProgram();

    Public& state_;
    const shared::Services& services_;
    ProgramMenus* menus_;
    FrmLibrary* frmLibrary_ = nullptr;
    std::unique_ptr<ChartWindows> charts_;
    MenuState menuState_;
    std::function<void()> exitProgram_;
    bool exitRequested_ = false;
    shared::FileSinkOpener openSink_;
    std::function<std::string()> dateTimeText_;
};

}  // namespace darvo

#endif
