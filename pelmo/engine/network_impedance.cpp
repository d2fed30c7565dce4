#include "pelmo/engine/network_impedance.h"

#include "pelmo/engine/checked_arithmetic.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/library/records.h"

#include <cmath>

namespace pelmo {

namespace {

// The reactance of a series L-C: omega*L - 1/(omega*C), with L in H and C in F.
double SeriesReactance(double omega, double inductance, double capacitance) {
    return omega * inductance - Divide(1.0, omega * capacitance);
}

}  // namespace

Impedance ParallelConnection(Impedance a, Impedance b) {
    const double sumR = a.R + b.R;
    const double sumX = a.X + b.X;
    const double d = sumR * sumR + sumX * sumX;
    const double productR = a.R * b.R - a.X * b.X;
    const double productX = a.R * b.X + a.X * b.R;
    return {Divide(productR * sumR + productX * sumX, d), Divide(productX * sumR - productR * sumX, d)};
}

double MainBranchResistance(const CapacitorRecord& record, double frequency, TemperatureFactors factors) {
    return Divide(1e9 * factors.FA * record.Ra, frequency) + factors.FB * record.Rb +
           factors.FB * record.Rc * std::pow(frequency / 1e9, double{record.RcExponent});
}

Impedance NetworkImpedance(const CapacitorRecord& record, double c1, double omega,
                           TemperatureFactors factors) {
    const double frequency = omega / 2.0 / kPi;
    const double x1 = SeriesReactance(omega, record.L1 * kNanoHenry, c1);
    const double x2 = SeriesReactance(omega, record.L2 * kNanoHenry, record.C2 * kPicoFarad);
    const double x3 = SeriesReactance(omega, record.L3 * kNanoHenry, record.C3 * kPicoFarad);
    const Impedance z12 =
        ParallelConnection({record.R2, x2}, {MainBranchResistance(record, frequency, factors), x1});
    return ParallelConnection(z12, {record.R3, x3});
}

}  // namespace pelmo
