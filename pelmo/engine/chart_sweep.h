#ifndef PELMO_ENGINE_CHART_SWEEP_H
#define PELMO_ENGINE_CHART_SWEEP_H

#include "pelmo/engine/frequency_grid.h"

#include <array>
#include <string_view>

namespace shared {
class Messages;
}

namespace pelmo {

struct CapacitorConditions;
struct CapacitorRecord;
struct InductorRecord;
struct OperatingPointResult;

// One frequency of a chart sweep: the readouts of OperatingPointResult right after the
// evaluation at that frequency, in the order the chart windows index them.
struct ChartPoint {
    double Frequency = 0.0;  // [Hz]
    double S11Real = 0.0;
    double S11Imag = 0.0;
    double S21Real = 0.0;
    double S21Imag = 0.0;
    double S11MagnitudeDb = 0.0;
    double S21MagnitudeDb = 0.0;
    double S11PhaseDeg = 0.0;
    double S21PhaseDeg = 0.0;
    double ImpedanceMagnitude = 0.0;  // [ohm]
    double Esr = 0.0;                 // [ohm]
    double Reactance = 0.0;           // [ohm]
    double Capacitance = 0.0;         // [F]
    double Q = 0.0;
    double DF = 0.0;
    double ApparentCapacitance = 0.0;  // [F]
    double ApparentInductance = 0.0;   // [H]
};

inline constexpr int kChartPointCount = 201;
using ChartPointTable = std::array<ChartPoint, kChartPointCount>;

// Why a chart request cannot be swept. Both are decided before a chart slot is taken,
// so a refused request leaves no trace in the slot table.
enum class ChartSweepRefusal {
    None,
    // The part number falls in no FrequencyRangeClass: the caller reports it through
    // its error report (kNoFrequencyRangeClassError) and shows no chart.
    NoFrequencyRangeClass,
    // A capacitor whose SRF lies so high that an apparent-inductance curve would lie
    // entirely beyond its data: kApparentInductanceNotAvailableText, exclamation icon.
    ApparentInductanceNotAvailable,
};

inline constexpr const char* kApparentInductanceNotAvailableText =
    "Apparent Inductance Chart is not available for this Product Number.";
// The run-time error number reported for a part without a frequency class.
inline constexpr int kNoFrequencyRangeClassError = 5;

// What a request will sweep, or why it is refused.
struct ChartSweepPlan {
    ChartSweepRefusal Refusal = ChartSweepRefusal::None;
    int RangeClass = 0;
    FrequencySpan Span;  // meaningful when Refusal is None
};

// Plans a capacitor chart. The part number of conditions decides the class. For the
// apparent charts the capacitor is first evaluated at 1 rad/s for its SRF, into result,
// as the selection window's own evaluation would; the Apparent Inductance chart is
// refused when the SRF exceeds the data limit, or when 1.1 x SRF reaches it (single
// precision), since the sweep would then start beyond the data. Raises
// shared::RuntimeError when the part cannot be evaluated.
ChartSweepPlan PlanCapacitorChart(const CapacitorRecord& record, const CapacitorConditions& conditions,
                                  ChartKind chart, OperatingPointResult& result,
                                  shared::Messages* messages = nullptr);

// Plans an inductor chart; the SRF is the record's, which is what the selection
// window's last evaluation of the part left.
ChartSweepPlan PlanInductorChart(const InductorRecord& record, ChartKind chart);

// The 201 points of a planned chart. Evaluates into result point by point, so every
// point carries the fields as the window's result holds them then, stale ones included
// (an apparent capacitance above the SRF repeats the last value below it); result is
// left as the last point's evaluation leaves it. The frequency-independent part of the
// capacitor evaluation is computed once; the points are bit-identical to evaluating
// each frequency on its own. Raises shared::RuntimeError on a failed evaluation; the
// table then holds only the points before it and must not be drawn.
void SweepCapacitorChart(const CapacitorRecord& record, const CapacitorConditions& conditions,
                         const ChartSweepPlan& plan, OperatingPointResult& result, ChartPointTable& points,
                         shared::Messages* messages = nullptr);
void SweepInductorChart(const InductorRecord& record, const ChartSweepPlan& plan,
                        OperatingPointResult& result, ChartPointTable& points,
                        shared::Messages* messages = nullptr);

// A chart point from the result of the evaluation at frequency [Hz].
ChartPoint ChartPointFrom(double frequency, const OperatingPointResult& result) noexcept;

}  // namespace pelmo

#endif
