#include "darvo/app/code_switch.h"

namespace darvo {

CodeSwitchOutcome SwitchCodeSystem(ProductLibrary& products, shared::CodeSystem target, char separator) {
    if (products.CodeSystem == target) {
        return CodeSwitchOutcome::Unchanged;
    }
    return SortProducts(products, target, separator) ? CodeSwitchOutcome::Switched
                                                     : CodeSwitchOutcome::SortFailed;
}

}  // namespace darvo
