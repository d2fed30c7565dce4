#ifndef PELMO_APP_QT_PROGRAM_SELECTION_HOST_H
#define PELMO_APP_QT_PROGRAM_SELECTION_HOST_H

#include "pelmo/selection/selection_host.h"

#include <functional>

class QWidget;

namespace pelmo {

class LibrarySelection;
struct Library;

// The selection model's view of the program around it: the Select dialog over the main
// window when several parts match a filter choice, and the chart windows. The chart
// windows are made after the model (they need it), so they are handed in later; until
// then there are none.
class ProgramSelectionHost : public SelectionHost {
public:
    ProgramSelectionHost(const Library& library, QWidget* dialogParent);

    // The model whose product kind and notation name the candidates in the dialog.
    void SetSelection(const LibrarySelection* selection) noexcept { selection_ = selection; }
    void SetChartWindows(std::function<int()> openCount, std::function<void()> closeAll);

    // The Select dialog, modal; OK leaves only the chosen candidate.
    void ChooseCandidate(std::vector<std::int32_t>& candidates) override;
    int OpenChartWindowCount() const override;
    void CloseAllChartWindows() override;

private:
    const Library& library_;
    QWidget* dialogParent_;
    const LibrarySelection* selection_ = nullptr;
    std::function<int()> openCount_;
    std::function<void()> closeAll_;
};

}  // namespace pelmo

#endif
