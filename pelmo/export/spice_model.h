#ifndef PELMO_EXPORT_SPICE_MODEL_H
#define PELMO_EXPORT_SPICE_MODEL_H

#include "pelmo/export/export_subject.h"

#include "shared/parts/code_system.h"

#include <string>
#include <vector>

namespace pelmo {

struct CapacitorRecord;
struct InductorRecord;
struct Library;
struct PreparedCapacitor;

// One default of the subcircuit's "params:" list, in SI units. The names are the
// netlist's own: a user overrides them on the instance line, so they stay short and
// never change once published.
struct SpiceParameter {
    std::string Name;
    double Value = 0.0;
};

// The values of a part's equivalent circuit as the netlist carries them: exactly the
// doubles the engine computes with, so the simulator reproduces the engine's impedance.
struct SpiceModel {
    ProductKind Product = ProductKind::Capacitor;
    shared::CodeSystem CodeSystem = shared::Eia;  // the notation the part number is shown in
    double OperatingFrequency = 0.0;              // [Hz]; also the parameter "fop"
    std::vector<SpiceParameter> Parameters;       // in the order of the params: list
};

// A capacitor at prepared conditions: the effective C1 the readouts use, L1, the loss
// coefficients of Rm(f) with the temperature factors FA and FB, the two side branches
// and the operating frequency.
SpiceModel CapacitorSpiceModel(const CapacitorRecord& record, const PreparedCapacitor& prepared,
                               double operatingFrequency);

// An inductor: Rs(f) and L0(f) by their coefficients, R1, L1, R0, Cp and the operating
// frequency.
SpiceModel InductorSpiceModel(const InductorRecord& record, double operatingFrequency);

// The model of an export's part, found in library by the subject's kind and index, at
// the capacitor's temperature [C] and bias [V] (read from the checked fields) and the
// operating frequency [Hz]. Raises shared::RuntimeError: 9 for an index outside its
// table, what PrepareCapacitor raises for a part that cannot be evaluated, 6 for a value
// that is not finite (the file would carry "inf" and still be reported saved).
// separator is the one library was loaded with.
SpiceModel SubjectSpiceModel(const Library& library, const ExportSubject& subject, double temperature,
                             double bias, shared::CodeSystem codeSystem, char separator,
                             double operatingFrequency);

}  // namespace pelmo

#endif
