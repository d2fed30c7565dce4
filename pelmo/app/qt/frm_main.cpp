#include "pelmo/app/qt/frm_main.h"

#include "pelmo/app/help_and_links.h"
#include "pelmo/app/program_services.h"
#include "pelmo/app/qt/program_menus.h"
#include "pelmo/app/save_commands.h"
#include "pelmo/charts/qt/chart_windows.h"
#include "pelmo/charts/qt/frm_graph.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/selection/chart_requests.h"
#include "pelmo/selection/qt/frm_library.h"
#include "pelmo/size/qt/frm_size.h"

#include "shared/dialogs/frm_about.h"
#include "shared/dialogs/twips.h"
#include "shared/platform/qt/qt_save_file_sink.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>
#include <optional>

namespace pelmo {

namespace {

// Marks the items ListWindows adds, so the next opening replaces them.
constexpr const char* kWindowListItem = "pelmoWindowListItem";

// The frame opens large enough for the selection window across its top and the chart
// windows that open below it, side by side where they alternate; a smaller screen
// gets what it has.
constexpr double kInitialWidthTwips = 15000.0;
constexpr double kInitialHeightTwips = 10500.0;
// MDIForm_Resize leaves this much of the frame's width beside the selection window.
constexpr double kSelectionWindowMarginTwips = 200.0;

}  // namespace

FrmMain::FrmMain(Library& library, const ProgramServices& services, QWidget* parent)
    : QMainWindow(parent),
      library_(library),
      services_(services),
      host_(library, this),
      selection_(library, services.Messages, services.Cursor, host_),
      area_(new QMdiArea(this)),
      menus_(new ProgramMenus(*this)),
      exitProgram_([]() { QCoreApplication::exit(0); }),
      openSink_(shared::OpenQtSaveFile) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    area_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(area_);
    host_.SetSelection(&selection_);
    BuildWindows();
    menus_->ShowOn(MenuBarKind::Selection, *menuBar());
    connect(menus_, &ProgramMenus::commandTriggered, this, &FrmMain::RunCommand);
    connect(area_, &QMdiArea::subWindowActivated, this, &FrmMain::SubWindowActivated);
    for (const MenuBarKind bar : {MenuBarKind::Selection, MenuBarKind::Chart}) {
        if (QMenu* menu = menus_->Menu(bar, QStringLiteral("mnuWindow"))) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu]() { ListWindows(*menu); });
        }
    }
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    QSize size(shared::TwipsToPixels(kInitialWidthTwips, dpiX), shared::TwipsToPixels(kInitialHeightTwips, dpiY));
    if (const QScreen* screen = this->screen()) {
        size = size.boundedTo(screen->availableSize());
    }
    resize(size);
}

FrmMain::~FrmMain() {
    // The windows inside the frame go first, while the selection, the slots and the
    // chart registry they report to still exist.
    disconnect(area_, nullptr, this, nullptr);
    if (charts_) {
        disconnect(charts_.get(), nullptr, this, nullptr);
        charts_->CloseAll();
    }
    delete area_;
    area_ = nullptr;
}

void FrmMain::BuildWindows() {
    frmLibrary_ = new FrmLibrary(selection_, services_);
    librarySubWindow_ = area_->addSubWindow(frmLibrary_, Qt::SubWindow | Qt::CustomizeWindowHint |
                                                             Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
    librarySubWindow_->setObjectName(QStringLiteral("frmLibraryWindow"));
    librarySubWindow_->installEventFilter(this);
    charts_ = std::make_unique<ChartWindows>(*area_, selection_, library_, slots_, points_, services_, this);
    requests_ = std::make_unique<ChartRequests>(selection_, library_, slots_, points_, *charts_, services_.Messages,
                                                &services_.Cursor);
    host_.SetChartWindows([this]() { return charts_->OpenCount(); }, [this]() { charts_->CloseAll(); });

    connect(frmLibrary_, &FrmLibrary::selectionChanged, this, &FrmMain::UpdateMenuState);
    connect(frmLibrary_, &FrmLibrary::catalogLinkRequested, this, &FrmMain::cmdCatalogLink_Click);
    connect(frmLibrary_, &FrmLibrary::mustEnd, this, &FrmMain::ExitProgram);
    connect(charts_.get(), &ChartWindows::windowsChanged, this, [this]() {
        UpdateMenuState();
        ShowMenuBarOfCurrentWindow();
    });
}

void FrmMain::MDIForm_Load() {
    frmLibrary_->Form_Load();
    // The window sizes itself in its load; its frame in the area adds a title bar and
    // borders around that size (the frame's contents margins).
    const QSize loaded = frmLibrary_->size();
    const QMargins frame = librarySubWindow_->contentsMargins();
    librarySubWindow_->move(0, 0);
    librarySubWindow_->resize(loaded.grownBy(frame));
    librarySubWindow_->show();
    FitSelectionWindow();
    area_->setActiveSubWindow(librarySubWindow_);
    UpdateMenuState();
    ShowMenuBarOfCurrentWindow();
}

void FrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FitSelectionWindow();
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == librarySubWindow_ && event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmMain::FitSelectionWindow() {
    if (librarySubWindow_ == nullptr || isMinimized() || librarySubWindow_->isMinimized()) {
        return;
    }
    const int width = this->width() - shared::TwipsToPixels(kSelectionWindowMarginTwips, logicalDpiX());
    librarySubWindow_->resize(std::max(width, librarySubWindow_->minimumWidth()), librarySubWindow_->height());
}

// ---------------------------------------------------------------------------------
// Menus.

void FrmMain::SubWindowActivated(QMdiSubWindow* window) {
    // The frame losing the focus to a dialog activates no window: keep the bar shown.
    if (window != nullptr) {
        ShowMenuBarOfCurrentWindow();
    }
}

void FrmMain::ShowMenuBarOfCurrentWindow() {
    const MenuBarKind bar = ActiveChartWindow() != nullptr ? MenuBarKind::Chart : MenuBarKind::Selection;
    if (bar != menus_->Shown()) {
        menus_->ShowOn(bar, *menuBar());
    }
}

void FrmMain::ListWindows(QMenu& menu) {
    for (QAction* action : menu.actions()) {
        if (action->property(kWindowListItem).toBool()) {
            menu.removeAction(action);
            delete action;
        }
    }
    // The selection window opens first and stays; the chart windows follow as their
    // registry has them.
    std::vector<QMdiSubWindow*> windows = charts_->Frames();
    windows.insert(windows.begin(), librarySubWindow_);
    menu.addSeparator()->setProperty(kWindowListItem, true);
    int number = 0;
    for (QMdiSubWindow* window : windows) {
        ++number;
        QString caption = window->widget() != nullptr ? window->widget()->windowTitle() : window->windowTitle();
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = menu.addAction(number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(caption) : caption);
        item->setProperty(kWindowListItem, true);
        item->setCheckable(true);
        item->setChecked(window == area_->currentSubWindow());
        const QPointer<QMdiSubWindow> target(window);
        connect(item, &QAction::triggered, this, [this, target]() {
            if (target) {
                area_->setActiveSubWindow(target);
            }
        });
    }
}

FrmGraph* FrmMain::ActiveChartWindow() const {
    const QMdiSubWindow* current = area_ != nullptr ? area_->currentSubWindow() : nullptr;
    if (current == nullptr || current == librarySubWindow_) {
        return nullptr;
    }
    return qobject_cast<FrmGraph*>(current->widget());
}

void FrmMain::UpdateMenuState() {
    selection_.UpdateMenuState();
    const SelectionMenuState& state = selection_.State().Menus;
    menus_->Apply(state);
    menus_->SetCodeSystem(selection_.State().CodeSystem);
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
    case MenuCommand::FileReset: mnuFileReset_Click(); break;
    case MenuCommand::FilePageSetup: mnuFilePageSetup_Click(); break;
    case MenuCommand::FilePrint: mnuFilePrint_Click(); break;
    case MenuCommand::FileSavedataSpara: mnuFileSavedataSpara_Click(); break;
    case MenuCommand::FileSavedataImp: mnuFileSavedataImp_Click(); break;
    case MenuCommand::FileSavedataSpice: mnuFileSavedataSpice_Click(); break;
    case MenuCommand::FileExit: mnuFileExit_Click(); break;
    case MenuCommand::ViewCodeEia: mnuViewCode_Click(0); break;
    case MenuCommand::ViewCodeJis: mnuViewCode_Click(1); break;
    case MenuCommand::ViewSize: mnuViewSize_Click(); break;
    case MenuCommand::CatalogLink: mnuCatalogLink_Click(); break;
    case MenuCommand::WindowClose: mnuWindowClose_Click(); break;
    case MenuCommand::HelpContents: mnuHelpContents_Click(); break;
    case MenuCommand::VersionCheck: mnuVersionCheck_Click(); break;
    case MenuCommand::ContactUs: mnuContactUs_Click(); break;
    case MenuCommand::HelpAbout: mnuHelpAbout_Click(); break;
    default: break;
    }
}

// ---------------------------------------------------------------------------------
// The selection window's commands.

void FrmMain::mnuFileReset_Click() {
    selection_.mnuFileReset_Click();
    ShowSelection();
}

void FrmMain::mnuFileSavedataSpara_Click() { SaveData(SaveFormat::Touchstone); }

void FrmMain::mnuFileSavedataImp_Click() { SaveData(SaveFormat::Impedance); }

void FrmMain::mnuFileSavedataSpice_Click() { SaveData(SaveFormat::Spice); }

void FrmMain::SaveData(SaveFormat format) {
    RunSaveCommand(format, selection_, library_, services_,
                   SaveEnvironment{QDir::currentPath().toStdString(), openSink_});
    ShowSelection();
}

void FrmMain::mnuFileExit_Click() { ExitProgram(); }

void FrmMain::ExitProgram() {
    exitRequested_ = true;
    if (exitProgram_) {
        exitProgram_();
    }
}

void FrmMain::mnuViewCode_Click(int index) {
    selection_.mnuViewCode_Click(index);
    ShowSelection();
}

void FrmMain::mnuViewSize_Click() {
    const std::optional<std::int32_t> index = selection_.PartForCommand();
    ShowSelection();
    if (!index) {
        return;
    }
    FrmSize::ShowModal(library_, selection_.State().Product, *index, selection_.State().CodeSystem,
                       services_.Messages, this);
}

void FrmMain::mnuCatalogLink_Click() { WebLink(kCatalogLink, selection_.State(), services_); }

void FrmMain::cmdCatalogLink_Click() { WebLink(kCatalogLink, selection_.State(), services_); }

void FrmMain::mnuWindowClose_Click() {
    charts_->CloseAll();
    UpdateMenuState();
    ShowMenuBarOfCurrentWindow();
}

void FrmMain::mnuHelpContents_Click() { OpenHelp(services_); }

void FrmMain::mnuVersionCheck_Click() { WebLink(kVersionCheck, selection_.State(), services_); }

void FrmMain::mnuContactUs_Click() { WebLink(kContactUs, selection_.State(), services_); }

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
