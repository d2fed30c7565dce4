#ifndef PELMO_ENGINE_S_PARAMETERS_H
#define PELMO_ENGINE_S_PARAMETERS_H

#include "pelmo/engine/circuit_mode.h"
#include "pelmo/engine/network_impedance.h"

namespace shared {
class Messages;
}

namespace pelmo {

struct OperatingPointResult;

// S11 and S21 of one chip between two 50 ohm ports. A single series or shunt element
// is symmetric and reciprocal, so these two describe the whole two-port.
struct SParameters {
    double S11Real = 0.0;
    double S11Imag = 0.0;
    double S21Real = 0.0;
    double S21Imag = 0.0;
};

// Z in the signal path: S11 = Z/(Z+100), S21 = 100/(Z+100).
SParameters SeriesSParameters(Impedance z);
// Z from the line to ground: S11 = -50/(2Z+50), S21 = 2Z/(2Z+50).
SParameters ShuntSParameters(Impedance z);
SParameters SParametersOf(Impedance z, CircuitMode connection);

// The angle of re + j*im in radians, in (-pi, pi]. Unlike atan2 it gives 0 whenever re
// is 0, as the readouts and files have always shown a purely imaginary S-parameter.
double PhaseAngle(double re, double im);

// Writes SReal, SImag, SMagnitudeDb and SPhaseDeg of both parameters. A zero
// S-parameter has no decibel value: the magnitude becomes 0 dB and "Error at Log10"
// goes to messages (nothing is shown when messages is null).
void StoreSParameters(const SParameters& s, OperatingPointResult& result, shared::Messages* messages);

}  // namespace pelmo

#endif
