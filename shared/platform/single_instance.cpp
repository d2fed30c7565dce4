#include "shared/platform/single_instance.h"

#include "shared/platform/messages.h"

namespace shared {

bool RefuseSecondCopy(SingleInstance& instance, Messages& messages, const std::string& programTitle) {
    if (instance.Acquire()) {
        return false;
    }
    messages.Show("It is already started.", MessageIcon::Critical, programTitle, MessageButtons::Ok);
    return true;
}

}  // namespace shared
