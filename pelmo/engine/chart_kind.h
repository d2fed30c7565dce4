#ifndef PELMO_ENGINE_CHART_KIND_H
#define PELMO_ENGINE_CHART_KIND_H

#include <optional>
#include <string_view>

namespace pelmo {

// The eleven kinds of chart. The number is what a chart window is drawn by; the name is
// what captions, menus and printed headers show.
enum class ChartKind {
    Smith = 0,
    Magnitude = 1,
    Phase = 2,
    Impedance = 3,
    Esr = 4,
    Reactance = 5,
    Q = 6,
    DF = 7,
    ApparentCapacitance = 8,
    ApparentInductance = 9,
    ImpedanceAndEsr = 10,
};

inline constexpr int kChartKindCount = 11;

// "Smith", "Magnitude", ..., "Impedance & ESR".
std::string_view ChartName(ChartKind kind) noexcept;

// The kind of an exact chart name; none for any other text.
std::optional<ChartKind> ChartKindFromName(std::string_view name) noexcept;

// Smith, Magnitude and Phase plot an S-parameter; only their requests carry one and
// record the connection (series or shunt) it was computed for.
bool HasSParameter(ChartKind kind) noexcept;

}  // namespace pelmo

#endif
