#include "pelmo/engine/chart_kind.h"

#include <array>

namespace pelmo {

namespace {

// clang-format off
constexpr std::array<std::string_view, kChartKindCount> kChartNames{
    "Smith", "Magnitude", "Phase", "Impedance", "ESR", "Reactance", "Q", "DF",
    "Apparent Capacitance", "Apparent Inductance", "Impedance & ESR"};
// clang-format on

}  // namespace

std::string_view ChartName(ChartKind kind) noexcept {
    return kChartNames[static_cast<std::size_t>(kind)];
}

std::optional<ChartKind> ChartKindFromName(std::string_view name) noexcept {
    for (std::size_t i = 0; i < kChartNames.size(); ++i) {
        if (kChartNames[i] == name) {
            return static_cast<ChartKind>(i);
        }
    }
    return std::nullopt;
}

bool HasSParameter(ChartKind kind) noexcept {
    return kind == ChartKind::Smith || kind == ChartKind::Magnitude || kind == ChartKind::Phase;
}

}  // namespace pelmo
