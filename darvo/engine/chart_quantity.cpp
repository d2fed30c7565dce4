#include "darvo/engine/chart_quantity.h"

#include <array>
#include <utility>

namespace darvo {

namespace {

constexpr std::array<std::pair<Quantity, std::string_view>, 11> kNames = {{
    {Quantity::Current, "Current"},
    {Quantity::Voltage, "Voltage"},
    {Quantity::ApparentPower, "Apparent Power"},
    {Quantity::EffectivePower, "Effective Power"},
    {Quantity::Frequency, "Frequency"},
    {Quantity::TemperatureRise, "Temperature Rise"},
    {Quantity::Temperature, "Temperature"},
    {Quantity::DcBiasVoltage, "DC Bias Voltage"},
    {Quantity::AcVoltage, "AC Voltage"},
    {Quantity::Capacitance, "Capacitance"},
    {Quantity::CapacitanceChange, "Capacitance Change"},
}};

}  // namespace

std::string_view QuantityName(Quantity quantity) noexcept {
    for (const auto& [q, name] : kNames) {
        if (q == quantity) {
            return name;
        }
    }
    return {};
}

std::optional<Quantity> QuantityFromName(std::string_view name) noexcept {
    for (const auto& [q, text] : kNames) {
        if (text == name) {
            return q;
        }
    }
    return std::nullopt;
}

}  // namespace darvo
