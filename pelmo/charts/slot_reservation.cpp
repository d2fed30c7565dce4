#include "pelmo/charts/slot_reservation.h"

#include "pelmo/charts/chart_slot_table.h"

namespace pelmo {

SlotReservation::SlotReservation(ChartSlotTable& table, const ChartSlot& request)
    : table_(table), number_(table.Reserve(request)) {}

SlotReservation::~SlotReservation() {
    if (number_ != 0 && !committed_) table_.Free(number_);
}

}  // namespace pelmo
