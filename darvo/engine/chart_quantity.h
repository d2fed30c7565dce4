#ifndef DARVO_ENGINE_CHART_QUANTITY_H
#define DARVO_ENGINE_CHART_QUANTITY_H

#include <optional>
#include <string_view>

namespace darvo {

// The quantities a chart may have on an axis, and the fixed load of a temperature rise
// over frequency (Current, Voltage, EffectivePower, ApparentPower). The program compares
// and stores these; the texts of QuantityName appear only where a window, file or print
// shows them. None is the quantity of the empty record of an empty chart table, which
// no request ever matches.
enum class Quantity {
    None,
    Current,
    Voltage,
    ApparentPower,
    EffectivePower,
    Frequency,
    TemperatureRise,
    Temperature,
    DcBiasVoltage,
    AcVoltage,
    Capacitance,
    CapacitanceChange,
};

// "Current", "Voltage", "Apparent Power", "Effective Power", "Frequency", "Temperature
// Rise", "Temperature", "DC Bias Voltage", "AC Voltage", "Capacitance", "Capacitance
// Change"; empty for None.
std::string_view QuantityName(Quantity quantity) noexcept;
// The quantity a list text names; nothing for a text that names none (the empty text
// included).
std::optional<Quantity> QuantityFromName(std::string_view name) noexcept;

}  // namespace darvo

#endif
