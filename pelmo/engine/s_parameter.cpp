#include "pelmo/engine/s_parameter.h"

namespace pelmo {

std::string_view SParameterName(SParameter parameter) noexcept {
    switch (parameter) {
        case SParameter::S11:
            return "S11";
        case SParameter::S21:
            return "S21";
        case SParameter::None:
            break;
    }
    return "";
}

std::optional<SParameter> SParameterFromName(std::string_view name) noexcept {
    for (const SParameter parameter : {SParameter::None, SParameter::S11, SParameter::S21}) {
        if (SParameterName(parameter) == name) return parameter;
    }
    return std::nullopt;
}

}  // namespace pelmo
