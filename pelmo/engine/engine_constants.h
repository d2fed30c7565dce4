#ifndef PELMO_ENGINE_ENGINE_CONSTANTS_H
#define PELMO_ENGINE_ENGINE_CONSTANTS_H

namespace pelmo {

// 2 pi and pi as the decimal constants the program has always used. They are not the
// full-precision values on purpose: every published SRF, grid frequency and phase was
// computed with them, so files and readouts only match when these exact digits are used.
inline constexpr double kTwoPi = 6.283185308;
inline constexpr double kPi = 3.141592654;

// Library units: capacitances are stored in pF, inductances in nH.
inline constexpr double kPicoFarad = 1e-12;
inline constexpr double kNanoHenry = 1e-9;

// The angular frequency [rad/s] of a frequency in Hz, as sweeps and exports compute it.
constexpr double AngularFrequency(double hertz) noexcept {
    return hertz * kTwoPi;
}

// The angular frequency of a frequency in MHz, as the selection window computes it from
// its frequency box. The same constants in another order give other last bits, and the
// readouts have always shown those.
constexpr double AngularFrequencyFromMegahertz(double megahertz) noexcept {
    return megahertz * 2.0 * kPi * 1e6;
}

}  // namespace pelmo

#endif
