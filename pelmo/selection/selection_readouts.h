#ifndef PELMO_SELECTION_SELECTION_READOUTS_H
#define PELMO_SELECTION_SELECTION_READOUTS_H

#include <array>
#include <string>

namespace pelmo {

struct OperatingPointResult;

// The captions of the selection window's readout labels. All empty means cleared
// (ClearReadouts); the window copies them into its labels as they stand.
struct SelectionReadouts {
    std::string Freq;  // lblFreq: SRF [MHz] or "Over 6000"
    std::string Imp;   // lblImp: |Z| [ohm]
    std::string Cap;   // lblCap: series C [pF]
    std::string Ind;   // lblInd: series L [nH]
    std::string Res;   // lblRes: ESR [ohm]
    // Index 0 is S11, index 1 S21.
    std::array<std::string, 2> Mag;
    std::array<std::string, 2> Phase;
    std::array<std::string, 2> Real;
    std::array<std::string, 2> Imag;

    bool operator==(const SelectionReadouts&) const = default;
};

// The readouts of an evaluated operating point in the window's formats. An inductor
// shows its series resistance, a capacitor its ESR. Without S-parameters (a class-5
// part below 0.03 MHz, where the data give none) those eight labels stay empty.
SelectionReadouts ReadoutsOf(const OperatingPointResult& result, bool inductor, bool withSParameters,
                             char separator);

}  // namespace pelmo

#endif
