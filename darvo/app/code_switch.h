#ifndef DARVO_APP_CODE_SWITCH_H
#define DARVO_APP_CODE_SWITCH_H

#include "darvo/library/product_library.h"

#include "shared/parts/code_system.h"

#include <optional>
#include <string>
#include <string_view>

namespace darvo {

enum class CodeSwitchOutcome {
    Unchanged,   // the chosen notation was in force already: nothing happens
    Switched,    // the table is in the new order with both lookups rebuilt
    SortFailed,  // a part number has no sort key: "Sort Error!" ends the program
};

// What the View menu's EIA / JIS item changes besides the table, for the selection
// window to show.
struct CodeSwitch {
    CodeSwitchOutcome Outcome = CodeSwitchOutcome::Unchanged;
    // The part chosen before, in the new notation: present when the old notation's
    // lookup held the part-number text. The selection window makes it the text of its
    // part list when the refilled list holds it, so the chosen part stays chosen.
    std::optional<std::string> PartNumber;
    // The ambient temperature the selection window shows afterwards.
    std::string AmbientTemperature;
};

// The ambient temperature a notation starts its charts at: "25" for EIA, "20" for JIS.
const char* DefaultAmbientTemperature(shared::CodeSystem codeSystem) noexcept;

// The table side of mnuViewCode_Click: re-sorts the products for target, rebuilds both
// lookups and finds the part of partNumberText (the selection window's part-number text,
// any letter case) again. A part number that the old lookup does not hold, such as a
// half-typed text, is simply not carried over.
//
// A part number that occurs twice in the new notation raises shared::RuntimeError 457
// from the rebuild; the lookups are then empty and the caller must end the program as
// for a sort failure.
CodeSwitch SwitchCodeSystem(ProductLibrary& products, shared::CodeSystem target,
                            std::string_view partNumberText);

}  // namespace darvo

#endif
