#ifndef PELMO_CHARTS_CHART_SLOT_TABLE_H
#define PELMO_CHARTS_CHART_SLOT_TABLE_H

#include "pelmo/charts/chart_slot.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pelmo {

inline constexpr int kChartSlots = 20;
// Six legend frames and six trace colours: one chart kind can show no more traces.
inline constexpr int kMaxTracesPerChart = 6;

inline constexpr const char* kMaximumChartsText = "Maximum Numbers of Charts open!";
inline constexpr const char* kMaximumChartTypeText = "Maximum Numbers of this Chart Type open!";
inline constexpr const char* kChartAlreadyOpenedText = "This Chart is already opened!";

// Why a chart request may not take a slot; each reason has its own exclamation message.
enum class ChartOpenRefusal { None, TooManyOfThisKind, TooManyCharts, AlreadyOpened };

// The message text of a refusal; empty for None.
std::string_view ChartOpenRefusalText(ChartOpenRefusal refusal) noexcept;

// The program-wide chart bookkeeping: twenty slots numbered 1 to 20 (index 0 exists so
// numbers index directly, and is never used), the number of the slot filled last, and
// the flag that marks the second (ESR) request of an Impedance & ESR pair.
//
// Plain data with the rules that keep it consistent; the selection window and the
// chart windows share one instance by reference.
class ChartSlotTable {
public:
    const ChartSlot& Slot(int number) const;  // 0 ... 20; RuntimeError 9 beyond
    ChartSlot& Slot(int number);

    int CurrentSlot() const noexcept { return currentSlot_; }
    bool ImpedanceEsrSecondPass() const noexcept { return secondPass_; }
    void SetImpedanceEsrSecondPass(bool set) noexcept { secondPass_ = set; }

    // Slots in use, and slots in use of one chart kind, over all twenty slots. Gaps
    // left by closed windows do not hide the slots after them.
    int InUseCount() const noexcept;
    int CountOfChart(ChartKind kind) const noexcept;
    // The lowest free slot number, or 0 when all twenty are in use.
    int LowestFreeSlot() const noexcept;

    // The limit and duplicate checks a chart request passes before it takes a slot.
    // request carries what the slot would hold (chart kind, part, product kind,
    // S-parameter, connection, temperature, bias). The per-kind limit counts every slot in use; a
    // limit refusal is final. While the Impedance & ESR second pass runs, only the
    // duplicate test is skipped, so the pair can never push a kind past its limit.
    ChartOpenRefusal CheckChartOpen(const ChartSlot& request) const;

    // Fills the lowest free slot with request, stamps its number and makes it the
    // current slot. Returns the number, or 0 (nothing changed) when every slot is taken.
    int Reserve(const ChartSlot& request);

    // Frees one slot: product, part, chart kind, S-parameter, connection, number and
    // upper frequency cleared. The temperature, bias and SRF are left as they were;
    // nothing reads them while free.
    void Free(int number);

    // What closing a chart window releases. A rectangular window shows every slot of
    // its chart kind and frees them all; a Smith window shows only its own slot, and
    // freeing the other Smith slots would drop charts that are still open.
    void FreeForClosedWindow(ChartKind kind, int ownSlot);

    // Every slot in use of one chart kind, in slot order: the traces of that kind.
    std::vector<int> SlotsOfChart(ChartKind kind) const;

private:
    std::array<ChartSlot, kChartSlots + 1> slots_{};
    int currentSlot_ = 0;
    bool secondPass_ = false;
};

}  // namespace pelmo

#endif
