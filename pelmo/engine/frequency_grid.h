#ifndef PELMO_ENGINE_FREQUENCY_GRID_H
#define PELMO_ENGINE_FREQUENCY_GRID_H

#include "pelmo/engine/chart_kind.h"

#include <optional>
#include <vector>

namespace pelmo {

// Where a chart's sweep starts and ends [Hz].
struct FrequencySpan {
    double Start = 0.0;
    double End = 0.0;
};

// The sweep of a chart by the part's FrequencyRangeClass and the chart kind.
// upperFrequency is the part's data limit Fmax (single precision, as stored); srf the
// part's SRF [Hz], which only the apparent charts and the inductor class use (class 1:
// an SRF of 0 means "unknown" and the data limit takes its place). SRF and Fmax are
// compared in single precision. No span for a class outside 1 to 6: such a part has no
// start frequency, and the request is refused instead of guessing one.
std::optional<FrequencySpan> ChartFrequencySpan(int rangeClass, ChartKind chart, float upperFrequency,
                                                double srf);

// count frequencies evenly spaced on a logarithmic scale, f(i) = Start * (End /
// Start)^(i / (count - 1)), so the first is Start and the last End up to rounding.
std::vector<double> LogFrequencyGrid(FrequencySpan span, int count);

}  // namespace pelmo

#endif
