#ifndef PELMO_ENGINE_CIRCUIT_MODE_H
#define PELMO_ENGINE_CIRCUIT_MODE_H

#include <optional>
#include <string_view>

namespace pelmo {

// How the chip sits between the two 50 ohm ports: in the signal path (Series) or from
// the line to ground (Shunt). Inductors are always evaluated in series, whatever the
// selection window shows, because their catalogue data are series measurements.
enum class CircuitMode { Series, Shunt };

// "Series", "Shunt": what captions, legends and printed tables show.
std::string_view CircuitModeName(CircuitMode mode) noexcept;
// The mode of a name as CircuitModeName writes it; none for any other text.
std::optional<CircuitMode> CircuitModeFromName(std::string_view name) noexcept;

}  // namespace pelmo

#endif
