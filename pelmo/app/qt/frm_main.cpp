#include "pelmo/app/qt/frm_main.h"

#include "pelmo/app/help_and_links.h"
#include "pelmo/app/public.h"
#include "pelmo/app/qt/program_menus.h"
#include "pelmo/app/qt/program_selection_host.h"
#include "pelmo/app/save_commands.h"
#include "pelmo/charts/qt/chart_windows.h"
#include "pelmo/charts/qt/frm_graph.h"
#include "pelmo/library/program_facts.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/selection/chart_requests.h"
#include "pelmo/selection/qt/frm_library.h"
#include "pelmo/size/qt/frm_size.h"

#include "shared/desktop/window_entry.h"
#include "shared/dialogs/frm_about.h"
#include "shared/platform/qt/qt_save_file_sink.h"
#include "shared/platform/services.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include <optional>

namespace pelmo {

namespace {

// The frame opens large enough for the selection window across its top and the chart
// windows that open below it, side by side where they alternate; a smaller screen
// gets what it has.
constexpr double kInitialWidthTwips = 15000.0;
constexpr double kInitialHeightTwips = 10500.0;

}  // namespace

FrmMain::FrmMain(Public& state, const shared::Services& services, const ProgramFacts& facts, QWidget* parent)
    : DesktopFrame(services.Messages, kProgramTitle, parent),
      state_(state),
      services_(services),
      facts_(facts),
      menus_(new ProgramMenus(*this)),
      exitProgram_([]() { QCoreApplication::exit(0); }),
      openSink_(shared::OpenQtSaveFile) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    SetMenuBars(*menus_);
    BuildWindows();
    menus_->ShowOn(MenuBarKind::Selection, *menuBar());
    for (const MenuBarKind bar : {MenuBarKind::Selection, MenuBarKind::Chart}) {
        ListWindowsIn(static_cast<int>(bar), QStringLiteral("mnuWindow"));
    }
    SetInitialSizeTwips(kInitialWidthTwips, kInitialHeightTwips);
}

FrmMain::~FrmMain() {
    // The chart windows report to the registry and the requests of this window: they go
    // first, and the selection stops asking for windows that are gone.
    state_.AttachWindows(nullptr);
    if (charts_) {
        disconnect(charts_.get(), nullptr, this, nullptr);
        charts_->CloseAll();
    }
    CloseChildWindows();
}

void FrmMain::BuildWindows() {
    LibrarySelection& selection = state_.Selection();
    frmLibrary_ = new FrmLibrary(selection, services_, facts_);
    AddHomeWindow(*frmLibrary_, QStringLiteral("frmLibraryWindow"));
    charts_ = std::make_unique<ChartWindows>(Area(), selection, state_.Parts(), state_.Slots(),
                                             state_.Points(), services_, facts_, this);
    requests_ = std::make_unique<ChartRequests>(selection, state_.Parts(), state_.Slots(), state_.Points(),
                                                *charts_, services_.Messages, &services_.Cursor);
    host_ = std::make_unique<ProgramSelectionHost>(state_.Parts(), selection, *charts_, this);
    state_.AttachWindows(host_.get());

    connect(frmLibrary_, &FrmLibrary::selectionChanged, this, &FrmMain::UpdateMenuState);
    connect(frmLibrary_, &FrmLibrary::catalogLinkRequested, this,
            shared::GuardedEntry(services_.Messages, kProgramTitle, [this] { cmdCatalogLink_Click(); }));
    connect(frmLibrary_, &FrmLibrary::mustEnd, this, &FrmMain::ExitProgram);
    connect(charts_.get(), &ChartWindows::windowsChanged, this, [this]() {
        UpdateMenuState();
        ShowMenuBarOfCurrentWindow();
    });
}

void FrmMain::MDIForm_Load() {
    frmLibrary_->Form_Load();
    PlaceHomeWindow();
    UpdateMenuState();
    ShowMenuBarOfCurrentWindow();
}

LibrarySelection& FrmMain::Selection() noexcept {
    return state_.Selection();
}

const ChartSlotTable& FrmMain::Slots() const noexcept {
    return state_.Slots();
}

int FrmMain::MenuBarOf(QMdiSubWindow* window) const {
    const bool chart =
        window != nullptr && window != HomeSubWindow() && qobject_cast<FrmGraph*>(window->widget());
    return static_cast<int>(chart ? MenuBarKind::Chart : MenuBarKind::Selection);
}

std::vector<QMdiSubWindow*> FrmMain::ListedWindows() const {
    // The selection window opens first and stays; the chart windows follow as their
    // registry has them.
    std::vector<QMdiSubWindow*> windows = charts_->Frames();
    windows.insert(windows.begin(), HomeSubWindow());
    return windows;
}

FrmGraph* FrmMain::ActiveChartWindow() const {
    const QMdiSubWindow* current = CurrentChildWindow();
    if (current == nullptr || current == HomeSubWindow()) {
        return nullptr;
    }
    return qobject_cast<FrmGraph*>(current->widget());
}

void FrmMain::UpdateMenuState() {
    LibrarySelection& selection = state_.Selection();
    selection.UpdateMenuState();
    const SelectionMenuState& state = selection.State().Menus;
    menus_->Apply(state);
    menus_->SetCodeSystem(selection.State().CodeSystem);
    if (auto* button = frmLibrary_->findChild<QAbstractButton*>(QStringLiteral("cmdCatalogLink"))) {
        button->setEnabled(state.CatalogLink);
    }
}

void FrmMain::ShowSelection() {
    frmLibrary_->ShowState();
    UpdateMenuState();
}

void FrmMain::RunCommand(MenuCommand command) {
    if (ChartRequestOf(command)) {
        RequestChart(command);
        return;
    }
    switch (command) {
        case MenuCommand::FileReset:
            mnuFileReset_Click();
            break;
        case MenuCommand::FilePageSetup:
            mnuFilePageSetup_Click();
            break;
        case MenuCommand::FilePrint:
            mnuFilePrint_Click();
            break;
        case MenuCommand::FileSavedataSpara:
            mnuFileSavedataSpara_Click();
            break;
        case MenuCommand::FileSavedataImp:
            mnuFileSavedataImp_Click();
            break;
        case MenuCommand::FileSavedataSpice:
            mnuFileSavedataSpice_Click();
            break;
        case MenuCommand::FileExit:
            mnuFileExit_Click();
            break;
        case MenuCommand::ViewCodeEia:
            mnuViewCode_Click(0);
            break;
        case MenuCommand::ViewCodeJis:
            mnuViewCode_Click(1);
            break;
        case MenuCommand::ViewSize:
            mnuViewSize_Click();
            break;
        case MenuCommand::CatalogLink:
            mnuCatalogLink_Click();
            break;
        case MenuCommand::WindowClose:
            mnuWindowClose_Click();
            break;
        case MenuCommand::HelpContents:
            mnuHelpContents_Click();
            break;
        case MenuCommand::VersionCheck:
            mnuVersionCheck_Click();
            break;
        case MenuCommand::ContactUs:
            mnuContactUs_Click();
            break;
        case MenuCommand::HelpAbout:
            mnuHelpAbout_Click();
            break;
        default:
            break;
    }
}

// ---------------------------------------------------------------------------------
// The selection window's commands.

void FrmMain::mnuFileReset_Click() {
    state_.Selection().mnuFileReset_Click();
    ShowSelection();
}

void FrmMain::mnuFileSavedataSpara_Click() {
    SaveData(SaveFormat::Touchstone);
}

void FrmMain::mnuFileSavedataImp_Click() {
    SaveData(SaveFormat::Impedance);
}

void FrmMain::mnuFileSavedataSpice_Click() {
    SaveData(SaveFormat::Spice);
}

void FrmMain::SaveData(SaveFormat format) {
    RunSaveCommand(format, state_.Selection(), state_.Parts(), services_,
                   SaveEnvironment{QDir::currentPath().toStdString(), openSink_});
    ShowSelection();
}

void FrmMain::mnuFileExit_Click() {
    ExitProgram();
}

void FrmMain::ExitProgram() {
    exitRequested_ = true;
    if (exitProgram_) {
        exitProgram_();
    }
}

void FrmMain::mnuViewCode_Click(int index) {
    state_.Selection().mnuViewCode_Click(index);
    ShowSelection();
}

void FrmMain::mnuViewSize_Click() {
    const std::optional<std::int32_t> index = state_.Selection().PartForCommand();
    ShowSelection();
    if (!index) {
        return;
    }
    FrmSize::ShowModal(state_.Parts(), state_.Selection().State().Product, *index,
                       state_.Selection().State().CodeSystem, services_.Messages, this);
}

void FrmMain::mnuCatalogLink_Click() {
    WebLink(kCatalogLink, state_.Selection().State(), services_, facts_);
}

void FrmMain::cmdCatalogLink_Click() {
    WebLink(kCatalogLink, state_.Selection().State(), services_, facts_);
}

void FrmMain::mnuWindowClose_Click() {
    charts_->CloseAll();
    UpdateMenuState();
    ShowMenuBarOfCurrentWindow();
}

void FrmMain::mnuHelpContents_Click() {
    OpenHelp(services_, facts_);
}

void FrmMain::mnuVersionCheck_Click() {
    WebLink(kVersionCheck, state_.Selection().State(), services_, facts_);
}

void FrmMain::mnuContactUs_Click() {
    WebLink(kContactUs, state_.Selection().State(), services_, facts_);
}

void FrmMain::mnuHelpAbout_Click() {
    shared::AboutContent content;
    content.caption = QStringLiteral("About ") + QString::fromLatin1(kProgramTitle);
    content.productTitle = QString::fromLatin1(kProductTitle);
    shared::frmAbout about(content, this);
    about.exec();
}

void FrmMain::RequestChart(MenuCommand command) {
    const std::optional<ChartMenuRequest> request = ChartRequestOf(command);
    if (!request) {
        return;
    }
    requests_->Request(request->Kind, request->SParameter);
    ShowSelection();
    ShowMenuBarOfCurrentWindow();
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

}  // namespace pelmo
