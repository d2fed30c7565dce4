#include "darvo/app/public.h"

#include "darvo/app/code_switch.h"

#include <utility>

namespace darvo {

Public::Public(ProductLibrary products, ProgramFacts facts, shared::Messages& messages,
               shared::Cursor& cursor, char decimalSeparator)
    : products_(std::move(products)),
      facts_(std::move(facts)),
      separator_(decimalSeparator),
      selection_(products_, charts_, messages, cursor, windows_, decimalSeparator) {}

void Public::AttachedWindows::ChangeEnable(bool enable) {
    if (windows != nullptr) {
        windows->ChangeEnable(enable);
    }
}

void Public::AttachedWindows::SwitchCodeSystem(shared::CodeSystem codeSystem) {
    if (windows != nullptr) {
        windows->SwitchCodeSystem(codeSystem);
        return;
    }
    // Without windows there is nothing to refill or close; a sort failure is found
    // again when the windows come and switch.
    static_cast<void>(darvo::SwitchCodeSystem(products, codeSystem, separator));
}

void Public::AttachedWindows::OpenCatalogLink() {
    if (windows != nullptr) {
        windows->OpenCatalogLink();
    }
}

void Public::AttachedWindows::ChooseCandidate(std::vector<std::int32_t>& candidates) {
    if (windows != nullptr) {
        windows->ChooseCandidate(candidates);
    }
}

void Public::AttachedWindows::OpenNewChart() {
    if (windows != nullptr) {
        windows->OpenNewChart();
    }
}

void Public::AttachedWindows::AddCurveToOpenChart(const ChartIdentity& identity) {
    if (windows != nullptr) {
        windows->AddCurveToOpenChart(identity);
    }
}

}  // namespace darvo
