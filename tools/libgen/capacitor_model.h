#ifndef TOOLS_LIBGEN_CAPACITOR_MODEL_H
#define TOOLS_LIBGEN_CAPACITOR_MODEL_H

#include "pelmo/library/records.h"

namespace pelmo::libgen {

class SplitMix64;
struct ChipOutline;
struct TemperatureCharacteristic;

// What decides a capacitor's equivalent circuit: its geometry, dielectric, value and
// rating, and whether it is a precious-metal high-Q RF part.
struct CapacitorDesign {
    const ChipOutline* outline = nullptr;
    const TemperatureCharacteristic* characteristic = nullptr;
    double nominalPf = 0.0;
    double ratedVolts = 0.0;
    double thicknessMm = 0.0;
    bool thinnestChip = false;    // the thinnest of several thicknesses: fewer layers
    bool highQ = false;           // precious-metal electrodes, Q set at 1 GHz
    bool maxCv = false;           // thinnest dielectric layers of the size
    bool secondMode = false;      // an 18/20 GHz part: the third branch carries a mode
    float upperFrequency = 0.0F;  // [Hz]
};

// The DC-bias shape q(v) = b1 v + b2 v^2 + b3 v^3 + b4 v^4 [%], v = V / Vr, chosen by
// how hard a part's dielectric layers are driven.
struct BiasFamily {
    double b1, b2, b3, b4;
};
BiasFamily ChooseBiasFamily(const CapacitorDesign& design);

// Fills every model field of record (the cap.dat half) for design, with a little
// part-to-part scatter from random. The circuit resonates at 1/(2 pi sqrt(L1 C1)),
// the resistances are positive at every frequency and temperature the program uses,
// and the condition model stays inside the dielectric's published limits.
void FillCapacitorModel(const CapacitorDesign& design, SplitMix64& random, CapacitorRecord& record);

}  // namespace pelmo::libgen

#endif
