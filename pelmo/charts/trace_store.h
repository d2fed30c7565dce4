#ifndef PELMO_CHARTS_TRACE_STORE_H
#define PELMO_CHARTS_TRACE_STORE_H

#include "pelmo/engine/chart_kind.h"
#include "pelmo/engine/chart_sweep.h"

#include <array>
#include <vector>

namespace pelmo {

inline constexpr int kTraceSeriesCount = 9;  // series 0 (frequency) to 8

// A chart window's own copy of its traces, indexed by slot number (0 to 20), series
// (0 to 8) and point (0 to 200). The program keeps one chart point table and every
// request overwrites it, so a window that must redraw or print later has only this copy.
// Series 0 is the frequency [Hz]; what series 1 to 8 hold depends on the chart kind.
class TraceStore {
public:
    TraceStore();

    // Fills the slot's column from a sweep, point for point, converting to the units the
    // chart plots (pF, nH). On an Impedance & ESR chart esrPass chooses ESR instead of
    // |Z| and is remembered for the slot, so its legend and readout say what the column
    // holds whatever the slot order. Smith columns hold what a Phase column holds.
    void CopyTrace(ChartKind kind, int slot, const ChartPointTable& points, bool esrPass);

    double Value(int slot, int series, int point) const;
    // Whether the slot's column has been filled (its first frequency is not 0).
    bool HasTrace(int slot) const;
    // Whether the slot's column holds the ESR pass of an Impedance & ESR pair.
    bool HoldsEsr(int slot) const;

private:
    std::size_t IndexOf(int slot, int series, int point) const;

    std::vector<double> values_;
    std::array<bool, 21> esr_{};
};

}  // namespace pelmo

#endif
