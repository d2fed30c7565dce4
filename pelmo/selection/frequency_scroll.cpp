#include "pelmo/selection/frequency_scroll.h"

#include "shared/text/number_text.h"

#include <algorithm>
#include <cmath>

namespace pelmo {

namespace {

double Fraction(int position) {
    return static_cast<double>(position) / kFrequencyScrollMaximum;
}

}  // namespace

double ScrollFrequency(const PartFrequencyRange& range, int position) {
    return range.Lower * std::pow(range.Upper / range.Lower, Fraction(position));
}

int ScrollPosition(const PartFrequencyRange& range, double frequency) {
    const double span = std::log(range.Upper / range.Lower);
    if (!(frequency > 0.0) || !(span > 0.0) || !std::isfinite(span)) {
        return 0;
    }
    const double position = shared::RoundHalfEven(kFrequencyScrollMaximum * std::log(frequency / range.Lower) / span);
    return static_cast<int>(std::clamp(position, 0.0, static_cast<double>(kFrequencyScrollMaximum)));
}

std::string ScrollFrequencyText(const PartFrequencyRange& range, int position, char separator) {
    const char* pattern = "###0.0";
    if (range.RangeClass == 5) {
        pattern = "###0.000";
    } else if (range.RangeClass == 4 && std::pow(range.Upper, Fraction(position)) >= 10.0) {
        pattern = "###0";
    }
    return shared::Format(ScrollFrequency(range, position), pattern, separator);
}

}  // namespace pelmo
