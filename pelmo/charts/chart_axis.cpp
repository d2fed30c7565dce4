#include "pelmo/charts/chart_axis.h"

#include "shared/errors/runtime_error.h"
#include "shared/text/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pelmo {

namespace {

constexpr double kPlotHeight = 2400.0;
constexpr float kTwentyGigahertz = 20e9F;

std::int16_t ToInt16(double value) {
    if (!std::isfinite(value) || value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw shared::RuntimeError(shared::error::kOverflow);
    return static_cast<std::int16_t>(value);
}

void SetFrequencyAxis(ChartAxis& axis, int decadeWidth, int decades, int startExponent) {
    axis.DecadeWidth = static_cast<std::int16_t>(decadeWidth);
    axis.Decades = static_cast<std::int16_t>(decades);
    axis.StartExponent = static_cast<std::int16_t>(startExponent);
}

void SetDivisions(ChartAxis& axis, double divisions) {
    if (divisions < 1) throw shared::RuntimeError(shared::error::kOverflow);
    axis.Divisions = ToInt16(divisions);
    axis.DivisionHeight = ToInt16(shared::RoundHalfEven(kPlotHeight / axis.Divisions));
}

}  // namespace

ChartAxis InitialChartAxis(ChartKind kind) noexcept {
    ChartAxis axis;
    if (kind == ChartKind::Smith) return axis;
    const bool sParameterKind = kind == ChartKind::Magnitude || kind == ChartKind::Phase;
    axis.Left = sParameterKind ? 450 : 470;
    axis.Bottom = 400;
    if (kind == ChartKind::Phase) {
        axis.DivisionHeight = 600;
        axis.Divisions = 4;
    }
    return axis;
}

void LayoutFrequencyAxis(ChartAxis& axis, const std::vector<FrequencyAxisTrace>& traces) {
    const auto any = [&traces](auto predicate) {
        return std::any_of(traces.begin(), traces.end(), predicate);
    };
    const bool twentyGigahertz =
        any([](const FrequencyAxisTrace& t) { return t.UpperFrequency == kTwentyGigahertz; });
    if (any([](const FrequencyAxisTrace& t) { return t.RangeClass == 5; })) {
        if (twentyGigahertz)
            SetFrequencyAxis(axis, 342, 7, 2);
        else
            SetFrequencyAxis(axis, 400, 6, 2);
    } else if (any([](const FrequencyAxisTrace& t) {
                   return t.RangeClass == 3 || t.RangeClass == 4 || t.RangeClass == 6;
               })) {
        if (twentyGigahertz)
            SetFrequencyAxis(axis, 400, 6, 1);
        else
            SetFrequencyAxis(axis, 480, 5, 1);
    } else if (any([](const FrequencyAxisTrace& t) { return t.RangeClass == 1; })) {
        SetFrequencyAxis(axis, 800, 3, -1);
    } else if (any([](const FrequencyAxisTrace& t) { return t.RangeClass == 2; })) {
        SetFrequencyAxis(axis, 1200, 2, -2);
    } else {
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall);
    }
}

void LayoutMagnitudeAxis(ChartAxis& axis, double vmin) {
    // An integer division truncates towards zero, as the 16-bit arithmetic did.
    const int b = ToInt16(shared::RoundHalfEven(vmin)) / 10;
    SetDivisions(axis, 1.0 - b);
    axis.ValueExponent = axis.Divisions;
}

void LayoutLogAxis(ChartAxis& axis, double vmin, double vmax, const Log10Function& log10) {
    const double p = std::floor(log10(vmax));
    const double e = std::floor(log10(vmin));
    SetDivisions(axis, p + 1.0 - e);
    axis.ValueExponent = ToInt16(-e);
}

double FrequencyX(const ChartAxis& axis, double frequency, const Log10Function& log10) {
    return axis.Left + axis.DecadeWidth * (log10(frequency / 1e6) + axis.StartExponent);
}

double ValueY(ChartKind kind, const ChartAxis& axis, double value, const Log10Function& log10) {
    switch (kind) {
        case ChartKind::Magnitude:
            return axis.Bottom + axis.Divisions * axis.DivisionHeight + value * axis.DivisionHeight / 10.0;
        case ChartKind::Phase:
            return axis.Bottom + 2.0 * axis.DivisionHeight + value * axis.DivisionHeight / 90.0;
        case ChartKind::Reactance:
            return axis.Bottom + axis.DivisionHeight * (axis.ValueExponent + log10(std::fabs(value)));
        default:
            return axis.Bottom + axis.DivisionHeight * (axis.ValueExponent + log10(value));
    }
}

double PlotRight(const ChartAxis& axis) noexcept {
    return axis.Left + static_cast<double>(axis.DecadeWidth) * axis.Decades;
}

double PlotTop(const ChartAxis& axis) noexcept {
    return axis.Bottom + static_cast<double>(axis.DivisionHeight) * axis.Divisions;
}

bool IsLogarithmicKind(ChartKind kind) noexcept {
    return static_cast<int>(kind) >= static_cast<int>(ChartKind::Impedance);
}

}  // namespace pelmo
