#ifndef DARVO_APP_CODE_SWITCH_H
#define DARVO_APP_CODE_SWITCH_H

#include "darvo/library/product_library.h"

#include "shared/parts/code_system.h"

namespace darvo {

enum class CodeSwitchOutcome {
    Unchanged,   // the chosen notation was in force already: nothing happens
    Switched,    // the table is in the new order with both lookups rebuilt
    SortFailed,  // a part number has no sort key: "Sort Error!" ends the program
};

// The table side of mnuViewCode_Click: re-sorts the products for target and rebuilds
// both lookups, so the old notation's lookup leads to each part's new place. The
// selection window then refills its lists and chooses the same part again
// (LibrarySelection::RefillAfterCodeChange with the old notation).
//
// A part number that occurs twice in the new notation raises shared::RuntimeError 457
// from the rebuild; the lookups are then empty and the caller must end the program as
// for a sort failure. separator is the program's, for the sort keys.
CodeSwitchOutcome SwitchCodeSystem(ProductLibrary& products, shared::CodeSystem target, char separator);

}  // namespace darvo

#endif
