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

EnabledConditions EnabledFor(ChartType chartType, Quantity xAxis) {
    EnabledConditions enabled;
    const bool thermal = chartType == TemperatureRise || chartType == AllowablePower;
    enabled.DCBiasVoltage = thermal || chartType == CapacitanceTemperature;
    enabled.HeatResistance = thermal;
    enabled.AmbientTemperature = thermal || chartType == CapacitanceDcVoltage;
    enabled.Frequency = chartType == TemperatureRise && xAxis != Quantity::Frequency;
    enabled.Parameter = chartType == TemperatureRise && xAxis == Quantity::Frequency;
    return enabled;
}

const std::vector<Quantity>& ParameterQuantities() {
    static const std::vector<Quantity> names = {Quantity::Current, Quantity::Voltage,
                                                Quantity::EffectivePower, Quantity::ApparentPower};
    return names;
}

const std::vector<Quantity>& XAxisQuantities(ChartType chartType) {
    static const std::vector<std::vector<Quantity>> names = {
        {Quantity::Current, Quantity::Voltage, Quantity::ApparentPower, Quantity::EffectivePower,
         Quantity::Frequency},
        {Quantity::Frequency},
        {Quantity::Temperature},
        {Quantity::DcBiasVoltage},
        {Quantity::AcVoltage},
    };
    static const std::vector<Quantity> none;
    return chartType >= 0 && chartType < static_cast<int>(names.size())
               ? names[static_cast<std::size_t>(chartType)]
               : none;
}

const std::vector<Quantity>& YAxisQuantities(ChartType chartType) {
    static const std::vector<std::vector<Quantity>> names = {
        {Quantity::TemperatureRise},
        {Quantity::Current, Quantity::Voltage, Quantity::ApparentPower, Quantity::EffectivePower},
        {Quantity::Capacitance, Quantity::CapacitanceChange},
        {Quantity::Capacitance, Quantity::CapacitanceChange},
        {Quantity::Capacitance, Quantity::CapacitanceChange},
    };
    static const std::vector<Quantity> none;
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
    texts.Parameter = ParameterQuantities().front();
    texts.ParameterValue = shared::GeneralNumberTextSingle(0.1F, separator);
    return texts;
}

ChartDataRecord ChartRequestHeader(const ChartIdentity& identity, std::int32_t productIndex,
                                   const ConditionTexts& texts, char separator) {
    ChartDataRecord record;
    record.ChartType = identity.ChartType;
    record.XAxisName = identity.XAxis;
    record.YAxisName = identity.YAxis;
    record.ProductIndex = productIndex;
    record.DCBiasVoltage = BoxNumber(texts.DCBiasVoltage, separator).value_or(0.0F);
    record.HeatResistance = BoxNumber(texts.HeatResistance, separator).value_or(0.0F);
    record.Frequency = BoxNumber(texts.Frequency, separator).value_or(0.0F);
    record.AmbientTemperature = BoxNumber(texts.AmbientTemperature, separator).value_or(0.0F);
    record.ParameterName = texts.Parameter;
    record.ParameterValue = BoxNumber(texts.ParameterValue, separator).value_or(0.0F);
    return record;
}

}  // namespace darvo
