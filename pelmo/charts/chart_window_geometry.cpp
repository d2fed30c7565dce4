#include "pelmo/charts/chart_window_geometry.h"

#include "pelmo/charts/chart_style.h"

#include "shared/errors/runtime_error.h"

#include <cmath>

namespace pelmo {

namespace {

constexpr double kWindowHeight = 4420.0;
constexpr double kWindowTop = 3240.0;

}  // namespace

double ChartPictureHeight(double windowHeight) noexcept {
    return std::fabs(windowHeight - 300.0) * 0.88;
}

ChartWindowGeometry NewChartWindowGeometry(ChartKind kind, int slotNumber) {
    ChartWindowGeometry geometry;
    geometry.Top = kWindowTop;
    geometry.Height = kWindowHeight;
    geometry.PictureHeight = ChartPictureHeight(kWindowHeight);
    if (kind == ChartKind::Smith) {
        geometry.Width = 6200.0;
        geometry.Left = slotNumber % 2 == 1 ? 0.0 : 5430.0;
        geometry.PictureWidth = geometry.PictureHeight;
        geometry.FrameWidth = 2250.0;
        geometry.LabelWidth = 2050.0;
    } else {
        geometry.Width = 10000.0;
        geometry.PictureWidth = geometry.PictureHeight * 1.5;
    }
    return geometry;
}

std::string LegendFrameCaption(int k) {
    return "No." + std::to_string(k + 1);
}

shared::Rgb LegendFrameColor(ChartKind kind, int k) {
    if (k < 0 || k >= static_cast<int>(kTraceColors.size()))
        throw shared::RuntimeError(shared::error::kSubscriptOutOfRange);
    return kind == ChartKind::Smith ? shared::colors::kBlue : kTraceColors[static_cast<std::size_t>(k)];
}

}  // namespace pelmo
