#include "darvo/charts/qt/chart_windows.h"

#include "darvo/charts/qt/chart_window_host.h"
#include "darvo/charts/qt/frm_graph.h"
#include "darvo/engine/chart_table.h"

#include "shared/desktop/window_entry.h"
#include "shared/errors/runtime_error.h"
#include "shared/platform/error_report.h"
#include "shared/platform/services.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <memory>

namespace darvo {

ChartWindows::ChartWindows(QMdiArea& area, ChartTable& table, const ProductLibrary& library,
                           const shared::Services& services, std::string degreeSign, char separator,
                           ChartWindowHost& host)
    : area_(area),
      table_(table),
      library_(library),
      services_(services),
      degreeSign_(std::move(degreeSign)),
      separator_(separator),
      host_(host) {
    connect(&area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* frame) {
        if (frame == nullptr) return;
        if (auto* window = qobject_cast<FrmGraph*>(frame->widget());
            window != nullptr && registry_.Find(window->Identity()))
            shared::RunWindowEntry(services_.Messages, kChartProgramTitle,
                                   [this, window] { host_.ChartWindowActivated(*window); });
    });
}

ChartWindows::~ChartWindows() {
    // Windows that outlive the registry (the main window closes after it) must not call
    // back into it.
    for (FrmGraph* window : Windows()) disconnect(window, nullptr, this, nullptr);
}

FrmGraph* ChartWindows::ShowPrepared() {
    try {
        const ChartIdentity identity = IdentityOf(table_.Prepared());
        if (FrmGraph* window = WindowOf(identity)) {
            window->Form_Load();
            if (QMdiSubWindow* frame = SubWindowOf(window)) area_.setActiveSubWindow(frame);
            window->setFocus();
            return window;
        }

        auto created =
            std::make_unique<FrmGraph>(table_, library_, services_, degreeSign_, separator_, host_);
        // Registered before it loads, so the cascade count includes it; a window that
        // fails to load leaves the registry again with its QPointer.
        const Registry::WindowId id = registry_.Add(identity, QPointer<FrmGraph>(created.get()));
        try {
            created->Form_Load();
        } catch (...) {
            registry_.Remove(id);
            throw;
        }
        FrmGraph* window = created.release();
        connect(window, &FrmGraph::closed, this, [this, id](FrmGraph* closing) { OnClosed(id, closing); });

        QMdiSubWindow* frame = area_.addSubWindow(window);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        // A chart window keeps its size: no maximise command, and a dragged border is
        // taken back (FrmGraph::Form_Resize).
        frame->setWindowFlags(frame->windowFlags() & ~Qt::WindowMaximizeButtonHint);
        frame->setWindowIcon(QIcon());
        connect(frame, &QMdiSubWindow::windowStateChanged, window, [window] { window->Form_Resize(); });
        frame->resize(window->WindowSize());
        frame->show();
        frame->move(window->WindowPosition());
        area_.setActiveSubWindow(frame);
        window->setFocus();
        emit windowsChanged();
        return window;
    } catch (const shared::RuntimeError& failure) {
        shared::ErrorReport(services_.Messages, kFormLoadTitle, failure);
    } catch (const std::exception& failure) {
        shared::ErrorReport(services_.Messages, kFormLoadTitle, failure);
    }
    return nullptr;
}

FrmGraph* ChartWindows::WindowOf(const ChartIdentity& identity) const {
    const std::optional<Registry::Entry> entry = registry_.Find(identity);
    return entry ? entry->Window.data() : nullptr;
}

FrmGraph* ChartWindows::WindowWithCaption(std::string_view caption) const {
    const std::optional<ChartIdentity> identity = ParseChartCaption(caption);
    if (!identity || ChartCaption(*identity) != caption) return nullptr;
    return WindowOf(*identity);
}

std::vector<FrmGraph*> ChartWindows::Windows() const {
    std::vector<FrmGraph*> windows;
    for (const Registry::Entry& entry : registry_.Open()) windows.push_back(entry.Window);
    return windows;
}

int ChartWindows::OpenCount() const {
    return registry_.OpenCount();
}

void ChartWindows::CloseAll() {
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

QMdiSubWindow* ChartWindows::SubWindowOf(const FrmGraph* window) {
    return qobject_cast<QMdiSubWindow*>(window->parentWidget());
}

void ChartWindows::OnClosed(Registry::WindowId id, FrmGraph* window) {
    disconnect(window, nullptr, this, nullptr);
    registry_.Remove(id);
    // A window closed on its own (not through its frame) takes its frame along once
    // the close in progress has finished.
    if (QMdiSubWindow* frame = SubWindowOf(window); frame != nullptr && frame->isVisible())
        QMetaObject::invokeMethod(frame, &QMdiSubWindow::close, Qt::QueuedConnection);
    emit windowsChanged();
}

}  // namespace darvo
