#ifndef PELMO_CHARTS_AXIS_LABELS_H
#define PELMO_CHARTS_AXIS_LABELS_H

#include "pelmo/charts/chart_axis.h"

#include <string>
#include <vector>

namespace pelmo {

// One axis label: its text and where it goes. Frequency labels are centred on AnchorX,
// value labels end at AnchorX; both hang down from Top.
struct AxisLabel {
    enum class Align { Centre, Right };
    std::string Text;
    double AnchorX = 0.0;
    double Top = 0.0;
    Align Alignment = Align::Centre;

    friend bool operator==(const AxisLabel&, const AxisLabel&) = default;
};

// The decade labels of the frequency axis in MHz: "0.###" below 1 MHz and "#,###"
// from 1 MHz on, except that a Magnitude or Phase axis of 400-unit decades ends in
// "1E+5" where every other chart prints "100,000".
std::vector<AxisLabel> FrequencyLabels(ChartKind kind, const ChartAxis& axis, char separator);

// The division labels of the value axis: dB for Magnitude, degrees for Phase, decades
// ("0.#####", "#,###", then "1E+05" and on from 100,000) for the logarithmic kinds.
std::vector<AxisLabel> ValueLabels(ChartKind kind, const ChartAxis& axis, char separator);

}  // namespace pelmo

#endif
