#ifndef DARVO_APP_PROGRAM_START_H
#define DARVO_APP_PROGRAM_START_H

#include "darvo/app/program_facts.h"
#include "darvo/library/product_library.h"

#include <optional>
#include <string>

namespace shared {
class Messages;
class SingleInstance;
}  // namespace shared

namespace darvo {

struct StartedProgram {
    ProgramFacts Facts;
    // Every product with its derived values, in the catalogue order of the EIA notation
    // (the notation in force at start) with both lookups built.
    ProductLibrary Products;
};

// The degree sign of this platform's text: the character the classic code page has at
// 176. Our text is UTF-8 throughout, where that character always exists.
std::string SystemDegreeSign();

// The start of the program up to the main window, in Main's order:
// 1. another running copy: "It is already started." (critical icon, "darvo") and no start;
// 2. the program folder (executableFolder with its separator), the help language from
//    darvojhlp.pdf lying there, the degree sign;
// 3. the product files product.idx and product.dat of the program folder, their number
//    texts read with decimalSeparator, then the catalogue order of EIA. A file that is
//    missing, short or malformed is reported as "Unexpected Error" titled
//    "darvo:mdlPublic.Main"; a part number without sort key as "Sort Error!". Either
//    way the program does not start: without its products it has nothing to chart.
// Nothing means the program ends now; its message has been shown.
std::optional<StartedProgram> StartProgram(shared::SingleInstance& instance, shared::Messages& messages,
                                           const std::string& executableFolder, char decimalSeparator);

}  // namespace darvo

#endif
