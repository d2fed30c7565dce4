#ifndef DARVO_LIBRARY_DERIVED_VALUES_H
#define DARVO_LIBRARY_DERIVED_VALUES_H

#include "darvo/library/product_record.h"

#include "shared/parts/code_system.h"

#include <string>

namespace darvo {

// The part number the derived values are read from: the one in codeSystem, or the
// other notation's when that is empty. Empty only when the record has neither.
const std::string& DerivationPartNumber(const ProductRecord& record, shared::CodeSystem codeSystem);

// Sets NominalCapacitance, RatedVoltage and CapacitanceBasis from the part number under
// codeSystem, as the start does once for the code system in force then (EIA). They are
// not recomputed on a notation change, so a part keeps the same basis whichever
// notation the user reads it in.
//
// The capacitance code is read with the given decimal separator, as its text is
// formed with it; the rated voltage is looked up by its code. CapacitanceBasis is
// NominalCapacitance x 1.2 for the peaked characteristic as the notation names it
// ("Y5V" not modelled by the polynomial, or "F") and x 1.05 otherwise, computed in
// double precision and stored as a single.
//
// A record without any part number, a capacitance code that is no number and a
// rated-voltage code outside the table raise shared::RuntimeError 13 whose description
// names the part: the data cannot be charted and the start reports it.
void DeriveProductValues(ProductRecord& record, shared::CodeSystem codeSystem, char separator);

}  // namespace darvo

#endif
