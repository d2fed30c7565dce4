#ifndef PELMO_CHARTS_CHART_SLOT_H
#define PELMO_CHARTS_CHART_SLOT_H

#include <cstdint>
#include <string>

namespace pelmo {

// What a chart slot's product kind field holds.
inline constexpr std::int32_t kProductCapacitor = 1;
inline constexpr std::int32_t kProductInductor = 2;

// One charted trace: what was requested, for which part and at which conditions. The
// fields stay as the request wrote them until the window showing the trace closes, so
// every later check (limits, duplicates) and every redraw or print reads the request's
// own values, not whatever the selection window shows by then.
struct ChartSlot {
    std::int32_t ProductKind = 0;       // kProductCapacitor, kProductInductor; 0 when free
    std::int32_t PartIndexPlusOne = 0;  // index in the part's library table + 1; 0 when free
    std::string ChartName;              // ChartName() of the request's ChartKind
    std::string SParameter;             // "S11", "S21" or ""
    std::string Connection;             // "Series"/"Shunt" for Smith, Magnitude, Phase; else ""
    float Temperature = 0.0F;           // [C] at request time
    float DcBias = 0.0F;                // [V] at request time
    std::int16_t SlotNumber = 0;        // the slot's own number while in use; 0 when free
    float Srf = 0.0F;                   // [MHz] readout when the trace was copied; 0 if none
    float UpperFrequency = 0.0F;        // [Hz] data limit, recorded for class 4 only

    bool InUse() const noexcept { return SlotNumber != 0; }
};

}  // namespace pelmo

#endif
