#include "darvo/library/product_record.h"

#include <algorithm>

namespace darvo {

namespace {

template <class Iterator>
bool AnyNonZero(Iterator first, Iterator last) {
    return std::any_of(first, last, [](float value) { return value != 0.0F; });
}

}  // namespace

void SetChartAvailability(ProductRecord& record) {
    const bool heat = AnyNonZero(record.HeatModel.begin(), record.HeatModel.end());
    const bool staticCap =
        AnyNonZero(record.CapModel.begin(), record.CapModel.begin() + kCapModelStaticCount);
    const bool anyCap = AnyNonZero(record.CapModel.begin(), record.CapModel.end());
    record.ChartAvailable[TemperatureRise] = heat;
    record.ChartAvailable[AllowablePower] = heat;
    record.ChartAvailable[CapacitanceTemperature] = staticCap;
    record.ChartAvailable[CapacitanceDcVoltage] = staticCap;
    record.ChartAvailable[CapacitanceAcVoltage] = anyCap;
}

bool AnyChartAvailable(const ProductRecord& record) {
    return std::any_of(record.ChartAvailable.begin(), record.ChartAvailable.end(),
                       [](bool available) { return available; });
}

}  // namespace darvo
