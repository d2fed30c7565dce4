#ifndef TESTS_PELMO_CHARTS_CHART_TEST_DATA_H
#define TESTS_PELMO_CHARTS_CHART_TEST_DATA_H

#include "pelmo/charts/chart_slot.h"
#include "pelmo/engine/chart_sweep.h"
#include "pelmo/library/records.h"

#include <functional>
#include <string>

namespace pelmo::testing {

// A small library with one part of each kind the chart tests need, by index:
// capacitors 0 "KTE105R104" (class 5, temperature and bias model), 1 "PNE21B104"
// (class 3, no model), 2 "VSD104" (class 2); inductors 0 "PWT15DZ1N0" (class 1, the
// help note), 1 "PWA10N22" (class 1).
Library ChartTestLibrary();

// A slot request as the selection window would fill it, from the names the screen
// shows ("" for no S-parameter or connection).
ChartSlot Request(std::string_view chartName, ProductKind productKind, std::int32_t partIndex,
                  std::string_view sParameter = "", std::string_view connection = "",
                  float temperature = 25.0F, float bias = 0.0F);

// A sweep from start to end [Hz] whose every quantity is value(frequency).
ChartPointTable Sweep(double start, double end, const std::function<double(double)>& value);

}  // namespace pelmo::testing

#endif
