#ifndef PELMO_ENGINE_INDUCTOR_EVALUATION_H
#define PELMO_ENGINE_INDUCTOR_EVALUATION_H

namespace shared {
class Messages;
}

namespace pelmo {

struct InductorRecord;
struct OperatingPointResult;

// An inductor at omega [rad/s]: the loss network (Rs(f) parallel to R1 + L1) in series
// with L0(f) and R0, all shunted by Cp, between two 50 ohm ports in series whatever
// connection the window shows. Writes exactly the inductor's fields of result: the SRF
// is the record's SelfResonance, Q is signed, and DissipationFactor, SeriesReactance
// and ApparentCapacitance keep their values. Every written value is checked to be
// finite first; on shared::RuntimeError (6 overflow, 11 division by zero) result is left
// as it was. messages receives "Error at Log10" for a zero S-parameter.
void EvaluateInductor(const InductorRecord& record, double omega, OperatingPointResult& result,
                      shared::Messages* messages = nullptr);

}  // namespace pelmo

#endif
