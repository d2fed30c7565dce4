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

constexpr std::pair<std::string_view, std::string_view> kFileUnits[] = {
    {"Current", "[Arms]"},      {"Voltage", "[Vrms]"},         {"Apparent Power", "[VA]"},
    {"Effective Power", "[W]"}, {"Frequency", "[kHz]"},        {"Temperature Rise", "[C]"},
    {"Temperature", "[C]"},     {"DC Bias Voltage", "[V]"},    {"AC Voltage", "[V]"},
    {"Capacitance", "[pF]"},    {"Capacitance Change", "[%]"},
};

}  // namespace

std::string ChartTypeName(int chartType) {
    if (chartType < 0 || chartType >= static_cast<int>(kChartTypeNames.size())) {
        return {};
    }
    return std::string(kChartTypeNames[static_cast<std::size_t>(chartType)]);
}

std::string DataFileUnit(std::string_view axisName) {
    for (const auto& [name, unit] : kFileUnits) {
        if (name == axisName) {
            return std::string(unit);
        }
    }
    return {};
}

}  // namespace darvo
