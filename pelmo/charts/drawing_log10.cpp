#include "pelmo/charts/drawing_log10.h"

#include "shared/parts/log10.h"

#include <cmath>

namespace pelmo {

DrawingLog10::DrawingLog10(shared::Messages* messages, std::string title)
    : messages_(messages), title_(std::move(title)) {}

bool DrawingLog10::Defined(double x) noexcept {
    return std::isfinite(x) && x > 0.0;
}

double DrawingLog10::operator()(double x) {
    if (Defined(x) || reported_) return shared::Log10(x, nullptr, title_);
    reported_ = true;
    return shared::Log10(x, messages_, title_);
}

}  // namespace pelmo
