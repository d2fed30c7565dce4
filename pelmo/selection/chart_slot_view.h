#ifndef PELMO_SELECTION_CHART_SLOT_VIEW_H
#define PELMO_SELECTION_CHART_SLOT_VIEW_H

#include <string>

namespace pelmo {

// The chart slots numbered 1 to 20.
inline constexpr int kChartSlotCount = 20;
// How many traces one chart name may show: six legend frames and six trace colours.
inline constexpr int kTracesPerChartName = 6;

// What the chart-request check reads of one chart slot.
struct ChartSlotEntry {
    int ProductKind = 0;       // 1 capacitor, 2 inductor; 0 when free
    int PartIndexPlusOne = 0;  // index into the table of its kind plus one; 0 when free
    std::string ChartName;
    std::string SParameter;    // "S11", "S21" or ""
    std::string Connection;    // "Series"/"Shunt" for Smith, Magnitude and Phase, else ""
    float Temperature = 0.0F;
    float Bias = 0.0F;
    int SlotNumber = 0;        // nonzero while the slot is in use

    bool InUse() const noexcept { return SlotNumber != 0; }
};

// The slot table as the selection window sees it. The chart machinery owns the table;
// the selection only reads it to decide whether a request may go on.
class ChartSlotTableView {
public:
    virtual ~ChartSlotTableView() = default;
    // Slot number 1 to kChartSlotCount.
    virtual ChartSlotEntry SlotAt(int number) const = 0;
};

}  // namespace pelmo

#endif
