#ifndef PELMO_CHARTS_CHART_AXIS_H
#define PELMO_CHARTS_CHART_AXIS_H

#include "pelmo/engine/chart_kind.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace pelmo {

// The decimal logarithm a drawing uses; it decides what a non-positive value costs
// (a message, or silence) and yields 0 for it.
using Log10Function = std::function<double(double)>;

// The layout of a rectangular chart's two axes, in chart units (the plot area is 2400
// units high and about 2400 wide inside a 3000 x 3000 user scale with y up). Fields are
// 16-bit as the program-wide axis table holds them; a layout that does not fit raises
// RuntimeError 6 (overflow) instead of wrapping into a nonsense chart.
struct ChartAxis {
    std::int16_t Left = 0;            // x of the plot area's left edge
    std::int16_t DecadeWidth = 0;     // width of one frequency decade
    std::int16_t Decades = 0;         // frequency decades shown
    std::int16_t StartExponent = 0;   // the axis starts at 10^(-StartExponent) MHz
    std::int16_t Bottom = 0;          // y of the plot area's bottom edge
    std::int16_t DivisionHeight = 0;  // height of one value division
    std::int16_t Divisions = 0;       // value divisions
    // Logarithmic kinds: minus the exponent of the lowest decade; Magnitude: Divisions.
    std::int16_t ValueExponent = 0;

    friend bool operator==(const ChartAxis&, const ChartAxis&) = default;
};

// The start-up layout of a kind: left 450 for Magnitude and Phase, 470 for the others,
// bottom 400, and Phase's fixed four divisions of 600.
ChartAxis InitialChartAxis(ChartKind kind) noexcept;

// What the frequency axis needs to know of one trace.
struct FrequencyAxisTrace {
    int RangeClass = 0;        // FrequencyRangeClass of its part number
    float UpperFrequency = 0;  // the slot's recorded data limit [Hz]
};

// Lays out the frequency axis so that every trace's sweep fits: the widest class
// decides (5 before 3/4/6 before 1 before 2), and a slot recorded with a 20 GHz data
// limit adds a decade. RuntimeError 5 when no trace has a class (nothing to lay out).
void LayoutFrequencyAxis(ChartAxis& axis, const std::vector<FrequencyAxisTrace>& traces);

// Magnitude: 0 dB at the top, 10 dB steps down to a multiple of 10 below vmin [dB].
void LayoutMagnitudeAxis(ChartAxis& axis, double vmin);
// Logarithmic kinds: whole decades from the one holding vmin to the one above vmax;
// both must be positive (the caller leaves non-positive values out).
void LayoutLogAxis(ChartAxis& axis, double vmin, double vmax, const Log10Function& log10);

// The chart x of a frequency [Hz].
double FrequencyX(const ChartAxis& axis, double frequency, const Log10Function& log10);
// The chart y of a plotted value of the kind (Reactance plots |v|).
double ValueY(ChartKind kind, const ChartAxis& axis, double value, const Log10Function& log10);

// Right and top edges of the plot area.
double PlotRight(const ChartAxis& axis) noexcept;
double PlotTop(const ChartAxis& axis) noexcept;

// Whether a kind's value axis is logarithmic (kinds 3 to 10).
bool IsLogarithmicKind(ChartKind kind) noexcept;

}  // namespace pelmo

#endif
