#ifndef PELMO_APP_PUBLIC_H
#define PELMO_APP_PUBLIC_H

#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/engine/chart_sweep.h"
#include "pelmo/library/records.h"
#include "pelmo/selection/library_selection.h"
#include "pelmo/selection/selection_host.h"

namespace shared {
class Cursor;
class Messages;
}  // namespace shared

namespace pelmo {

// The program's state for a session, made in Main before any window and owned here: the
// library, the selection, the chart slots and the sweep table. Windows receive it (or
// the part of it they show) by reference and may come and go while it stays.
//
// The selection asks the windows around it for the Select dialog and the open chart
// windows; until the main window attaches itself there are none, and a choice among
// several parts takes the first.
class Public {
public:
    // messages and cursor must outlive the object. decimalSeparator is the one every
    // number the windows show or read uses, read once at start.
    Public(Library parts, shared::Messages& messages, shared::Cursor& cursor, char decimalSeparator);
    Public(const Public&) = delete;
    Public& operator=(const Public&) = delete;

    Library& Parts() noexcept { return parts_; }
    const Library& Parts() const noexcept { return parts_; }
    LibrarySelection& Selection() noexcept { return selection_; }
    const LibrarySelection& Selection() const noexcept { return selection_; }
    ChartSlotTable& Slots() noexcept { return slots_; }
    const ChartSlotTable& Slots() const noexcept { return slots_; }
    ChartPointTable& Points() noexcept { return points_; }
    char DecimalSeparator() const noexcept { return separator_; }

    // The windows that answer the selection from now on; null when they go.
    void AttachWindows(SelectionHost* windows) noexcept { windows_.windows = windows; }

private:
    struct AttachedWindows : SelectionHost {
        void ChooseCandidate(std::vector<std::int32_t>& candidates) override;
        int OpenChartWindowCount() const override;
        void CloseAllChartWindows() override;
        SelectionHost* windows = nullptr;
    };

    Library parts_;
    char separator_;
    AttachedWindows windows_;
    LibrarySelection selection_;
    ChartSlotTable slots_;
    ChartPointTable points_{};
};

}  // namespace pelmo

#endif
