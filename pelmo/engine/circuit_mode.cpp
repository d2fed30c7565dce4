#include "pelmo/engine/circuit_mode.h"

namespace pelmo {

std::string_view CircuitModeName(CircuitMode mode) noexcept {
    return mode == CircuitMode::Shunt ? "Shunt" : "Series";
}

std::optional<CircuitMode> CircuitModeFromName(std::string_view name) noexcept {
    for (const CircuitMode mode : {CircuitMode::Series, CircuitMode::Shunt}) {
        if (CircuitModeName(mode) == name) return mode;
    }
    return std::nullopt;
}

}  // namespace pelmo
