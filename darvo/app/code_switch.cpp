#include "darvo/app/code_switch.h"

namespace darvo {

CodeSwitchOutcome SwitchCodeSystem(ProductLibrary& products, shared::CodeSystem target) {
    if (products.CodeSystem == target) {
        return CodeSwitchOutcome::Unchanged;
    }
    return SortProducts(products, target) ? CodeSwitchOutcome::Switched : CodeSwitchOutcome::SortFailed;
}

}  // namespace darvo
