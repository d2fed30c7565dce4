#ifndef PELMO_LIBRARY_PROGRAM_FACTS_H
#define PELMO_LIBRARY_PROGRAM_FACTS_H

#include "shared/platform/help_file.h"

#include <string>

namespace pelmo {

// What Main settles before any window appears, kept for the whole run. Windows read it
// beside the platform services; tests set what they need.
struct ProgramFacts {
    std::string ProgramFolder;  // the program's folder with its separator appended
    // Help language (1 Japanese, 2 English) and the help PDF Help > Contents opens
    // ("pelmojhlp.pdf" or "pelmoehlp.pdf"); no file name when neither lies in the
    // program folder, so the command says there is no help file.
    shared::HelpChoice Help;
    std::string DegreeSign = "\u00B0";  // "[" + DegreeSign + "C]" on screen and in prints
};

}  // namespace pelmo

#endif
