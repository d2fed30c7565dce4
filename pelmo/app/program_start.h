#ifndef PELMO_APP_PROGRAM_START_H
#define PELMO_APP_PROGRAM_START_H

#include "pelmo/library/program_facts.h"
#include "pelmo/library/records.h"

#include <optional>
#include <string>

namespace shared {
class Messages;
class SingleInstance;
}  // namespace shared

namespace pelmo {

struct StartedProgram {
    ProgramFacts Facts;
    Library Parts;  // both tables filled; the capacitor order is the selection window's
};

// The degree sign of this platform's text: the character the classic code page has at
// 176. Our text is UTF-8 throughout, where that character always exists.
std::string SystemDegreeSign();

// The start of the program up to the main window, in Main's order:
// 1. another running copy: "It is already started." (critical icon, "Pelmo") and no start;
// 2. the program folder (executableFolder with its separator), the help language and
//    help file from the PDFs lying there, the degree sign;
// 3. the library from the four files in the program folder, with the number texts in
//    decimalSeparator. A failure is shown as the "Unexpected Error" report titled with
//    the procedure that met it ("pelmo:Public.Main" or "pelmo:Public.GetData") and the
//    program does not start: without its library it has nothing to show.
// Nothing means the program ends now; its message has been shown.
std::optional<StartedProgram> StartProgram(shared::SingleInstance& instance, shared::Messages& messages,
                                           const std::string& executableFolder, char decimalSeparator);

}  // namespace pelmo

#endif
