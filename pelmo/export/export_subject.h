#ifndef PELMO_EXPORT_EXPORT_SUBJECT_H
#define PELMO_EXPORT_EXPORT_SUBJECT_H

#include "pelmo/engine/circuit_mode.h"
#include "pelmo/library/product_kind.h"

#include <string>

namespace pelmo {

// Everything the two export files say about the part, taken from the selection window
// when the command runs. The texts are the window's own, written without conversion:
// the part number untrimmed, the temperature and bias exactly as typed (they go into
// comment lines and file names, never into a number field).
struct ExportSubject {
    // Capacitors carry conditions and a connection; inductors are always written as
    // series parts.
    ProductKind Product = ProductKind::Capacitor;
    std::string PartNumber;
    // Index of the part in its library table, for the evaluation behind the rows.
    int PartIndex = 0;
    // 1 to 6; 0 when no class rule holds, which the export refuses before its dialog.
    int RangeClass = 0;
    // UpperFrequency of the part's record [Hz], single precision as stored.
    float UpperFrequency = 0.0F;
    // Capacitors only; an inductor's files describe a series part whatever this says.
    CircuitMode Connection = CircuitMode::Series;
    // Capacitors only: the part has a temperature and bias model (HasConditionModel).
    // Only the proposed file names depend on it; the files always carry the condition
    // line of a capacitor.
    bool ConditionDependent = false;
    std::string TemperatureText;
    std::string BiasText;
};

}  // namespace pelmo

#endif
