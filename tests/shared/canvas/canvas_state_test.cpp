#include "shared/canvas/canvas_state.h"

#include "shared/errors/runtime_error.h"

#include <gtest/gtest.h>

namespace shared {
namespace {

struct MappingRow {
    const char* name;
    double left, top, width, height;
    int pixelWidth, pixelHeight;
    double x, y;
    double pixelX, pixelY;
};

class CanvasStateMapping : public ::testing::TestWithParam<MappingRow> {};

TEST_P(CanvasStateMapping, MapsUserPointToDevicePixelAndBack) {
    const MappingRow& row = GetParam();
    CanvasState state(row.pixelWidth, row.pixelHeight, 96);
    state.SetScale(row.left, row.top, row.width, row.height);
    EXPECT_NEAR(state.ToPixelX(row.x), row.pixelX, 1e-9);
    EXPECT_NEAR(state.ToPixelY(row.y), row.pixelY, 1e-9);
    EXPECT_NEAR(state.ToUserX(row.pixelX), row.x, 1e-9);
    EXPECT_NEAR(state.ToUserY(row.pixelY), row.y, 1e-9);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Scales, CanvasStateMapping, ::testing::Values(
    // The rectangular chart picture: 3000 x 3000 units, y growing upwards.
    MappingRow{"ChartTopLeft",      0, 3000, 3000, -3000, 600, 600,    0, 3000,   0,   0},
    MappingRow{"ChartCentre",       0, 3000, 3000, -3000, 600, 600, 1500, 1500, 300, 300},
    MappingRow{"ChartPlotCorner",   0, 3000, 3000, -3000, 600, 600,  450,  400,  90, 520},
    MappingRow{"ChartBottomRight",  0, 3000, 3000, -3000, 600, 600, 3000,    0, 600, 600},
    // The Smith picture: centred origin, 2400 units each way.
    MappingRow{"SmithCentre",   -1200, 1200, 2400, -2400, 480, 480,    0,    0, 240, 240},
    MappingRow{"SmithUnitTop",  -1200, 1200, 2400, -2400, 480, 480,    0, 1000, 240,  40},
    // The darvo picture: x from -21 to 105, y from 107 down to -15.
    MappingRow{"DarvoOrigin",     -21,  107,  126,  -122, 630, 610,    0,    0, 105, 535},
    MappingRow{"DarvoPlotTop",    -21,  107,  126,  -122, 630, 610,  100,  100, 605,  35},
    // A y-down scale with a negative width (mirrored x).
    MappingRow{"MirroredX",       100,    0, -100,   100, 200, 100,   25,   50, 150,  50}),
    [](const ::testing::TestParamInfo<MappingRow>& info) { return std::string(info.param.name); });
// clang-format on

TEST(CanvasState, StartsInPixelsAndTwipsFollowTheResolution) {
    CanvasState state(600, 300, 96);
    EXPECT_EQ(state.Mode(), ScaleMode::Pixels);
    EXPECT_DOUBLE_EQ(state.Width(), 600);
    state.SetScaleMode(ScaleMode::Twips);
    // 1440 twips per inch at 96 pixels per inch: 15 twips per pixel.
    EXPECT_DOUBLE_EQ(state.Width(), 9000);
    EXPECT_DOUBLE_EQ(state.Height(), 4500);
    EXPECT_DOUBLE_EQ(state.ToPixelX(1440), 96);
    // A turned or resized surface keeps a twips scale in step with its size.
    state.SetDevice(300, 600, 96);
    EXPECT_DOUBLE_EQ(state.Width(), 4500);
    EXPECT_DOUBLE_EQ(state.Height(), 9000);
}

TEST(CanvasState, UserScaleKeepsItsNumbersWhenTheSurfaceResizes) {
    CanvasState state(600, 600, 96);
    state.SetScale(0, 3000, 3000, -3000);
    state.SetDevice(300, 200, 96);
    EXPECT_DOUBLE_EQ(state.Width(), 3000);
    EXPECT_DOUBLE_EQ(state.ToPixelX(3000), 300);
    EXPECT_DOUBLE_EQ(state.ToPixelY(0), 200);
}

TEST(CanvasState, ZeroExtentIsRefusedAndTheOldScaleStays) {
    CanvasState state(600, 600, 96);
    state.SetScale(0, 3000, 3000, -3000);
    for (const auto& [width, height] : {std::pair{0.0, 10.0}, std::pair{10.0, 0.0}}) {
        try {
            state.SetScale(5, 5, width, height);
            FAIL() << "a zero extent was accepted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), error::kInvalidProcedureCall);
        }
    }
    EXPECT_DOUBLE_EQ(state.Left(), 0);
    EXPECT_DOUBLE_EQ(state.Height(), -3000);
}

TEST(CanvasState, LengthsArePositiveWhateverTheDirection) {
    CanvasState state(600, 600, 96);
    state.SetScale(3000, 3000, -3000, -3000);
    EXPECT_DOUBLE_EQ(state.UserWidthToPixels(100), 20);
    EXPECT_DOUBLE_EQ(state.PixelsToUserWidth(20), 100);
    EXPECT_DOUBLE_EQ(state.PixelsToUserHeight(20), 100);
    EXPECT_DOUBLE_EQ(state.DownwardSign(), -1);
}

}  // namespace
}  // namespace shared
