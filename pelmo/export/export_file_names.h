#ifndef PELMO_EXPORT_EXPORT_FILE_NAMES_H
#define PELMO_EXPORT_EXPORT_FILE_NAMES_H

#include "pelmo/export/export_subject.h"

#include <string>

namespace pelmo {

// The names the save dialogs propose, also used by the command-line export of a whole
// library, so a file made either way is called the same. The part number and the
// condition texts go in unchanged, as the user sees them.

// Condition-dependent capacitor: part + "series(" T "," V ").s2p" (or "shunt(");
// other capacitor: part + "series.s2p" / "shunt.s2p"; inductor: part + ".s2p", whatever
// connection the window shows.
std::string TouchstoneFileName(const ExportSubject& subject);

// Condition-dependent capacitor: part + "(" T "," V ").txt"; every other part: part +
// ".txt". The connection plays no part in an impedance table.
std::string ImpedanceFileName(const ExportSubject& subject);

// Every part: part + ".cir". The file holds one model whatever the conditions; they are
// in its header and in the parameters' defaults.
std::string SpiceFileName(const ExportSubject& subject);

}  // namespace pelmo

#endif
