#include "darvo/selection/plot_conditions.h"

#include "darvo/engine/chart_data_record.h"

#include "shared/text/number_text.h"

#include <optional>

namespace darvo {

namespace {

// A box's number when the text is one under the locale, as a single.
std::optional<float> BoxNumber(std::string_view text, char separator) {
    return shared::ParseSingle(text, separator);
}

}  // namespace

EnabledConditions EnabledFor(int chartType, std::string_view xAxisName) {
    EnabledConditions enabled;
    const bool thermal = chartType == TemperatureRise || chartType == AllowablePower;
    enabled.DCBiasVoltage = thermal || chartType == CapacitanceTemperature;
    enabled.HeatResistance = thermal;
    enabled.AmbientTemperature = thermal || chartType == CapacitanceDcVoltage;
    enabled.Frequency = chartType == TemperatureRise && xAxisName != kFrequencyAxis;
    enabled.Parameter = chartType == TemperatureRise && xAxisName == kFrequencyAxis;
    return enabled;
}

const std::vector<std::string>& ParameterNames() {
    static const std::vector<std::string> names = {"Current", "Voltage", "Effective Power", "Apparent Power"};
    return names;
}

const std::vector<std::string>& XAxisNames(int chartType) {
    static const std::vector<std::vector<std::string>> names = {
        {"Current", "Voltage", "Apparent Power", "Effective Power", "Frequency"},
        {"Frequency"},
        {"Temperature"},
        {"DC Bias Voltage"},
        {"AC Voltage"},
    };
    static const std::vector<std::string> none;
    return chartType >= 0 && chartType < static_cast<int>(names.size())
               ? names[static_cast<std::size_t>(chartType)]
               : none;
}

const std::vector<std::string>& YAxisNames(int chartType) {
    static const std::vector<std::vector<std::string>> names = {
        {"Temperature Rise"},
        {"Current", "Voltage", "Apparent Power", "Effective Power"},
        {"Capacitance", "Capacitance Change"},
        {"Capacitance", "Capacitance Change"},
        {"Capacitance", "Capacitance Change"},
    };
    static const std::vector<std::string> none;
    return chartType >= 0 && chartType < static_cast<int>(names.size())
               ? names[static_cast<std::size_t>(chartType)]
               : none;
}

ConditionTexts DefaultConditions(const ProductRecord& part, shared::CodeSystem codeSystem, char separator) {
    ConditionTexts texts;
    texts.DCBiasVoltage = "0";
    texts.Frequency = "100";
    texts.HeatResistance = shared::GeneralNumberTextSingle(part.HeatModel[3], separator);
    texts.AmbientTemperature = codeSystem == shared::Jis ? "20" : "25";
    texts.ParameterName = ParameterNames().front();
    texts.ParameterValue = shared::GeneralNumberTextSingle(0.1F, separator);
    return texts;
}

ChartDataRecord ChartRequestHeader(int chartType, const std::string& xAxisName, const std::string& yAxisName,
                                   std::int32_t productIndex, const ConditionTexts& texts, char separator) {
    ChartDataRecord record;
    record.ChartType = static_cast<std::int16_t>(chartType);
    record.XAxisName = xAxisName;
    record.YAxisName = yAxisName;
    record.ProductIndex = productIndex;
    record.DCBiasVoltage = BoxNumber(texts.DCBiasVoltage, separator).value_or(0.0F);
    record.HeatResistance = BoxNumber(texts.HeatResistance, separator).value_or(0.0F);
    record.Frequency = BoxNumber(texts.Frequency, separator).value_or(0.0F);
    record.AmbientTemperature = BoxNumber(texts.AmbientTemperature, separator).value_or(0.0F);
    record.ParameterName = texts.ParameterName;
    record.ParameterValue = BoxNumber(texts.ParameterValue, separator).value_or(0.0F);
    return record;
}

}  // namespace darvo
