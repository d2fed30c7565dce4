#ifndef DARVO_SELECTION_TESTING_SCRIPTED_SELECTION_HOST_H
#define DARVO_SELECTION_TESTING_SCRIPTED_SELECTION_HOST_H

#include "darvo/engine/chart_data_record.h"
#include "darvo/selection/selection_host.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace darvo {

class ChartTable;
class LibrarySelection;
struct ProductLibrary;

namespace testing {

// The main window, the Select dialog and the chart windows as tests script them. The
// notation switch sorts the library and refills the attached selection as the main
// window does; a chart window "opens" by adopting the prepared record and is
// remembered by its identity until CloseChart. separator is the program's, for the sort.
class ScriptedSelectionHost : public SelectionHost {
public:
    ScriptedSelectionHost(ProductLibrary& library, ChartTable& table, char separator);

    // The selection the notation switch refills; without one only the library is sorted.
    void Attach(LibrarySelection* selection) noexcept { selection_ = selection; }

    void ChangeEnable(bool enable) override;
    void SwitchCodeSystem(shared::CodeSystem codeSystem) override;
    void OpenCatalogLink() override { ++catalogLinks; }
    void ChooseCandidate(std::vector<std::int32_t>& candidates) override;
    void OpenNewChart() override;
    void AddCurveToOpenChart(const ChartIdentity& identity) override;

    // A chart window closes: its curves leave the table.
    void CloseChart(const ChartIdentity& identity);

    // The script.
    std::optional<std::size_t> chooseEntry;  // the Select dialog's OK on this entry; none: closed
    bool windowFails = false;                // the next chart window throws before adopting

    // What happened.
    std::vector<bool> enableCalls;
    bool enabled = false;
    std::vector<shared::CodeSystem> switches;
    int catalogLinks = 0;
    std::vector<std::vector<std::int32_t>> offered;  // the candidates of each Select dialog
    std::vector<ChartIdentity> openCharts;           // in opening order
    std::vector<ChartIdentity> curvesAdded;          // AddCurveToOpenChart's identities
    int newCharts = 0;

private:
    ProductLibrary& library_;
    ChartTable& table_;
    char separator_;
    LibrarySelection* selection_ = nullptr;
};

}  // namespace testing
}  // namespace darvo

#endif
