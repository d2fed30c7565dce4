#include "shared/desktop/desktop_frame.h"

#include "shared/desktop/menu_bars.h"
#include "shared/desktop/window_entry.h"
#include "shared/dialogs/twips.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace shared {

namespace {

// Marks the items ListWindows adds, so the next opening replaces them.
constexpr const char* kWindowListItem = "windowListItem";

// MDIForm_Resize leaves this much of the frame's width beside the home window.
constexpr double kHomeWindowMarginTwips = 200.0;

}  // namespace

DesktopFrame::DesktopFrame(Messages& messages, std::string programTitle, QWidget* parent)
    : QMainWindow(parent),
      messages_(messages),
      programTitle_(std::move(programTitle)),
      area_(new QMdiArea(this)) {
    area_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(area_);
    connect(area_, &QMdiArea::subWindowActivated, this, &DesktopFrame::SubWindowActivated);
}

DesktopFrame::~DesktopFrame() {
    // QWidget's destructor closes the sub-windows after this frame's own parts (and the
    // program's main window around it) are gone, and the area then reports another
    // window activated: no slot of this frame may run on what is left of it.
    disconnect(area_, nullptr, this, nullptr);
}

void DesktopFrame::SetMenuBars(MenuBars& bars) {
    bars_ = &bars;
    connect(bars_, &MenuBars::commandTriggered, this, &DesktopFrame::RunMenuCommand);
}

void DesktopFrame::RunMenuCommand(int command) {
    RunWindowEntry(messages_, programTitle_, [this, command] { RunCommand(command); });
}

QMdiSubWindow* DesktopFrame::AddHomeWindow(QWidget& window, const QString& objectName) {
    home_ = area_->addSubWindow(&window, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                             Qt::WindowMinimizeButtonHint);
    home_->setObjectName(objectName);
    home_->installEventFilter(this);
    return home_;
}

void DesktopFrame::PlaceHomeWindow() {
    // The window sizes itself in its load; its frame in the area adds a title bar and
    // borders around that size (the frame's contents margins).
    const QSize loaded = home_->widget()->size();
    const QMargins frame = home_->contentsMargins();
    home_->move(0, 0);
    home_->resize(loaded.grownBy(frame));
    home_->show();
    FitHomeWindow();
    area_->setActiveSubWindow(home_);
}

void DesktopFrame::ListWindowsIn(int bar, const QString& menuName) {
    if (QMenu* menu = bars_ != nullptr ? bars_->Menu(bar, menuName) : nullptr) {
        connect(menu, &QMenu::aboutToShow, this, [this, menu]() { ListWindows(*menu); });
    }
}

void DesktopFrame::SetInitialSizeTwips(double width, double height) {
    QSize size(TwipsToPixels(width, logicalDpiX()), TwipsToPixels(height, logicalDpiY()));
    if (const QScreen* screen = this->screen()) {
        size = size.boundedTo(screen->availableSize());
    }
    resize(size);
}

QMdiSubWindow* DesktopFrame::CurrentChildWindow() const {
    return area_ != nullptr ? area_->currentSubWindow() : nullptr;
}

void DesktopFrame::ShowMenuBarOfCurrentWindow() {
    if (bars_ == nullptr) {
        return;
    }
    const int bar = MenuBarOf(CurrentChildWindow());
    if (bar != bars_->ShownBar()) {
        bars_->ShowOn(bar, *menuBar());
    }
}

void DesktopFrame::CloseChildWindows() {
    if (area_ == nullptr) {
        return;
    }
    disconnect(area_, nullptr, this, nullptr);
    delete area_;
    area_ = nullptr;
    home_ = nullptr;
}

void DesktopFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FitHomeWindow();
}

bool DesktopFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == home_ && home_ != nullptr && event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void DesktopFrame::SubWindowActivated(QMdiSubWindow* window) {
    // The frame losing the focus to a dialog activates no window: keep the bar shown.
    if (window != nullptr) {
        ShowMenuBarOfCurrentWindow();
    }
}

void DesktopFrame::ListWindows(QMenu& menu) {
    for (QAction* action : menu.actions()) {
        if (action->property(kWindowListItem).toBool()) {
            menu.removeAction(action);
            delete action;
        }
    }
    const std::vector<QMdiSubWindow*> windows = ListedWindows();
    if (windows.empty()) {
        return;
    }
    menu.addSeparator()->setProperty(kWindowListItem, true);
    int number = 0;
    for (QMdiSubWindow* window : windows) {
        ++number;
        QString caption =
            window->widget() != nullptr ? window->widget()->windowTitle() : window->windowTitle();
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item =
            menu.addAction(number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(caption) : caption);
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

std::vector<QMdiSubWindow*> DesktopFrame::ListedWindows() const {
    const QList<QMdiSubWindow*> windows = area_->subWindowList(QMdiArea::CreationOrder);
    return {windows.begin(), windows.end()};
}

void DesktopFrame::FitHomeWindow() {
    if (home_ == nullptr || isMinimized() || home_->isMinimized()) {
        return;
    }
    const int width = this->width() - TwipsToPixels(kHomeWindowMarginTwips, logicalDpiX());
    home_->resize(std::max(width, home_->minimumWidth()), home_->height());
}

}  // namespace shared
