#include "shared/errors/start_failure.h"

#include <utility>

namespace shared {

StartFailure::StartFailure(std::string title, const RuntimeError& error)
    : RuntimeError(error), title_(std::move(title)) {}

}  // namespace shared
