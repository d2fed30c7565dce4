#include "darvo/app/qt/frm_main.h"

#include "darvo/app/code_switch.h"
#include "darvo/app/help_and_links.h"
#include "darvo/app/program_identity.h"
#include "darvo/app/public.h"
#include "darvo/app/qt/general_date_text.h"
#include "darvo/app/qt/program_menus.h"
#include "darvo/charts/qt/chart_windows.h"
#include "darvo/charts/qt/frm_graph.h"
#include "darvo/printing/qt/chart_output.h"
#include "darvo/printing/qt/chart_window_output.h"
#include "darvo/printing/qt/data_print.h"
#include "darvo/selection/library_selection.h"
#include "darvo/selection/qt/frm_library.h"
#include "darvo/selection/qt/select_candidate.h"

#include "shared/desktop/window_entry.h"
#include "shared/dialogs/frm_about.h"
#include "shared/parts/part_sort.h"
#include "shared/platform/error_report.h"
#include "shared/platform/hourglass_guard.h"
#include "shared/platform/messages.h"
#include "shared/platform/qt/qt_save_file_sink.h"
#include "shared/platform/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace darvo {

namespace {

// The frame opens large enough for the selection window across its top and the chart
// windows that cascade below it; a smaller screen gets what it has. The selection window
// is 15180 twips wide and the frame keeps it 200 twips narrower than itself, so the
// frame needs its borders on top of 15380.
constexpr double kInitialWidthTwips = 15800.0;
constexpr double kInitialHeightTwips = 10500.0;

// The notation switch tells the user before it closes the chart windows.
constexpr const char* kCloseAllChartWindowsText = "Close all chart windows";

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
    BuildWindows();
    menus_->SetCodeSystem(state_.GetCodeSystem());
    ApplyMenuState();
    SetInitialSizeTwips(kInitialWidthTwips, kInitialHeightTwips);
}

FrmMain::~FrmMain() {
    // The chart windows report to the registry and to this window: they go first, and
    // the selection stops asking for windows that are gone.
    state_.AttachWindows(nullptr);
    if (charts_) {
        disconnect(charts_.get(), nullptr, this, nullptr);
        charts_->CloseAll();
    }
    CloseChildWindows();
}

void FrmMain::BuildWindows() {
    frmLibrary_ = new FrmLibrary(state_.Selection(), services_);
    AddHomeWindow(*frmLibrary_, QStringLiteral("frmLibraryWindow"));
    charts_ = std::make_unique<ChartWindows>(Area(), state_.Charts(), state_.Products(), services_,
                                             state_.DegreeSign(), state_.DecimalSeparator(), *this);
    connect(charts_.get(), &ChartWindows::windowsChanged, this, [this]() {
        ApplyMenuState();
        ShowMenuBarOfCurrentWindow();
    });
    state_.AttachWindows(this);
}

void FrmMain::MDIForm_Load() {
    frmLibrary_->Form_Load(state_.HelpLanguage());
    PlaceHomeWindow();
    ApplyMenuState();
    ShowMenuBarOfCurrentWindow();
}

int FrmMain::MenuBarOf(QMdiSubWindow* window) const {
    const bool chart =
        window != nullptr && window != HomeSubWindow() && qobject_cast<FrmGraph*>(window->widget());
    return static_cast<int>(chart ? MenuBarKind::Chart : MenuBarKind::Main);
}

std::vector<QMdiSubWindow*> FrmMain::ListedWindows() const {
    // The selection window opens first and stays; the chart windows follow in the order
    // they were opened.
    std::vector<QMdiSubWindow*> windows{HomeSubWindow()};
    for (FrmGraph* chart : charts_->Windows()) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(chart->parentWidget())) {
            windows.push_back(frame);
        }
    }
    return windows;
}

FrmGraph* FrmMain::ActiveChartWindow() const {
    const QMdiSubWindow* current = CurrentChildWindow();
    if (current == nullptr || current == HomeSubWindow()) {
        return nullptr;
    }
    return qobject_cast<FrmGraph*>(current->widget());
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
            mnuFilePageSetup_Click();
            break;
        case MenuCommand::PrintChart:
            mnuFilePrint_Click();
            break;
        case MenuCommand::ChartExpand:
            mnuChartExpand_Click();
            break;
        case MenuCommand::ChartClipboard:
            mnuChartClipboard_Click();
            break;
        case MenuCommand::None:
            break;
    }
}

// ---------------------------------------------------------------------------------
// The main window's commands.

void FrmMain::mnuResetSelction_Click() {
    state_.Selection().ResetSelection();
    ShowSelection();
}

void FrmMain::mnuSaveDataToFile_Click() {
    LibrarySelection& selection = state_.Selection();
    SaveEnvironment environment;
    environment.CurrentFolder = QDir::currentPath().toStdString();
    environment.OpenSink = openSink_;
    environment.DateTimeText = dateTimeText_;
    environment.Separator = state_.DecimalSeparator();
    environment.CheckConditions = [&selection] { return selection.CheckConditions(); };
    RunSaveDataCommand(OutputSelectionOf(selection), state_.Products(), state_.Charts(), services_,
                       environment);
    // A refused box has the focus back.
    ShowSelection();
}

void FrmMain::mnuPrintData_Click() {
    LibrarySelection& selection = state_.Selection();
    const OutputSelection output = OutputSelectionOf(selection);
    const std::optional<std::int32_t> part =
        CheckOutputConditions(output, state_.Products(), services_.Messages, state_.DecimalSeparator(),
                              [&selection] { return selection.CheckConditions(); });
    ShowSelection();
    if (!part) {
        return;
    }
    DataPrintRequest request;
    request.Header = ChartRequestHeader(output.Identity, *part, output.Conditions, state_.DecimalSeparator());
    request.PartNumberText = output.PartNumberText;
    request.DegreeSign = state_.DegreeSign();
    request.DecimalSeparator = state_.DecimalSeparator();
    request.DateTimeText = dateTimeText_;
    PrintChartData(this, state_.Charts(), state_.Products(), request, services_);
}

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
    SwitchCodeSystem(index == 1 ? shared::Jis : shared::Eia);
}

void FrmMain::SwitchCodeSystem(shared::CodeSystem codeSystem) {
    const shared::CodeSystem old = state_.GetCodeSystem();
    if (old == codeSystem) {
        return;
    }
    shared::HourglassGuard hourglass(services_.Cursor);
    menus_->SetCodeSystem(codeSystem);
    CodeSwitchOutcome outcome = CodeSwitchOutcome::SortFailed;
    try {
        outcome = darvo::SwitchCodeSystem(state_.Products(), codeSystem, state_.DecimalSeparator());
    } catch (const shared::RuntimeError& failure) {
        // Two parts with one number: the lookups are gone, and no part could be chosen.
        hourglass.Release();
        shared::ErrorReport(services_.Messages, kProgramTitle, failure);
        ExitProgram();
        return;
    }
    if (outcome == CodeSwitchOutcome::SortFailed) {
        hourglass.Release();
        services_.Messages.Show(shared::kSortErrorMessage, shared::MessageIcon::None, kProgramTitle);
        ExitProgram();
        return;
    }
    state_.Selection().RefillAfterCodeChange(old);
    ShowSelection();
    if (charts_->OpenCount() > 0) {
        hourglass.Release();
        services_.Messages.Show(kCloseAllChartWindowsText, shared::MessageIcon::Information, kProgramTitle);
        charts_->CloseAll();
    }
}

void FrmMain::mnuCatalogLink_Click() {
    WebLink(kCatalogLink, PartNumberText(), state_.GetCodeSystem(), services_, state_.Facts());
}

void FrmMain::mnuCloseAllChartWindows_Click() {
    charts_->CloseAll();
    ApplyMenuState();
    ShowMenuBarOfCurrentWindow();
}

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

// ---------------------------------------------------------------------------------
// The chart windows' own commands.

void FrmMain::mnuFilePageSetup_Click() {
    if (FrmGraph* window = ActiveChartWindow()) {
        window->mnuFilePageSetup_Click();
    }
}

void FrmMain::mnuFilePrint_Click() {
    if (FrmGraph* window = ActiveChartWindow()) {
        window->mnuFilePrint_Click();
    }
}

void FrmMain::mnuChartExpand_Click() {
    if (FrmGraph* window = ActiveChartWindow()) {
        window->mnuChartExpand_Click();
    }
}

void FrmMain::mnuChartClipboard_Click() {
    if (FrmGraph* window = ActiveChartWindow()) {
        window->mnuChartClipboard_Click();
    }
}

// ---------------------------------------------------------------------------------
// What the selection window asks.

void FrmMain::ChangeEnable(bool enable) {
    menuState_.PlotEnabled = enable;
    ApplyMenuState();
}

void FrmMain::ChooseCandidate(std::vector<std::int32_t>& candidates) {
    ChooseWithSelectDialog(state_.Products(), candidates, this);
}

void FrmMain::OpenNewChart() {
    charts_->ShowPrepared();
}

void FrmMain::AddCurveToOpenChart(const ChartIdentity&) {
    // The registry finds the window of the prepared record's identity itself.
    charts_->ShowPrepared();
}

// ---------------------------------------------------------------------------------
// What the chart windows ask.

int FrmMain::LoadedWindowCount() const {
    // The main window, the selection window and every chart window, the one being
    // placed included (the registry holds it before it loads).
    return 2 + charts_->OpenCount();
}

void FrmMain::CopyChartToClipboard(FrmGraph& window) {
    darvo::CopyChartToClipboard(window, services_);
}

void FrmMain::PrintSetup(FrmGraph&) {
    PageSetup(services_);
}

void FrmMain::PrintChart(FrmGraph& window) {
    PrintChartWindow(this, window, state_.Charts(), state_.Products(), services_);
}

void FrmMain::ChartWindowActivated(FrmGraph&) {
    ApplyMenuState();
    ShowMenuBarOfCurrentWindow();
}

void FrmMain::ChartWindowClosed(FrmGraph&) {
    ApplyMenuState();
    ShowMenuBarOfCurrentWindow();
}

// ---------------------------------------------------------------------------------

void FrmMain::ApplyMenuState() {
    menus_->Apply(menuState_);
}

void FrmMain::ShowSelection() {
    frmLibrary_->ShowState();
    ApplyMenuState();
}

std::string FrmMain::PartNumberText() const {
    return state_.Selection().State().PartNum.Text;
}

}  // namespace darvo
