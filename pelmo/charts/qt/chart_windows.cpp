#include "pelmo/charts/qt/chart_windows.h"

#include "pelmo/charts/qt/frm_graph.h"

#include "shared/platform/error_report.h"
#include "shared/platform/services.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>
#include <memory>

namespace pelmo {

namespace {

constexpr const char* kFormLoadTitle = "pelmo:frmGraph.Form_Load";

}  // namespace

ChartWindows::ChartWindows(QMdiArea& area, LibrarySelection& selection, Library& library, ChartSlotTable& slotTable,
                           const ChartPointTable& points, const shared::Services& services, const ProgramFacts& facts,
                           QWidget* mainWindow)
    : area_(area),
      selection_(selection),
      library_(library),
      slots_(slotTable),
      points_(points),
      services_(services),
      facts_(facts),
      mainWindow_(mainWindow) {}

ChartWindows::~ChartWindows() {
    // Windows that outlive the registry (the main window closes after it) must not
    // call back into it.
    for (FrmGraph* window : windows_)
        disconnect(window, nullptr, this, nullptr);
}

void ChartWindows::ShowChart(ChartKind kind) {
    if (FrmGraph* window = WindowOfKind(kind)) {
        QMdiSubWindow* frame = SubWindowOf(window);
        if (frame != nullptr) {
            frame->showNormal();
            area_.setActiveSubWindow(frame);
        }
        window->DrawChart();
        window->setFocus();
        return;
    }

    std::unique_ptr<FrmGraph> created;
    try {
        created = std::make_unique<FrmGraph>(slots_, points_, library_, selection_, registry_, services_, facts_,
                                             mainWindow_);
        created->Form_Load();
    } catch (const shared::RuntimeError& failure) {
        shared::ErrorReport(services_.Messages, kFormLoadTitle, failure);
        throw ChartWindowFailure(failure.what());
    } catch (const std::exception& failure) {
        shared::ErrorReport(services_.Messages, kFormLoadTitle, failure);
        throw ChartWindowFailure(failure.what());
    }

    FrmGraph* window = created.release();
    const int slotNumber = window->Model().SlotNumber();
    registry_.Add(window->Id(), window->Model().Kind(), slotNumber);
    windows_.push_back(window);
    connect(window, &FrmGraph::closed, this, &ChartWindows::OnClosed);
    // A window deleted without closing (the main window going away) leaves the list too.
    const ChartWindowList::WindowId id = window->Id();
    connect(window, &QObject::destroyed, this, [this, id] {
        registry_.Remove(id);
        windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                      [id](FrmGraph* w) { return reinterpret_cast<ChartWindowList::WindowId>(w) == id; }),
                       windows_.end());
    });

    QMdiSubWindow* frame = area_.addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowIcon(QIcon());
    connect(frame, &QMdiSubWindow::windowStateChanged, window, [window] { window->Form_Resize(); });
    frame->resize(window->WindowSize());
    const QPoint position = window->WindowPosition();
    frame->show();
    // Smith windows have a fixed left edge; rectangular ones keep the place the area
    // chose and only take the fixed top.
    frame->move(window->HasFixedLeft() ? position.x() : frame->x(), position.y());
    area_.setActiveSubWindow(frame);
    window->setFocus();
    emit windowsChanged();
}

int ChartWindows::OpenCount() const { return static_cast<int>(windows_.size()); }

void ChartWindows::CloseAll() {
    // Closing changes the list; take a copy and go from the last opened backwards.
    const std::vector<FrmGraph*> open = windows_;
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        if (std::find(windows_.begin(), windows_.end(), *it) == windows_.end())
            continue;
        if (QMdiSubWindow* frame = SubWindowOf(*it))
            frame->close();
        else
            (*it)->close();
    }
}

std::vector<FrmGraph*> ChartWindows::Windows() const { return windows_; }

FrmGraph* ChartWindows::WindowOfKind(ChartKind kind) const {
    const std::optional<ChartWindowList::WindowId> id = registry_.WindowOfKind(kind);
    return id ? Find(*id) : nullptr;
}

FrmGraph* ChartWindows::Find(ChartWindowList::WindowId id) const {
    for (FrmGraph* window : windows_) {
        if (window->Id() == id)
            return window;
    }
    return nullptr;
}

QMdiSubWindow* ChartWindows::SubWindowOf(FrmGraph* window) const {
    return qobject_cast<QMdiSubWindow*>(window->parentWidget());
}

void ChartWindows::OnClosed(FrmGraph* window) {
    disconnect(window, nullptr, this, nullptr);
    windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
    // A window closed on its own (not through its frame) takes its frame along, once
    // the close in progress has finished; a frame that is closing already ignores it.
    if (QMdiSubWindow* frame = SubWindowOf(window); frame != nullptr && frame->isVisible())
        QMetaObject::invokeMethod(frame, &QMdiSubWindow::close, Qt::QueuedConnection);
    emit windowsChanged();
}

}  // namespace pelmo
