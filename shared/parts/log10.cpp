#include "shared/parts/log10.h"

#include "shared/platform/messages.h"

#include <cmath>

namespace shared {

double Log10(double x, Messages* messages, const std::string& title) {
    if (x > 0.0 && std::isfinite(x)) {
        return std::log(x) / std::log(10.0);
    }
    if (messages != nullptr) {
        messages->Show("Error at Log10", MessageIcon::None, title, MessageButtons::Ok);
    }
    return 0.0;
}

}  // namespace shared
