#include "pelmo/charts/chart_window_geometry.h"

#include "shared/errors/runtime_error.h"

#include <gtest/gtest.h>

namespace pelmo {
namespace {

TEST(ChartWindowGeometry, SmithWindowsAlternateAndKeepASquarePicture) {
    const ChartWindowGeometry odd = NewChartWindowGeometry(ChartKind::Smith, 3);
    const ChartWindowGeometry even = NewChartWindowGeometry(ChartKind::Smith, 4);
    EXPECT_EQ(odd.Left, 0.0);
    EXPECT_EQ(even.Left, 5430.0);
    EXPECT_EQ(odd.Width, 6200.0);
    EXPECT_EQ(odd.Height, 4420.0);
    EXPECT_EQ(odd.Top, 3240.0);
    EXPECT_DOUBLE_EQ(odd.PictureHeight, 4120 * 0.88);
    EXPECT_DOUBLE_EQ(odd.PictureWidth, odd.PictureHeight);
    EXPECT_EQ(odd.FrameWidth, 2250.0);
    EXPECT_EQ(odd.LabelWidth, 2050.0);
}

TEST(ChartWindowGeometry, RectangularWindowsAreLeftToTheWindowManager) {
    const ChartWindowGeometry geometry = NewChartWindowGeometry(ChartKind::Q, 1);
    EXPECT_FALSE(geometry.Left.has_value());
    EXPECT_EQ(geometry.Width, 10000.0);
    EXPECT_DOUBLE_EQ(geometry.PictureWidth, 1.5 * 4120 * 0.88);
    EXPECT_FALSE(geometry.FrameWidth.has_value());
    EXPECT_DOUBLE_EQ(ChartPictureHeight(200), 100 * 0.88);
}

TEST(ChartWindowGeometry, LegendFramesAreNumberedAndColouredByTrace) {
    EXPECT_EQ(LegendFrameCaption(0), "No.1");
    EXPECT_EQ(LegendFrameCaption(5), "No.6");
    EXPECT_EQ(LegendFrameColor(ChartKind::Magnitude, 4), (shared::Rgb{0, 128, 0}));
    EXPECT_EQ(LegendFrameColor(ChartKind::Magnitude, 5), (shared::Rgb{128, 0, 0}));
    EXPECT_EQ(LegendFrameColor(ChartKind::Smith, 5), (shared::Rgb{0, 0, 255}));
    EXPECT_THROW(LegendFrameColor(ChartKind::Q, 6), shared::RuntimeError);
}

}  // namespace
}  // namespace pelmo
