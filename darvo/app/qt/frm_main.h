#ifndef DARVO_APP_QT_FRM_MAIN_H
#define DARVO_APP_QT_FRM_MAIN_H

#include "darvo/app/data_output.h"
#include "darvo/app/menu_items.h"

#include "shared/desktop/desktop_frame.h"
#include "shared/parts/code_system.h"
#include "shared/platform/file_sink.h"

#include <functional>
#include <string>
#include <vector>

class QMdiSubWindow;

namespace shared {
struct Services;
}  // namespace shared

namespace darvo {

class ProgramMenus;
class Public;
struct ProgramFacts;

// frmMain, the program's main window: a multiple-document frame holding the selection
// window and the chart windows. It carries the menus, the main window's bar while the
// selection window is active and the chart windows' bar while a chart window is, and
// handles every command of both: a chart window's item of the same name runs the main
// window's command, so a data output from a chart window always works on the part and
// conditions chosen in the selection window. The session's state is the Public object's.
//
// Program state and services must outlive the window. One GUI thread.
class FrmMain : public shared::DesktopFrame {
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

    // Enables or disables every command that needs a complete part selection: OutPut
    // Data and Link to Catalog on both bars (the selection window's own buttons follow
    // its state).
    void ChangeEnable(bool enable);

    ProgramMenus& Menus() noexcept { return *menus_; }
    Public& State() noexcept { return state_; }

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
    // What the data outputs read from the selection window now.
    OutputSelection CurrentOutputSelection() const;
    std::string PartNumberText() const;
    void ApplyMenuState();
    void ExitProgram();

    Public& state_;
    const shared::Services& services_;
    ProgramMenus* menus_;
    MenuState menuState_;
    std::function<void()> exitProgram_;
    bool exitRequested_ = false;
    shared::FileSinkOpener openSink_;
    std::function<std::string()> dateTimeText_;
};

}  // namespace darvo

#endif
