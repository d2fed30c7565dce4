#ifndef PELMO_ENGINE_CIRCUIT_MODE_H
#define PELMO_ENGINE_CIRCUIT_MODE_H

namespace pelmo {

// How the chip sits between the two 50 ohm ports: in the signal path (Series) or from
// the line to ground (Shunt). Inductors are always evaluated in series, whatever the
// selection window shows, because their catalogue data are series measurements.
enum class CircuitMode { Series, Shunt };

}  // namespace pelmo

#endif
