#ifndef TESTS_DARVO_CHARTS_QT_CHART_WINDOW_SESSION_H
#define TESTS_DARVO_CHARTS_QT_CHART_WINDOW_SESSION_H

#include "chart_sample.h"
#include "darvo/charts/qt/chart_window_host.h"
#include "darvo/charts/qt/chart_windows.h"

#include "shared/platform/testing/fake_services.h"

#include <QMainWindow>
#include <QMdiArea>

#include <functional>
#include <memory>
#include <vector>

namespace darvo::testing {

// The main window's side of the chart windows, recording what the windows ask of it.
class RecordingChartHost : public ChartWindowHost {
public:
    QWidget* MainWindow() override { return mainWindow; }
    int LoadedWindowCount() const override { return 2 + (windows != nullptr ? windows->OpenCount() : 0); }
    void CopyChartToClipboard(FrmGraph& window) override { copied.push_back(&window); }
    void PrintSetup(FrmGraph& window) override { printSetups.push_back(&window); }
    void PrintChart(FrmGraph& window) override { printed.push_back(&window); }
    void ChartWindowActivated(FrmGraph& window) override { activated.push_back(&window); }
    void ChartWindowClosed(FrmGraph& window) override { closed.push_back(&window); }

    QWidget* mainWindow = nullptr;
    ChartWindows* windows = nullptr;
    std::vector<FrmGraph*> copied, printSetups, printed, activated, closed;
};

// A main window with its MDI area and the real chart windows over the sample products,
// the chart table and the fake services, shown on the current platform; plot requests
// are prepared by the real engine and handed over as the selection window does.
class ChartWindowSession {
public:
    ChartWindowSession();
    ChartWindowSession(const ChartWindowSession&) = delete;
    ChartWindowSession& operator=(const ChartWindowSession&) = delete;
    ~ChartWindowSession();

    // Prepares the n-th part's curve of identity and hands it over; nullptr when the
    // engine refused it or the window failed.
    FrmGraph* Plot(const ChartIdentity& identity, int nthPart,
                   const std::function<void(ConditionTexts&)>& tweak = {});

    ChartSample sample;
    shared::FakeServices fake;
    RecordingChartHost host;
    QMainWindow mainWindow;
    QMdiArea* area = nullptr;  // owned by the main window
    std::unique_ptr<ChartWindows> windows;
};

}  // namespace darvo::testing

#endif
