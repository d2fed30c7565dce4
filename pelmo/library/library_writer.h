#ifndef PELMO_LIBRARY_LIBRARY_WRITER_H
#define PELMO_LIBRARY_LIBRARY_WRITER_H

#include "pelmo/library/records.h"

#include "shared/platform/file_sink.h"

#include <string>
#include <vector>

namespace pelmo {

// Serialises library records to the exact bytes of the four library files, so that the
// sample-library generator and the tests produce files the program reads as the maker's
// own. The records are taken as they stand in the file: number texts with ".", as the
// loader reads them before any locale conversion.
//
// Index records are written on one line each, ending in CR LF, every text field in
// double quotes (so commas and blanks in it survive), the chip shape as a bare number
// with ".". The index format has no escape for a double quote or a line end inside a
// quoted field, so such a text raises shared::RuntimeError 5 instead of writing a file
// that reads back differently. A value that cannot be written (an infinite chip shape,
// a ModelType beyond 16 bits) raises 6.

// One cap.idx record (30 fields) with its line end.
std::string CapacitorIndexLine(const CapacitorRecord& record);
// One ind.idx record (10 fields) with its line end.
std::string InductorIndexLine(const InductorRecord& record);

// One cap.dat record: exactly 178 bytes.
std::string CapacitorModelBytes(const CapacitorRecord& record);
// One ind.dat record: exactly 44 bytes. The eleventh single repeats the rated current
// (RatedCurrent read with "."; 0 when it is no number), as the delivered files do.
std::string InductorModelBytes(const InductorRecord& record);

// Whole files, the records in table order.
std::string CapacitorIndexText(const std::vector<CapacitorRecord>& records);
std::string CapacitorModelFile(const std::vector<CapacitorRecord>& records);
std::string InductorIndexText(const std::vector<InductorRecord>& records);
std::string InductorModelFile(const std::vector<InductorRecord>& records);

// Writes cap.idx, cap.dat, ind.idx and ind.dat into folder. Each file goes through a
// sink from open (by default the atomic writer), so a failure leaves any earlier file of
// that name as it was. All four are serialised before the first is written, so a record
// that cannot be written leaves the folder untouched.
void WriteLibraryFiles(const std::string& folder, const std::vector<CapacitorRecord>& capacitors,
                       const std::vector<InductorRecord>& inductors, const shared::FileSinkOpener& open = {});

}  // namespace pelmo

#endif
