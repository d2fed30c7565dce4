#ifndef PELMO_CHARTS_CHART_CAPTIONS_H
#define PELMO_CHARTS_CHART_CAPTIONS_H

#include "pelmo/charts/chart_trace.h"
#include "pelmo/engine/chart_kind.h"

#include <array>
#include <string>

namespace pelmo {

// The texts of a chart window that name what it shows. Temperatures and biases are
// written in the general number form (25 stays 25, 2.5 stays 2.5) with the decimal
// given separator; degreeSign is the program's degree-sign text (U+00B0 or empty).

// "Impedance & ESR Chart" and the like.
std::string RectangularChartCaption(ChartKind kind);

// "Smith Chart-" + part + ("-" T "[C]-" V "[V]" for parts that follow the conditions)
// + "-" + S-parameter + "-" + connection.
std::string SmithChartCaption(const ChartTrace& trace, char separator);

// The six legend labels of a Smith window: part number, then temperature and bias when
// the part follows the conditions, then S-parameter and connection; the rest empty.
std::array<std::string, 6> SmithLegendLabels(const ChartTrace& trace, const std::string& degreeSign,
                                             char separator);

// The legend caption of a rectangular trace. holdsEsr tells an Impedance & ESR trace's
// quantity from what its column holds, not from its position among the traces, so a
// pair split by a freed slot is still labelled by its data.
std::string LegendCaption(ChartKind kind, const ChartTrace& trace, bool holdsEsr,
                          const std::string& degreeSign, char separator);

// The value unit of a kind, printed beside the value axis ("[dB]", "[ohm]", "" ...).
std::string ValueUnitText(ChartKind kind);

}  // namespace pelmo

#endif
