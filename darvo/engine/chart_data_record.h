#ifndef DARVO_ENGINE_CHART_DATA_RECORD_H
#define DARVO_ENGINE_CHART_DATA_RECORD_H

#include "darvo/engine/chart_quantity.h"
#include "darvo/library/product_record.h"

#include <array>
#include <cstdint>

namespace darvo {

// Every curve has this many points; the data files write exactly this many rows.
inline constexpr int kChartPoints = 200;

// One curve: the request that produced it and its computed series. The header is what
// the selection window's boxes held at the time of the request, for every chart type,
// so that a later duplicate test and the legends compare like with like. All numbers
// are single precision because the data files and the duplicate test depend on it.
struct ChartDataRecord {
    using Series = std::array<float, kChartPoints>;

    darvo::ChartType ChartType = TemperatureRise;
    Quantity XAxisName = Quantity::None;
    Quantity YAxisName = Quantity::None;
    std::int32_t ProductIndex = 0;
    float DCBiasVoltage = 0.0F;
    float HeatResistance = 0.0F;
    float Frequency = 0.0F;  // kHz
    float AmbientTemperature = 0.0F;
    Quantity ParameterName = Quantity::None;  // the fixed load of a rise over frequency
    float ParameterValue = 0.0F;
    Series XData{};  // frequencies in Hz
    Series YData{};
    Series PlotX{};  // rewritten by the chart window on every drawing
    Series PlotY{};
    float Xmax = 0.0F;
    float Ymax = 0.0F;
    float Xmin = 0.0F;
    float Ymin = 0.0F;
    float MaxValue = 0.0F;  // allowable-power charts only

    friend bool operator==(const ChartDataRecord&, const ChartDataRecord&) = default;
};

// What a chart window is made of: one chart type over one pair of axis quantities. Every
// curve of a window shares it, and no two open windows have the same.
struct ChartIdentity {
    darvo::ChartType ChartType = TemperatureRise;
    Quantity XAxis = Quantity::None;
    Quantity YAxis = Quantity::None;

    friend bool operator==(const ChartIdentity&, const ChartIdentity&) = default;
};

inline ChartIdentity IdentityOf(const ChartDataRecord& record) noexcept {
    return {record.ChartType, record.XAxisName, record.YAxisName};
}

}  // namespace darvo

#endif
