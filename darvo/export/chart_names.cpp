#include "darvo/export/chart_names.h"

#include <array>
#include <utility>

namespace darvo {

namespace {

constexpr std::array<std::string_view, 5> kChartTypeNames = {
    "Temperature Rise Characteristics",        "Allowable power",
    "Capacitance-Temperature Characteristics", "Capacitance-DC Voltage Characteristics",
    "Capacitance-AC Voltage Characteristics",
};

constexpr std::pair<Quantity, std::string_view> kFileUnits[] = {
    {Quantity::Current, "[Arms]"},        {Quantity::Voltage, "[Vrms]"},
    {Quantity::ApparentPower, "[VA]"},    {Quantity::EffectivePower, "[W]"},
    {Quantity::Frequency, "[kHz]"},       {Quantity::TemperatureRise, "[C]"},
    {Quantity::Temperature, "[C]"},       {Quantity::DcBiasVoltage, "[V]"},
    {Quantity::AcVoltage, "[V]"},         {Quantity::Capacitance, "[pF]"},
    {Quantity::CapacitanceChange, "[%]"},
};

}  // namespace

std::string ChartTypeName(int chartType) {
    if (chartType < 0 || chartType >= static_cast<int>(kChartTypeNames.size())) {
        return {};
    }
    return std::string(kChartTypeNames[static_cast<std::size_t>(chartType)]);
}

std::string DataFileUnit(Quantity quantity) {
    for (const auto& [q, unit] : kFileUnits) {
        if (q == quantity) {
            return std::string(unit);
        }
    }
    return {};
}

}  // namespace darvo
