#ifndef PELMO_EXPORT_READOUT_CAPTIONS_H
#define PELMO_EXPORT_READOUT_CAPTIONS_H

#include "pelmo/export/impedance_table_writer.h"

#include <string>

namespace pelmo {

struct OperatingPointResult;

// The captions of the selection window's SRF, capacitance and inductance readouts for
// an evaluated operating point, in the window's own formats. The impedance table copies
// them into its header; computing them here lets a caller without a window (the
// command-line export) write the same header, and lets the window refresh them at the
// export's conditions before the header is written.

// lblFreq: SRF in MHz with "####0" above 1 GHz, "###0.0" above 100 MHz, "##0.00" above
// 10 MHz, "#0.000" above 0 Hz, and "Over 6000" for an SRF of 0 or less (an inductor
// whose data give none).
std::string SrfReadoutText(double resonantFrequency, char separator);

// lblFreq, lblCap (pF) and lblInd (nH) of result.
ImpedanceReadouts ImpedanceReadoutsOf(const OperatingPointResult& result, char separator);

}  // namespace pelmo

#endif
