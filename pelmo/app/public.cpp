#include "pelmo/app/public.h"

#include <utility>

namespace pelmo {

Public::Public(Library parts, shared::Messages& messages, shared::Cursor& cursor, char decimalSeparator)
    : parts_(std::move(parts)),
      separator_(decimalSeparator),
      selection_(parts_, messages, cursor, windows_, decimalSeparator) {}

void Public::AttachedWindows::ChooseCandidate(std::vector<std::int32_t>& candidates) {
    if (windows != nullptr) {
        windows->ChooseCandidate(candidates);
    }
}

int Public::AttachedWindows::OpenChartWindowCount() const {
    return windows != nullptr ? windows->OpenChartWindowCount() : 0;
}

void Public::AttachedWindows::CloseAllChartWindows() {
    if (windows != nullptr) {
        windows->CloseAllChartWindows();
    }
}

}  // namespace pelmo
