#ifndef DARVO_APP_PROGRAM_FACTS_H
#define DARVO_APP_PROGRAM_FACTS_H

#include "shared/platform/help_file.h"

#include <string>

namespace darvo {

// What Main settles before any window appears, kept for the whole run: the program
// folder, the help language with its file, and the degree sign of unit texts. Windows
// read it beside the platform services; tests set what they need.
struct ProgramFacts {
    std::string ProgramFolder;  // with its separator appended
    // Language 1 when darvojhlp.pdf lies in the program folder (Japanese help), else 2;
    // the file Help > Contents opens, empty when neither help file is there.
    shared::HelpChoice Help;
    std::string DegreeSign = "\u00B0";  // "[" + DegreeSign + "C]" on screen and in prints

    int HelpLanguage() const noexcept { return Help.language; }
};

}  // namespace darvo

#endif
