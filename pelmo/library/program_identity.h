#ifndef PELMO_LIBRARY_PROGRAM_IDENTITY_H
#define PELMO_LIBRARY_PROGRAM_IDENTITY_H

#include <string>

namespace pelmo {

// The fixed application title: message boxes, the settings store and the refusal of a
// second copy all use it.
extern const char* const kProgramTitle;
// The product title shown in the About box and on printed pages.
extern const char* const kProductTitle;
// Error-report titles name the program and the procedure: "pelmo:Public.Main".
std::string ProcedureTitle(const std::string& module, const std::string& procedure);

}  // namespace pelmo

#endif
