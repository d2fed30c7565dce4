#include "pelmo/selection/frequency_scroll.h"

#include "shared/text/number_text.h"

#include <algorithm>
#include <cmath>
#include <optional>

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
    const double position =
        shared::RoundHalfEven(kFrequencyScrollMaximum * std::log(frequency / range.Lower) / span);
    return static_cast<int>(std::clamp(position, 0.0, static_cast<double>(kFrequencyScrollMaximum)));
}

std::string ScrollFrequencyText(const PartFrequencyRange& range, int position, char separator) {
    const char* pattern = "###0.0";
    if (range.RangeClass == 5) {
        pattern = "###0.000";
    } else if (range.RangeClass == 4 && std::pow(range.Upper, Fraction(position)) >= 10.0) {
        pattern = "###0";
    }
    std::string text = shared::Format(ScrollFrequency(range, position), pattern, separator);
    // A limit that is no round number (a single-precision 8.5 GHz is 8499.999744 MHz)
    // rounds up past itself at the end of the bar, and the frequency check would then
    // refuse the very position the user dragged to: the end shows the limit's own text.
    const std::optional<double> value = shared::ParseNumber(text, separator);
    if (!value || *value > range.Upper) {
        text = range.UpperText;
    }
    return text;
}

}  // namespace pelmo
