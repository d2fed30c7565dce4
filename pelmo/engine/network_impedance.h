#ifndef PELMO_ENGINE_NETWORK_IMPEDANCE_H
#define PELMO_ENGINE_NETWORK_IMPEDANCE_H

namespace pelmo {

struct CapacitorRecord;

// A complex impedance kept as its two real parts, the form every formula of the model
// is written in.
struct Impedance {
    double R = 0.0;  // resistance [ohm]
    double X = 0.0;  // reactance [ohm]
};

// The resistance factors of the main branch at the operating temperature: FA scales the
// 1/f term, FB the constant and the power-law terms. Both are 1 at the reference
// temperature.
struct TemperatureFactors {
    double FA = 1.0;
    double FB = 1.0;
};

// Za parallel to Zb, Za*Zb/(Za+Zb) in real arithmetic. Two impedances that sum to zero
// have no parallel value and raise error 11.
Impedance ParallelConnection(Impedance a, Impedance b);

// Rm(f) of the main branch: the 1/f loss term, the constant term and the f^n term, the
// first two scaled to their value at 1 GHz. f in Hz.
double MainBranchResistance(const CapacitorRecord& record, double frequency, TemperatureFactors factors);

// The capacitor's three series R-L-C branches in parallel, with main-branch capacitance
// c1 [F] at the angular frequency omega [rad/s]. The capacitance is a parameter because
// the temperature and bias model evaluates the network with the stored C1 as well as
// with its own effective value. A zero branch capacitance or omega raises error 11.
Impedance NetworkImpedance(const CapacitorRecord& record, double c1, double omega,
                           TemperatureFactors factors);

}  // namespace pelmo

#endif
