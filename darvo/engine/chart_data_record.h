#ifndef DARVO_ENGINE_CHART_DATA_RECORD_H
#define DARVO_ENGINE_CHART_DATA_RECORD_H

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace darvo {

// Every curve has this many points; the data files write exactly this many rows.
inline constexpr int kChartPoints = 200;

// The X quantity of the temperature rise over frequency, whose fixed load is the
// parameter instead of the frequency box, and of every allowable-power chart.
inline constexpr std::string_view kFrequencyAxis = "Frequency";

// One curve: the request that produced it and its computed series. The header is what
// the selection window's boxes held at the time of the request, for every chart type,
// so that a later duplicate test and the legends compare like with like. All numbers
// are single precision because the data files and the duplicate test depend on it.
struct ChartDataRecord {
    using Series = std::array<float, kChartPoints>;

    std::int16_t ChartType = 0;  // the numbers of darvo::ChartType
    std::string XAxisName;
    std::string YAxisName;
    std::int32_t ProductIndex = 0;
    float DCBiasVoltage = 0.0F;
    float HeatResistance = 0.0F;
    float Frequency = 0.0F;  // kHz
    float AmbientTemperature = 0.0F;
    std::string ParameterName;
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

}  // namespace darvo

#endif
