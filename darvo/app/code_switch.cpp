#include "darvo/app/code_switch.h"

#include <cstddef>

namespace darvo {

const char* DefaultAmbientTemperature(shared::CodeSystem codeSystem) noexcept {
    return codeSystem == shared::Jis ? "20" : "25";
}

CodeSwitch SwitchCodeSystem(ProductLibrary& products, shared::CodeSystem target,
                            std::string_view partNumberText) {
    CodeSwitch result;
    if (products.CodeSystem == target) {
        return result;
    }
    const shared::CodeSystem old = products.CodeSystem;
    if (!SortProducts(products, target)) {
        result.Outcome = CodeSwitchOutcome::SortFailed;
        return result;
    }
    result.Outcome = CodeSwitchOutcome::Switched;
    result.AmbientTemperature = DefaultAmbientTemperature(target);
    if (!partNumberText.empty()) {
        // Both lookups were rebuilt for the new order, so the old notation's lookup now
        // leads to the part's new place in the table.
        if (const auto index = products.PartIndex[old].Find(partNumberText)) {
            const auto u = static_cast<std::size_t>(*index);
            if (*index >= 0 && u < products.ProductTable.size()) {
                result.PartNumber = products.ProductTable[u].PartNumber[static_cast<std::size_t>(target)];
            }
        }
    }
    return result;
}

}  // namespace darvo
