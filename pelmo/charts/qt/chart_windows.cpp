#include "pelmo/charts/qt/chart_windows.h"

#include "pelmo/charts/qt/frm_graph.h"

#include "shared/platform/error_report.h"
#include "shared/platform/services.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <memory>

namespace pelmo {

namespace {

constexpr const char* kFormLoadTitle = "pelmo:frmGraph.Form_Load";

}  // namespace

ChartWindows::ChartWindows(QMdiArea& area, LibrarySelection& selection, Library& library,
                           ChartSlotTable& slotTable, const ChartPointTable& points,
                           const shared::Services& services, const ProgramFacts& facts, QWidget* mainWindow)
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
    for (FrmGraph* window : Windows()) disconnect(window, nullptr, this, nullptr);
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
        created =
            std::make_unique<FrmGraph>(slots_, points_, library_, selection_, services_, facts_, mainWindow_);
        created->Form_Load();
    } catch (const shared::RuntimeError& failure) {
        shared::ErrorReport(services_.Messages, kFormLoadTitle, failure);
        throw ChartWindowFailure(failure.what());
    } catch (const std::exception& failure) {
        shared::ErrorReport(services_.Messages, kFormLoadTitle, failure);
        throw ChartWindowFailure(failure.what());
    }

    // Registered while still owned here: a refused entry must not leave a window behind.
    const Registry::WindowId id = registry_.Add(created->Model().Kind(), created->Model().SlotNumber(),
                                                QPointer<FrmGraph>(created.get()));
    FrmGraph* window = created.release();
    // A window deleted without closing (the main window going away) needs no handler:
    // its QPointer empties and the registry counts it as closed.
    connect(window, &FrmGraph::closed, this, [this, id](FrmGraph* closing) { OnClosed(id, closing); });

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

int ChartWindows::OpenCount() const {
    return registry_.OpenCount();
}

void ChartWindows::CloseAll() {
    // Closing changes the registry; walk a copy from the last opened backwards, skipping
    // windows an earlier close took along.
    const std::vector<Registry::Entry> open = registry_.Open();
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        if (!registry_.IsOpenId(it->Id)) continue;
        FrmGraph* window = it->Window;
        if (QMdiSubWindow* frame = SubWindowOf(window))
            frame->close();
        else
            window->close();
    }
}

std::vector<FrmGraph*> ChartWindows::Windows() const {
    std::vector<FrmGraph*> windows;
    for (const Registry::Entry& entry : registry_.Open()) windows.push_back(entry.Window);
    return windows;
}

std::vector<QMdiSubWindow*> ChartWindows::Frames() const {
    std::vector<QMdiSubWindow*> frames;
    for (FrmGraph* window : Windows()) {
        if (QMdiSubWindow* frame = SubWindowOf(window)) frames.push_back(frame);
    }
    return frames;
}

FrmGraph* ChartWindows::WindowOfKind(ChartKind kind) const {
    const std::optional<Registry::Entry> entry = registry_.OfKind(kind);
    return entry ? entry->Window.data() : nullptr;
}

QMdiSubWindow* ChartWindows::SubWindowOf(const FrmGraph* window) {
    return qobject_cast<QMdiSubWindow*>(window->parentWidget());
}

void ChartWindows::OnClosed(Registry::WindowId id, FrmGraph* window) {
    disconnect(window, nullptr, this, nullptr);
    registry_.Remove(id);
    // A window closed on its own (not through its frame) takes its frame along, once
    // the close in progress has finished; a frame that is closing already ignores it.
    if (QMdiSubWindow* frame = SubWindowOf(window); frame != nullptr && frame->isVisible())
        QMetaObject::invokeMethod(frame, &QMdiSubWindow::close, Qt::QueuedConnection);
    emit windowsChanged();
}

}  // namespace pelmo
