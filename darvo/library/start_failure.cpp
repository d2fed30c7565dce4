#include "darvo/library/start_failure.h"

#include <utility>

namespace darvo {

StartFailure::StartFailure(std::string title, const shared::RuntimeError& error)
    : shared::RuntimeError(error), title_(std::move(title)) {}

}  // namespace darvo
