#ifndef PELMO_LIBRARY_LIBRARY_READER_H
#define PELMO_LIBRARY_LIBRARY_READER_H

#include "pelmo/library/records.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmo {

// The record-level pieces of reading the library: one index record (its fields as the
// field reader gives them) or one model record (its bytes) into a library record. They
// raise shared::RuntimeError with the classic numbers; the loader decides which
// procedure the failure is reported under.
//
// Every number is read with "." whatever the locale, because the files are written
// that way on every system.

// A field or part number as a failure report may show it: in double quotes, with
// control bytes and bytes outside ASCII (a garbage file holds any) as "?", and cut
// after 32 characters.
std::string ShownField(const std::string& text);

// Fills the index fields of a capacitor from the 30 fields of a cap.idx record. Field 10
// (the chip shape) is the only one read as a number: an empty field is 0, as the
// classic input of a number gives it, and any other text that is not a number raises 13
// "Type mismatch" (its description adds the field) rather than becoming a silent 0. A wrong field count
// raises 5.
void ReadCapacitorIndexFields(const std::vector<std::string>& fields, CapacitorRecord& record);

// Fills the model fields of a capacitor from one 178-byte cap.dat record; ModelType is
// widened from its 16 bits. Fewer bytes raise 9.
void ReadCapacitorModel(std::string_view bytes, CapacitorRecord& record);

// Fills the index fields of an inductor from the 10 fields of an ind.idx record. All
// are kept as text. A wrong field count raises 5.
void ReadInductorIndexFields(const std::vector<std::string>& fields, InductorRecord& record);

// Fills the ten model values of an inductor from one 44-byte ind.dat record. The
// eleventh value repeats the rated current, which ind.idx field 5 always replaces, so
// it is not taken: the index's text is the one the lists show. Fewer bytes raise 9.
void ReadInductorModel(std::string_view bytes, InductorRecord& record);

}  // namespace pelmo

#endif
