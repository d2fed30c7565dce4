#ifndef TESTS_PELMO_CHARTS_QT_CHART_REQUEST_FIXTURE_H
#define TESTS_PELMO_CHARTS_QT_CHART_REQUEST_FIXTURE_H

#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/charts/chart_window_list.h"
#include "pelmo/charts/chart_window_model.h"
#include "pelmo/engine/chart_kind.h"
#include "pelmo/engine/chart_sweep.h"
#include "pelmo/library/records.h"
#include "pelmo/selection/chart_requests.h"
#include "pelmo/selection/library_selection.h"
#include "pelmo/selection/selection_host.h"

#include "shared/platform/testing/fake_cursor.h"
#include "shared/platform/testing/fake_messages.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace pelmo::testing {

// The generated sample library, loaded once per test.
Library SampleLibrary();

// The first part of the sample library (EIA notation) that pred accepts; fails the
// test when there is none.
std::string FindCapacitor(const Library& library, const std::function<bool(const CapacitorRecord&)>& pred,
                          int skip = 0);
std::string FindInductor(const Library& library, const std::function<bool(const InductorRecord&)>& pred,
                         int skip = 0);
int RangeClassOf(const std::string& partNumber);

// The chart windows as plain models: each ShowChart is recorded with the flags in force
// and draws the window's model on a recording canvas, as the real window would, so the
// legends and the slots' SRF fields come out as on screen.
class ModelWindows : public ChartWindowHost, public SelectionHost {
public:
    ModelWindows(ChartSlotTable& slots, const ChartPointTable& points, const Library& library,
                 shared::Messages& messages);

    struct Shown {
        ChartKind Kind;
        int CurrentSlot;
        bool SecondPass;
        bool NewWindow;
    };

    void ShowChart(ChartKind kind) override;
    void ChooseCandidate(std::vector<std::int32_t>& candidates) override;
    int OpenChartWindowCount() const override;
    void CloseAllChartWindows() override;

    // Closes window i as the chart window's unload does.
    void Close(std::size_t i);

    struct Window {
        std::unique_ptr<ChartWindowModel> Model;
        std::vector<std::string> Legends;
        bool Open = true;
    };
    std::vector<Window> windows;
    std::vector<Shown> shown;
    // The selection window's SRF readout at drawing time.
    std::function<std::string()> srfReadout;
    // Thrown from ShowChart when set.
    std::function<void()> failure;

private:
    ChartSlotTable& slots_;
    const ChartPointTable& points_;
    const Library& library_;
    shared::Messages& messages_;
    // Handles are positions in windows plus one.
    ChartWindowList<std::size_t> list_;
    std::vector<ChartWindowList<std::size_t>::WindowId> ids_;
};

// One selection window, its chart requests and the model windows over the sample
// library, loaded in EIA notation.
class ChartRequestFixture : public ::testing::Test {
protected:
    ChartRequestFixture();

    // Chooses a part as typing it and pressing Enter does; forgets the messages.
    void Choose(const std::string& partNumber, bool inductor = false);
    // The texts of the message boxes shown since the last call.
    std::vector<std::string> Shown();

    Library library_;
    shared::FakeMessages messages_;
    shared::FakeCursor cursor_;
    ChartSlotTable slots_;
    ChartPointTable points_{};
    ModelWindows windows_;
    LibrarySelection selection_;
    ChartRequests requests_;
};

}  // namespace pelmo::testing

#endif
