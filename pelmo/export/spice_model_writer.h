#ifndef PELMO_EXPORT_SPICE_MODEL_WRITER_H
#define PELMO_EXPORT_SPICE_MODEL_WRITER_H

#include "pelmo/export/export_subject.h"
#include "pelmo/export/spice_model.h"

#include <string>
#include <vector>

namespace shared {
class FileSink;
}

namespace pelmo {

// The SPICE model file: an ngspice subcircuit of the part between pins 1 and 2, named
// after the part number as shown, with the model's values as the defaults of its
// "params:" so that an instance line can vary them.
//
// Frequency-dependent elements (Rm of a capacitor's main branch, Rs and L0 of an
// inductor) are behavioural resistors and inductors whose value is an expression of
// ngspice's hertz. In AC analysis hertz is the analysis frequency, so the model is the
// engine's impedance at every frequency; in the operating point, DC and transient hertz
// is 0, and the expressions then take the operating frequency "fop" instead.

// A number as the netlist writes it: 17 significant digits in exponent form, "." for
// the decimal point whatever the locale ("1.0000000000000000e-12"). 17 digits read back
// to the same double, so the simulator computes with the engine's values.
std::string SpiceNumberText(double value);

// The whole file without line ends: the comment header (part number and notation, the
// conditions of a capacitor with a condition model, the frequency range of the class,
// the operating frequency, program and version, what the model is exact for, how to use
// it), then .subckt ... .ends. Raises shared::RuntimeError 5 for a part number that is
// no SPICE name (empty, a blank, or a character the netlist syntax reserves) and for a
// subject without a frequency range class.
std::vector<std::string> SpiceModelLines(const ExportSubject& subject, const SpiceModel& model);

// Writes the lines onto sink, each ended by CR LF as the program's other files are
// (ngspice reads either ending). Does not commit (see WriteTouchstone).
void WriteSpiceModel(const ExportSubject& subject, const SpiceModel& model, shared::FileSink& sink);

}  // namespace pelmo

#endif
