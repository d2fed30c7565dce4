#include "pelmo/cli/cli_output.h"

#include "pelmo/engine/operating_point_result.h"

#include <array>
#include <charconv>
#include <string_view>
#include <utility>

namespace pelmo {

namespace {

template <class Number>
std::string ShortestExactText(Number value, int precision) {
    // to_chars writes as printf's %.*g does in the C locale, never with the user's
    // separator.
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::general, precision);
    if (error != std::errc()) {
        return "0";
    }
    return std::string(buffer.data(), end);
}

void AppendScalar(std::string& json, std::string_view key, double value, bool& first) {
    json += first ? "{\n" : ",\n";
    first = false;
    json += "  \"";
    json += key;
    json += "\": ";
    json += FullPrecisionText(value);
}

void AppendPair(std::string& json, std::string_view key, const std::array<double, 2>& values, bool& first) {
    json += first ? "{\n" : ",\n";
    first = false;
    json += "  \"";
    json += key;
    json += "\": [";
    json += FullPrecisionText(values[0]);
    json += ", ";
    json += FullPrecisionText(values[1]);
    json += "]";
}

// The ChartPoint members in the order the chart windows index them.
constexpr std::pair<std::string_view, double ChartPoint::*> kChartColumns[] = {
    {"Frequency", &ChartPoint::Frequency},
    {"S11Real", &ChartPoint::S11Real},
    {"S11Imag", &ChartPoint::S11Imag},
    {"S21Real", &ChartPoint::S21Real},
    {"S21Imag", &ChartPoint::S21Imag},
    {"S11MagnitudeDb", &ChartPoint::S11MagnitudeDb},
    {"S21MagnitudeDb", &ChartPoint::S21MagnitudeDb},
    {"S11PhaseDeg", &ChartPoint::S11PhaseDeg},
    {"S21PhaseDeg", &ChartPoint::S21PhaseDeg},
    {"ImpedanceMagnitude", &ChartPoint::ImpedanceMagnitude},
    {"Esr", &ChartPoint::Esr},
    {"Reactance", &ChartPoint::Reactance},
    {"Capacitance", &ChartPoint::Capacitance},
    {"Q", &ChartPoint::Q},
    {"DF", &ChartPoint::DF},
    {"ApparentCapacitance", &ChartPoint::ApparentCapacitance},
    {"ApparentInductance", &ChartPoint::ApparentInductance},
};

}  // namespace

std::string FullPrecisionText(double value) {
    return ShortestExactText(value, 17);
}

std::string FullPrecisionText(float value) {
    return ShortestExactText(value, 9);
}

std::string OperatingPointJson(const OperatingPointResult& result) {
    std::string json;
    bool first = true;
    AppendScalar(json, "ResonantFrequency", result.ResonantFrequency, first);
    AppendScalar(json, "ImpedanceMagnitude", result.ImpedanceMagnitude, first);
    AppendScalar(json, "Reactance", result.Reactance, first);
    AppendScalar(json, "Resistance", result.Resistance, first);
    AppendScalar(json, "SeriesInductance", result.SeriesInductance, first);
    AppendScalar(json, "SeriesCapacitance", result.SeriesCapacitance, first);
    AppendScalar(json, "QualityFactor", result.QualityFactor, first);
    AppendScalar(json, "DissipationFactor", result.DissipationFactor, first);
    AppendScalar(json, "SeriesReactance", result.SeriesReactance, first);
    AppendScalar(json, "ApparentCapacitance", result.ApparentCapacitance, first);
    AppendScalar(json, "ApparentInductance", result.ApparentInductance, first);
    AppendScalar(json, "InductorSeriesResistance", result.InductorSeriesResistance, first);
    AppendPair(json, "SReal", result.SReal, first);
    AppendPair(json, "SImag", result.SImag, first);
    AppendPair(json, "SMagnitudeDb", result.SMagnitudeDb, first);
    AppendPair(json, "SPhaseDeg", result.SPhaseDeg, first);
    json += "\n}\n";
    return json;
}

std::string ChartPointCsv(const ChartPointTable& points) {
    std::string csv;
    for (const auto& [name, member] : kChartColumns) {
        if (!csv.empty()) {
            csv += ',';
        }
        csv += name;
    }
    csv += '\n';
    for (const ChartPoint& point : points) {
        bool first = true;
        for (const auto& column : kChartColumns) {
            if (!first) {
                csv += ',';
            }
            first = false;
            csv += FullPrecisionText(point.*column.second);
        }
        csv += '\n';
    }
    return csv;
}

}  // namespace pelmo
