#ifndef TESTS_PELMO_ENGINE_ENGINE_TEST_PARTS_H
#define TESTS_PELMO_ENGINE_ENGINE_TEST_PARTS_H

#include "pelmo/library/records.h"

#include <complex>
#include <numbers>

namespace pelmo::testing {

// A capacitor that is a plain series R-L-C: branches 2 and 3 are so resistive that
// they vanish beside it, so closed forms apply.
inline CapacitorRecord SeriesRlcCapacitor(float resistance, float inductanceNh, float capacitancePf) {
    CapacitorRecord record;
    record.PartNumber = {"KTA155R71H104KA88", "KTA155R71H104KA88"};
    record.TempChar = {"X7R", "B"};
    record.NominalCapacitance = "10";
    record.ModelType = 1;
    record.C1 = capacitancePf;
    record.L1 = inductanceNh;
    record.Rb = resistance;
    record.C2 = 1.0F;
    record.R2 = 1e30F;
    record.C3 = 1.0F;
    record.R3 = 1e30F;
    record.UpperFrequency = 6e9F;
    return record;
}

// A capacitor with all three branches and every loss term in play.
inline CapacitorRecord ThreeBranchCapacitor() {
    CapacitorRecord record = SeriesRlcCapacitor(0.05F, 0.4F, 1000.0F);
    record.Ra = 0.002F;
    record.Rc = 0.03F;
    record.RcExponent = 0.5F;
    record.C2 = 20.0F;
    record.L2 = 1.5F;
    record.R2 = 3.0F;
    record.C3 = 0.3F;
    record.L3 = 0.1F;
    record.R3 = 8.0F;
    return record;
}

// The capacitor's impedance from complex branch impedances, as a reference that shares
// nothing with the engine's real-arithmetic formulas. c1 in F.
inline std::complex<double> ReferenceCapacitorImpedance(const CapacitorRecord& r, double c1, double omega,
                                                        double fa = 1.0, double fb = 1.0) {
    using namespace std::complex_literals;
    const double f = omega / 2.0 / 3.141592654;
    const double rm = fa * r.Ra * (1e9 / f) + fb * r.Rb + fb * r.Rc * std::pow(f / 1e9, r.RcExponent);
    auto branch = [omega](double res, double nh, double cap) {
        return res + 1i * (omega * nh * 1e-9) + 1.0 / (1i * omega * cap);
    };
    const std::complex<double> z1 = branch(rm, r.L1, c1);
    const std::complex<double> z2 = branch(r.R2, r.L2, r.C2 * 1e-12);
    const std::complex<double> z3 = branch(r.R3, r.L3, r.C3 * 1e-12);
    return 1.0 / (1.0 / z1 + 1.0 / z2 + 1.0 / z3);
}

// L and C of the series model X = omega*L - 1/(omega*C) through two reactances, by
// Cramer's rule on the unknowns L and 1/C.
struct SeriesLc {
    double L;
    double C;
};
inline SeriesLc SolveSeriesLc(double omegaA, double xa, double omegaB, double xb) {
    const double det = omegaA * (-1.0 / omegaB) - omegaB * (-1.0 / omegaA);
    const double l = (xa * (-1.0 / omegaB) - xb * (-1.0 / omegaA)) / det;
    const double inverseC = (omegaA * xb - omegaB * xa) / det;
    return {l, 1.0 / inverseC};
}

inline double ResonanceOf(double l, double c) {
    return 1.0 / (2.0 * std::numbers::pi * std::sqrt(l * c));
}

// An inductor with every term of the model in play.
inline InductorRecord TestInductor() {
    InductorRecord record;
    record.PartNumber = "PWL1005C10NJ";
    record.L0 = 10.0F;
    record.L0Exponent = -0.01F;
    record.RsCoef = 400.0F;
    record.RsExponent = 0.6F;
    record.Cp = 0.08F;
    record.L1 = 0.5F;
    record.R1 = 2.0F;
    record.R0 = 0.15F;
    record.SelfResonance = 5.6e9F;
    record.UpperFrequency = 6e9F;
    return record;
}

}  // namespace pelmo::testing

#endif
