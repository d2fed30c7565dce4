#ifndef DARVO_EXPORT_CHART_NAMES_H
#define DARVO_EXPORT_CHART_NAMES_H

#include "darvo/engine/chart_quantity.h"

#include <string>

namespace darvo {

// The name of a chart type as the selection window's options caption it and every
// window, file and print repeats it ("Temperature Rise Characteristics", ...). Empty
// for a number outside 0 .. 4, as no option is then selected.
std::string ChartTypeName(int chartType);

// The unit text of an axis quantity as the data file writes it: the chart windows'
// units, except that both temperatures read "[C]", because the file holds no degree
// sign. Empty for Quantity::None.
std::string DataFileUnit(Quantity quantity);

}  // namespace darvo

#endif
