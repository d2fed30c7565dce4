#ifndef PELMO_ENGINE_OPERATING_POINT_RESULT_H
#define PELMO_ENGINE_OPERATING_POINT_RESULT_H

#include <array>

namespace pelmo {

// Everything the selection window shows about a part at one frequency. One instance
// lives in the selection window and every evaluation overwrites only the fields it is
// documented to write; the others keep the value of the last evaluation that wrote
// them. Charts and exports read the stale fields too (an apparent capacitance above
// the SRF repeats the last value below it), so the evaluations must never clear or
// recompute a field they do not own.
//
// Index 0 of the S-parameter arrays is S11, index 1 is S21.
struct OperatingPointResult {
    double ResonantFrequency = 0.0;         // [Hz]
    double ImpedanceMagnitude = 0.0;        // |Z| [ohm]
    double Reactance = 0.0;                 // X [ohm]
    double Resistance = 0.0;                // R, the ESR [ohm]
    double SeriesInductance = 0.0;          // [H]
    double SeriesCapacitance = 0.0;         // [F]
    double QualityFactor = 0.0;             // capacitor |X/R|, inductor X/R (signed)
    double DissipationFactor = 0.0;         // capacitor only: 1/Q
    double SeriesReactance = 0.0;           // capacitor only: Xeq [ohm]
    double ApparentCapacitance = 0.0;       // capacitor only, below the SRF [F]
    double ApparentInductance = 0.0;        // [H]
    double InductorSeriesResistance = 0.0;  // inductor only: Rser [ohm]
    std::array<double, 2> SReal{};
    std::array<double, 2> SImag{};
    std::array<double, 2> SMagnitudeDb{};
    std::array<double, 2> SPhaseDeg{};  // [deg]
};

}  // namespace pelmo

#endif
