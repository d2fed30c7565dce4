#ifndef PELMO_CHARTS_QT_CHART_WINDOWS_H
#define PELMO_CHARTS_QT_CHART_WINDOWS_H

#include "pelmo/charts/chart_window_list.h"
#include "pelmo/engine/chart_kind.h"
#include "pelmo/engine/chart_sweep.h"
#include "pelmo/selection/chart_requests.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace shared {
struct Services;
}  // namespace shared

namespace pelmo {

class ChartSlotTable;
class FrmGraph;
class LibrarySelection;
struct Library;
struct ProgramFacts;

// The program's open chart windows, in the order they were opened: the one registry
// that gives each rectangular chart kind its one window and that Close All, the menu
// states, the Window menu and the notation switch read, and the host a chart request
// shows its trace through. Windows live in QMdiSubWindows of area and are deleted when
// they close.
//
// Everything given must outlive the registry.
class ChartWindows : public QObject, public ChartWindowHost {
    Q_OBJECT

public:
    ChartWindows(QMdiArea& area, LibrarySelection& selection, Library& library, ChartSlotTable& slotTable,
                 const ChartPointTable& points, const shared::Services& services, const ProgramFacts& facts,
                 QWidget* mainWindow);
    ~ChartWindows() override;
    ChartWindows(const ChartWindows&) = delete;
    ChartWindows& operator=(const ChartWindows&) = delete;

    // A rectangular kind with a window: that window is restored, redrawn with the new
    // trace and activated. Otherwise a new window loads from the current slot and is
    // shown. A window that cannot load is reported as "pelmo:frmGraph.Form_Load", never
    // shown, and ChartWindowFailure is thrown so the request gives its slot back; a
    // failing redraw is thrown as it is, for the request to report.
    void ShowChart(ChartKind kind) override;

    int OpenCount() const;
    // Closes every chart window, the last opened first.
    void CloseAll();
    // In opening order.
    std::vector<FrmGraph*> Windows() const;
    // The frames of Windows(), in the same order.
    std::vector<QMdiSubWindow*> Frames() const;
    // The window collecting the traces of a rectangular kind, or nullptr.
    FrmGraph* WindowOfKind(ChartKind kind) const;
    using Registry = ChartWindowList<QPointer<FrmGraph>>;
    const Registry& OpenWindows() const noexcept { return registry_; }

signals:
    void windowsChanged();  // a chart window opened or closed: menu states are reapplied

private:
    void OnClosed(Registry::WindowId id, FrmGraph* window);
    static QMdiSubWindow* SubWindowOf(const FrmGraph* window);

    QMdiArea& area_;
    LibrarySelection& selection_;
    Library& library_;
    ChartSlotTable& slots_;
    const ChartPointTable& points_;
    const shared::Services& services_;
    const ProgramFacts& facts_;
    QWidget* mainWindow_;
    Registry registry_;
};

}  // namespace pelmo

#endif
