#include "pelmo/engine/frequency_grid.h"

#include "pelmo/engine/chart_kind.h"

#include <cmath>

namespace pelmo {

namespace {

bool IsOneOf(ChartKind kind, std::initializer_list<ChartKind> kinds) {
    for (ChartKind k : kinds) {
        if (k == kind) {
            return true;
        }
    }
    return false;
}

FrequencySpan InductorSpan(ChartKind chart, double fmax, double srf) {
    constexpr double kStart = 10e6;
    const double u = srf != 0.0 ? srf : fmax;
    if (IsOneOf(chart, {ChartKind::Smith, ChartKind::Magnitude, ChartKind::Phase, ChartKind::Impedance})) {
        return {kStart, fmax};
    }
    if (IsOneOf(chart, {ChartKind::Q, ChartKind::ApparentInductance})) {
        return {kStart, 0.98 * u};
    }
    return {kStart, u};
}

}  // namespace

std::optional<FrequencySpan> ChartFrequencySpan(int rangeClass, ChartKind chart, float upperFrequency,
                                                double srf) {
    const double fmax = upperFrequency;
    if (rangeClass == 1) {
        return InductorSpan(chart, fmax, srf);
    }
    if (rangeClass < 2 || rangeClass > 6) {
        return std::nullopt;
    }
    if (chart == ChartKind::ApparentInductance) {
        return FrequencySpan{1.1 * srf, fmax};
    }
    if (chart == ChartKind::ApparentCapacitance) {
        const bool srfInRange = static_cast<float>(srf) < upperFrequency;
        // With the SRF beyond the data the whole curve is capacitive, and classes 3, 5
        // and 6 start lower to show more of it.
        double start = 0.0;
        switch (rangeClass) {
            case 2:
                start = 100e6;
                break;
            case 4:
                start = 1e6;
                break;
            case 5:
                start = srfInRange ? 30e3 : 1e3;
                break;
            default:  // classes 3 and 6
                start = srfInRange ? 300e3 : 1e3;
                break;
        }
        return FrequencySpan{start, srfInRange ? 0.9 * srf : fmax};
    }
    switch (rangeClass) {
        case 2:
            return FrequencySpan{100e6, fmax};
        case 5:
            return FrequencySpan{30e3, fmax};
        default:
            return FrequencySpan{300e3, fmax};  // classes 3, 4 and 6
    }
}

std::vector<double> LogFrequencyGrid(FrequencySpan span, int count) {
    std::vector<double> grid;
    grid.reserve(static_cast<std::size_t>(count));
    const double ratio = span.End / span.Start;
    const double last = count > 1 ? count - 1 : 1;
    for (int i = 0; i < count; ++i) {
        grid.push_back(span.Start * std::pow(ratio, i / last));
    }
    return grid;
}

}  // namespace pelmo
