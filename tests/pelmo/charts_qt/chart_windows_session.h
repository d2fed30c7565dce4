#ifndef TESTS_PELMO_CHARTS_QT_CHART_WINDOWS_SESSION_H
#define TESTS_PELMO_CHARTS_QT_CHART_WINDOWS_SESSION_H

#include "pelmo/app/testing/fake_program.h"
#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/charts/qt/chart_windows.h"
#include "pelmo/library/records.h"
#include "pelmo/selection/chart_requests.h"
#include "pelmo/selection/library_selection.h"
#include "pelmo/selection/selection_host.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QSize>

#include <memory>
#include <string>
#include <vector>

namespace pelmo::testing {

// The selection window's view of the chart windows: the first candidate is the part.
class ChartWindowsHost : public SelectionHost {
public:
    void ChooseCandidate(std::vector<std::int32_t>& candidates) override { candidates.resize(1); }
    int OpenChartWindowCount() const override { return windows != nullptr ? windows->OpenCount() : 0; }
    void CloseAllChartWindows() override {
        if (windows != nullptr) windows->CloseAll();
    }

    ChartWindows* windows = nullptr;
};

// A main window of the given size with its MDI area, the selection model loaded in EIA
// notation, the chart requests and the real chart windows, over a library with the fake
// services, shown on the current platform.
class ChartWindowsSession {
public:
    ChartWindowsSession(Library parts, QSize size);
    ChartWindowsSession(const ChartWindowsSession&) = delete;
    ChartWindowsSession& operator=(const ChartWindowsSession&) = delete;

    // Chooses a part as switching the product, typing its number and pressing Enter does.
    void Choose(const std::string& partNumber, bool inductor);

    Library library;
    FakeProgram fake;
    ChartWindowsHost host;
    LibrarySelection selection;
    ChartSlotTable slotTable;
    ChartPointTable pointTable{};
    QMainWindow mainWindow;
    QMdiArea* area = nullptr;  // owned by the main window
    std::unique_ptr<ChartWindows> windows;
    std::unique_ptr<ChartRequests> requests;
};

}  // namespace pelmo::testing

#endif
