#ifndef DARVO_CHARTS_QT_CHART_WINDOWS_H
#define DARVO_CHARTS_QT_CHART_WINDOWS_H

#include "darvo/charts/chart_identity.h"

#include "shared/windows/window_registry.h"

#include <QObject>
#include <QPointer>

#include <string>
#include <string_view>
#include <vector>

class QMdiArea;
class QMdiSubWindow;

namespace shared {
struct Services;
}

namespace darvo {

class ChartTable;
class ChartWindowHost;
class FrmGraph;
struct ProductLibrary;

// The error-report title of a chart window that cannot take its curve.
inline constexpr const char* kFormLoadTitle = "darvo:frmGraph.Form_Load";

// darvo's open chart windows, one per chart identity, in the order they were opened:
// the one registry the plot request hands its record through, and that the main
// window's menus, Close All and the notation switch read. Windows live in
// QMdiSubWindows of area and are deleted when they close.
//
// Everything given must outlive the registry.
class ChartWindows : public QObject {
    Q_OBJECT

public:
    ChartWindows(QMdiArea& area, ChartTable& table, const ProductLibrary& library,
                 const shared::Services& services, std::string degreeSign, char separator,
                 ChartWindowHost& host);
    ~ChartWindows() override;
    ChartWindows(const ChartWindows&) = delete;
    ChartWindows& operator=(const ChartWindows&) = delete;

    // The hand-over of a plot request: the record prepared in the table becomes a curve
    // of the window of its identity. An open window runs Form_Load again (redrawn with
    // all its curves at their full range, back at its cascade place) and gets the focus;
    // otherwise a new window loads and is shown. The window adopts the record (ChartCount
    // grows), so the caller must not adopt it again. A failure is reported under
    // "darvo:frmGraph.Form_Load", the record stays prepared for the caller to discard,
    // no new window stays open, and nullptr is returned.
    FrmGraph* ShowPrepared();

    // The window of an identity, or nullptr.
    FrmGraph* WindowOf(const ChartIdentity& identity) const;
    // The window whose caption is exactly caption, or nullptr.
    FrmGraph* WindowWithCaption(std::string_view caption) const;
    // In opening order.
    std::vector<FrmGraph*> Windows() const;
    int OpenCount() const;
    // Closes every chart window, the last opened first; each removes its records.
    void CloseAll();

    using Registry = shared::WindowRegistry<ChartIdentity, QPointer<FrmGraph>>;
    const Registry& OpenWindows() const noexcept { return registry_; }

signals:
    // A chart window opened or closed: menu states are reapplied.
    void windowsChanged();

private:
    static QMdiSubWindow* SubWindowOf(const FrmGraph* window);
    void OnClosed(Registry::WindowId id, FrmGraph* window);

    QMdiArea& area_;
    ChartTable& table_;
    const ProductLibrary& library_;
    const shared::Services& services_;
    std::string degreeSign_;
    char separator_;
    ChartWindowHost& host_;
    Registry registry_;
};

}  // namespace darvo

#endif
