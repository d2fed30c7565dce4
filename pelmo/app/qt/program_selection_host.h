#ifndef PELMO_APP_QT_PROGRAM_SELECTION_HOST_H
#define PELMO_APP_QT_PROGRAM_SELECTION_HOST_H

#include "pelmo/selection/selection_host.h"

class QWidget;

namespace pelmo {

class ChartWindows;
class LibrarySelection;
struct Library;

// The selection model's view of the main window around it: the Select dialog over the
// main window when several parts match a filter choice, and the chart windows. All
// given must outlive the host.
class ProgramSelectionHost : public SelectionHost {
public:
    // selection names the candidates in the dialog by its product kind and notation.
    ProgramSelectionHost(const Library& library, const LibrarySelection& selection, ChartWindows& charts,
                         QWidget* dialogParent);

    // The Select dialog, modal; OK leaves only the chosen candidate.
    void ChooseCandidate(std::vector<std::int32_t>& candidates) override;
    int OpenChartWindowCount() const override;
    void CloseAllChartWindows() override;

private:
    const Library& library_;
    const LibrarySelection& selection_;
    ChartWindows& charts_;
    QWidget* dialogParent_;
};

}  // namespace pelmo

#endif
