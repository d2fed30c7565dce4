#ifndef PELMO_ENGINE_RESONANCE_SEARCH_H
#define PELMO_ENGINE_RESONANCE_SEARCH_H

#include "pelmo/engine/equivalent_series.h"
#include "pelmo/engine/network_impedance.h"

namespace pelmo {

struct CapacitorRecord;

// What the SRF search found.
struct ResonanceSearchResult {
    double Frequency = 0.0;         // SRF [Hz]
    double SeriesInductance = 0.0;  // Leq [H], corrected when the SRF moved
    int Evaluations = 0;            // network evaluations made, 1 to 101
    bool Found = false;             // false: no agreement, the estimate was kept
};

// The self-resonant frequency of the documented model: start at the estimate
// 1/(2 pi sqrt(Ceq Leq)); the network is at resonance where |Z| and R show the same
// two-decimal figure. Step by 0.1 % in the direction in which |Z| - R falls, for at
// most 101 evaluations. A resonance found away from the estimate corrects Leq so that
// the series model resonates there with the same Ceq; with no agreement the estimate
// and the original Leq are kept.
//
// The search does not depend on the operating frequency, so a sweep may run it once.
// Non-finite intermediate values raise error 6, a zero Ceq error 11.
ResonanceSearchResult SearchResonance(const CapacitorRecord& record, double c1, TemperatureFactors factors,
                                      EquivalentSeries series);

}  // namespace pelmo

#endif
