#ifndef PELMO_LIBRARY_LIBRARY_LOADER_H
#define PELMO_LIBRARY_LIBRARY_LOADER_H

#include "pelmo/library/records.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace pelmo {

// The error-report titles of the two start-up procedures. Which one a failure carries
// tells the help desk whether an index file (Main) or a model file or the second
// reading of an index (GetData) is at fault.
inline constexpr const char* kMainFailureTitle = "pelmo:Public.Main";
inline constexpr const char* kGetDataFailureTitle = "pelmo:Public.GetData";

// Loading the component library at start: cap.idx and ind.idx are counted first, then
// the model files and the index files are read into tables of exactly that size. The
// files are opened in the order cap.idx, ind.idx, cap.dat, cap.idx, ind.dat, ind.idx,
// each read whole and closed before the next.
//
// Every file is addressed as programFolder + separator + name (the separator is not
// doubled when the folder already ends in one).
//
// Every failure keeps its classic number and standard description, and its description
// gains a line under them that says what to mend: the file and the path it was looked
// for at with the system's reason ("cap.idx: No such file or directory (lib/cap.idx)"),
// or the file and record and what is wrong with it ("ind.idx record 3: the file ends
// after 3 of its 10 fields", "cap.dat: it holds 2 complete records of 178 bytes, but
// cap.idx lists 3 capacitors (lib/cap.dat)", the part number of a duplicate and the
// record it repeats, a chip shape that is no number).

// Loads the whole library and converts its displayed number texts to decimalSeparator.
// A failure raises shared::StartFailure: titled "pelmo:Public.Main" while the index files are
// counted (a missing or unreadable index, 53/70/75; an incomplete last record, 62; a
// chip shape that is no number, 13; more than 32767 records of a kind, 6 "Overflow"),
// "pelmo:Public.GetData" while the tables are filled (a missing model file, 53; a model
// file shorter than count x record size, 62, never zero-filled; an inductor part
// number that is there already in any letter case, 457). Either way the caller reports it and
// ends; no partly filled library is returned. The capacitor order and PartIndex are
// left to SortCapacitors.
Library LoadLibrary(const std::string& programFolder, char decimalSeparator);

// The lower steps, for callers that need one of them alone; they raise
// shared::RuntimeError without a title.

// Checks the fields of one index record while counting; raises to stop the count.
using IndexRecordCheck = std::function<void(const std::vector<std::string>& fields)>;

// The number of records of fieldsPerRecord fields in an index file: 0 for an empty
// file (or one of empty lines), RuntimeError 62 for an incomplete last record and 6
// for a 32768th record. check, when given, sees every record's fields.
std::size_t CountIndexRecords(const std::string& path, std::size_t fieldsPerRecord,
                              const IndexRecordCheck& check = {});

// Counts both index files and returns a library whose two tables hold that many empty
// records.
Library CreateLibraryTables(const std::string& programFolder);

// Fills the sized tables from the four files, in file order, and builds
// InductorPartIndex. Number texts stay as the files write them (with ".").
void GetData(const std::string& programFolder, Library& library);

// Gives the number texts that are shown as they stand the locale's separator: with ","
// every "." becomes ","; with any other separator nothing changes. Capacitors:
// NominalCapacitance, RatedVoltage, SizeSheet; inductors: Inductance, RatedCurrent,
// SizeSheet. Part numbers, codes and the model values are untouched.
void ApplyDecimalSeparator(Library& library, char decimalSeparator);

}  // namespace pelmo

#endif
