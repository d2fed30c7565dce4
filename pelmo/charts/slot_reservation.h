#ifndef PELMO_CHARTS_SLOT_RESERVATION_H
#define PELMO_CHARTS_SLOT_RESERVATION_H

#include "pelmo/charts/chart_slot.h"

namespace pelmo {

class ChartSlotTable;

// A slot taken for a chart request that frees it again unless the request completes.
// A request that fails after taking its slot (a sweep that cannot be evaluated, a
// window that cannot be drawn) must not keep it: a leaked slot counts towards the
// limits and the duplicate test, and later requests of the kind would look for a
// window that was never opened.
class SlotReservation {
public:
    // Reserves a slot in table; Number() is 0 when none was free.
    SlotReservation(ChartSlotTable& table, const ChartSlot& request);
    ~SlotReservation();
    SlotReservation(const SlotReservation&) = delete;
    SlotReservation& operator=(const SlotReservation&) = delete;

    int Number() const noexcept { return number_; }
    // The chart is shown: the slot stays until its window closes.
    void Commit() noexcept { committed_ = true; }

private:
    ChartSlotTable& table_;
    int number_ = 0;
    bool committed_ = false;
};

}  // namespace pelmo

#endif
