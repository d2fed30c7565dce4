#ifndef PELMO_CLI_CLI_OUTPUT_H
#define PELMO_CLI_CLI_OUTPUT_H

#include "pelmo/engine/chart_sweep.h"

#include <string>

namespace pelmo {

struct OperatingPointResult;

// Machine-readable results. Numbers carry every bit of their value (%.17g for doubles,
// %.9g for singles) with "." whatever the locale, so a script can compare runs and
// programs exactly rather than to the rounding of the window's readouts.

std::string FullPrecisionText(double value);
std::string FullPrecisionText(float value);

// One JSON object whose keys are the OperatingPointResult field names in declaration
// order; the four S-parameter fields are arrays [S11, S21]. One key per line, ending in
// a line end.
std::string OperatingPointJson(const OperatingPointResult& result);

// The ChartPoint fields as a CSV header line and one line per point, "\n" after each.
std::string ChartPointCsv(const ChartPointTable& points);

}  // namespace pelmo

#endif
