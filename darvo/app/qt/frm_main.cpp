#include "darvo/app/qt/frm_main.h"

#include "darvo/app/code_switch.h"
#include "darvo/app/help_and_links.h"
#include "darvo/app/program_identity.h"
#include "darvo/app/public.h"
#include "darvo/app/qt/general_date_text.h"
#include "darvo/app/qt/program_menus.h"

#include "shared/dialogs/frm_about.h"
#include "shared/parts/part_sort.h"
#include "shared/platform/hourglass_guard.h"
#include "shared/platform/messages.h"
#include "shared/platform/qt/qt_save_file_sink.h"
#include "shared/platform/services.h"
#include "shared/text/number_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace darvo {

namespace {

// The frame opens large enough for the selection window across its top and the chart
// windows that cascade below it; a smaller screen gets what it has.
constexpr double kInitialWidthTwips = 15000.0;
constexpr double kInitialHeightTwips = 10500.0;

}  // namespace

FrmMain::FrmMain(Public& state, const shared::Services& services, QWidget* parent)
    : DesktopFrame(services.Messages, kProgramTitle, parent),
      state_(state),
      services_(services),
      menus_(new ProgramMenus(*this)),
      exitProgram_([]() { QCoreApplication::exit(0); }),
      openSink_(shared::OpenQtSaveFile),
      dateTimeText_(SystemGeneralDateText) {
    setObjectName(QStringLiteral("frmMain"));
    // The caption is the program title; the program does not change it at run time.
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    SetMenuBars(*menus_);
    menus_->ShowOn(MenuBarKind::Main, *menuBar());
    for (const MenuBarKind bar : {MenuBarKind::Main, MenuBarKind::Chart}) {
        ListWindowsIn(static_cast<int>(bar), QStringLiteral("mnuWindow"));
        // mnuFile_Click: OutPut Data follows the Plot button as it is when the menu opens.
        if (QMenu* file = menus_->Menu(bar, QStringLiteral("mnuFile"))) {
            connect(file, &QMenu::aboutToShow, this, &FrmMain::ApplyMenuState);
        }
    }
    menus_->SetCodeSystem(state_.GetCodeSystem());
    ApplyMenuState();
    SetInitialSizeTwips(kInitialWidthTwips, kInitialHeightTwips);
}

FrmMain::~FrmMain() {
    CloseChildWindows();
}

void FrmMain::MDIForm_Load() {
    ApplyMenuState();
    ShowMenuBarOfCurrentWindow();
}

int FrmMain::MenuBarOf(QMdiSubWindow* window) const {
    const bool chart = window != nullptr && window != HomeSubWindow();
    return static_cast<int>(chart ? MenuBarKind::Chart : MenuBarKind::Main);
}

std::vector<QMdiSubWindow*> FrmMain::ListedWindows() const {
    return DesktopFrame::ListedWindows();
}

void FrmMain::RunCommand(MenuCommand command) {
    switch (command) {
        case MenuCommand::ResetSelection:
            mnuResetSelction_Click();
            break;
        case MenuCommand::SaveDataToFile:
            mnuSaveDataToFile_Click();
            break;
        case MenuCommand::PrintData:
            mnuPrintData_Click();
            break;
        case MenuCommand::Exit:
            mnuExit_Click();
            break;
        case MenuCommand::ViewCodeEia:
            mnuViewCode_Click(0);
            break;
        case MenuCommand::ViewCodeJis:
            mnuViewCode_Click(1);
            break;
        case MenuCommand::CatalogLink:
            mnuCatalogLink_Click();
            break;
        case MenuCommand::CloseAllChartWindows:
            mnuCloseAllChartWindows_Click();
            break;
        case MenuCommand::HelpContents:
            mnuContents_Click();
            break;
        case MenuCommand::VersionCheck:
            mnuVersionCheck_Click();
            break;
        case MenuCommand::ContactUs:
            mnuContactUs_Click();
            break;
        case MenuCommand::About:
            mnuAbout_Click();
            break;
        case MenuCommand::PageSetup:
        case MenuCommand::PrintChart:
        case MenuCommand::ChartExpand:
        case MenuCommand::ChartClipboard:
        case MenuCommand::None:
            break;
    }
}

void FrmMain::mnuResetSelction_Click() {}

void FrmMain::mnuSaveDataToFile_Click() {
    SaveEnvironment environment;
    environment.CurrentFolder = QDir::currentPath().toStdString();
    environment.OpenSink = openSink_;
    environment.DateTimeText = dateTimeText_;
    environment.Separator = shared::DecimalSeparator();
    RunSaveDataCommand(CurrentOutputSelection(), state_.Products(), state_.Charts(), services_, environment);
}

void FrmMain::mnuPrintData_Click() {}

void FrmMain::mnuExit_Click() {
    ExitProgram();
}

void FrmMain::ExitProgram() {
    exitRequested_ = true;
    if (exitProgram_) {
        exitProgram_();
    }
}

void FrmMain::mnuViewCode_Click(int index) {
    const shared::CodeSystem target = index == 1 ? shared::Jis : shared::Eia;
    if (state_.GetCodeSystem() == target) {
        return;
    }
    shared::HourglassGuard hourglass(services_.Cursor);
    menus_->SetCodeSystem(target);
    const CodeSwitch result = SwitchCodeSystem(state_.Products(), target, PartNumberText());
    if (result.Outcome == CodeSwitchOutcome::SortFailed) {
        hourglass.Release();
        services_.Messages.Show(shared::kSortErrorMessage, shared::MessageIcon::None, kProgramTitle);
        ExitProgram();
        return;
    }
}

void FrmMain::mnuCatalogLink_Click() {
    WebLink(kCatalogLink, PartNumberText(), state_.GetCodeSystem(), services_, state_.Facts());
}

void FrmMain::mnuCloseAllChartWindows_Click() {}

void FrmMain::mnuContents_Click() {
    OpenHelp(services_, state_.Facts());
}

void FrmMain::mnuVersionCheck_Click() {
    WebLink(kVersionCheck, PartNumberText(), state_.GetCodeSystem(), services_, state_.Facts());
}

void FrmMain::mnuContactUs_Click() {
    WebLink(kContactUs, PartNumberText(), state_.GetCodeSystem(), services_, state_.Facts());
}

void FrmMain::mnuAbout_Click() {
    shared::AboutContent content;
    content.caption = QStringLiteral("About ") + QString::fromLatin1(kProgramTitle);
    content.productTitle = QString::fromLatin1(kProductTitle);
    shared::frmAbout about(content, this);
    about.exec();
}

void FrmMain::ChangeEnable(bool enable) {
    menuState_.PlotEnabled = enable;
    ApplyMenuState();
}

void FrmMain::ApplyMenuState() {
    menus_->Apply(menuState_);
}

OutputSelection FrmMain::CurrentOutputSelection() const {
    return {};
}

std::string FrmMain::PartNumberText() const {
    return {};
}

}  // namespace darvo
