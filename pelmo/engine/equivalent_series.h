#ifndef PELMO_ENGINE_EQUIVALENT_SERIES_H
#define PELMO_ENGINE_EQUIVALENT_SERIES_H

#include "pelmo/engine/network_impedance.h"

#include <array>

namespace pelmo {

struct CapacitorRecord;

// The six angular frequencies [rad/s] at which a capacitor's equivalent series C and L
// are derived. Parts of 1 uF and more are characterised a decade lower (omega0 and
// omega1), because their main resonance lies lower too.
using CharacterizationFrequencies = std::array<double, 6>;

// omega0 .. omega5 for a nominal capacitance in pF; exactly 1e6 pF takes the low
// column.
CharacterizationFrequencies CharacterizationFrequenciesFor(double nominalCapacitance) noexcept;

// The frequencies of a record, from its number text NominalCapacitance, written with
// separator (the loader gives it the separator the program shows). A text that is no
// number raises error 13 "Type mismatch".
CharacterizationFrequencies CharacterizationFrequenciesOf(const CapacitorRecord& record, char separator);

// The one series L and C whose reactance omega*L - 1/(omega*C) matches the network's
// reactance at both omegaA and omegaB.
struct EquivalentSeries {
    double Inductance = 0.0;   // Leq [H]
    double Capacitance = 0.0;  // Ceq [F]
};

// Leq(a, b) and Ceq(a, b) of the network with main-branch capacitance c1 [F].
EquivalentSeries EquivalentSeriesAt(const CapacitorRecord& record, double c1, TemperatureFactors factors,
                                    double omegaA, double omegaB);

}  // namespace pelmo

#endif
