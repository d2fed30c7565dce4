#include "pelmo/library/load_failure.h"

#include <utility>

namespace pelmo {

LoadFailure::LoadFailure(std::string title, const shared::RuntimeError& error)
    : shared::RuntimeError(error), title_(std::move(title)) {}

}  // namespace pelmo
