#ifndef TESTS_DARVO_ENGINE_ENGINE_TEST_PARTS_H
#define TESTS_DARVO_ENGINE_ENGINE_TEST_PARTS_H

#include "darvo/engine/chart_data_record.h"
#include "darvo/library/product_record.h"

#include <cmath>
#include <string>

namespace darvo::testing {

// A part whose loss laws have closed forms: the rise per A² is b0 at every frequency
// (a0 = c0 = 0) and the rise per V^F is d at every frequency (E = 0), both at the
// reference heat resistance q, independent of temperature and bias.
inline ProductRecord HeatPart(float b0, float d, float f, float q = 100.0F, float tmax = 125.0F,
                              float ratedVoltage = 10.0F) {
    ProductRecord part;
    part.RatedVoltage = ratedVoltage;
    part.HeatModel[1] = b0;
    part.HeatModel[3] = q;
    part.HeatModel[18] = static_cast<float>(std::log10(static_cast<double>(d)));  // d8
    part.HeatModel[36] = f;                                                       // f8
    part.HeatModel[37] = tmax;
    return part;
}

inline ChartDataRecord ThermalRequest(int chartType, Quantity x, Quantity y, float rth, float ambient = 25.0F,
                                      float dcBias = 0.0F) {
    ChartDataRecord record;
    record.ChartType = static_cast<ChartType>(chartType);
    record.XAxisName = x;
    record.YAxisName = y;
    record.HeatResistance = rth;
    record.AmbientTemperature = ambient;
    record.DCBiasVoltage = dcBias;
    record.Frequency = 100.0F;
    record.ParameterName = Quantity::Current;
    return record;
}

}  // namespace darvo::testing

#endif
