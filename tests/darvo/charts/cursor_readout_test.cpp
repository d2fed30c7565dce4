// The cursor readout over the positions the last drawing stored: the hit window, the
// first curve winning, kilohertz on a frequency axis, the marker on the overlay, and the
// idle / tracking / held states with their mouse buttons.
#include "darvo/charts/cursor_readout.h"

#include "chart_sample.h"
#include "darvo/charts/chart_drawing.h"

#include "shared/canvas/recording_canvas.h"

#include <gtest/gtest.h>

namespace darvo {
namespace {

const ChartIdentity kRiseOverFrequency{TemperatureRise, Quantity::Frequency, Quantity::TemperatureRise};
const ChartIdentity kCapAc{CapacitanceAcVoltage, Quantity::AcVoltage, Quantity::Capacitance};

class Readout : public ::testing::Test {
protected:
    void SetUp() override {
        // Two curves through the same points, one of another identity between them.
        const AxisRange range{10, 100, 0, 0};
        testing::Adopt(table, testing::LineRecord(kCapAc, 0, 0, 10, 100, range));
        testing::Adopt(table, testing::LineRecord(kRiseOverFrequency, 1000, 0, 2000, 100,
                                                  AxisRange{2000, 100, 1000, 0}));
        testing::Adopt(table, testing::LineRecord(kCapAc, 0, 0, 10, 100, range));
        shared::RecordingCanvas drawing;
        DrawCurves(drawing, table, kCapAc, range, {});
        canvas.ClearCalls();
    }

    ChartTable table;
    shared::RecordingCanvas canvas;
    CursorReadout readout;
};

TEST_F(Readout, TheFirstCurveInTableOrderWinsWithinTheHitWindow) {
    // Point 100 lies at x = 100 * 100 / 199 = 50.25.
    const double px = 100.0 * 100.0 / 199.0;
    const std::optional<CursorHit> hit = HitTest(table, kCapAc, px + 0.49, px - 0.99);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->Record, 0U);
    // The window is strict: half a unit across, one unit up and down.
    EXPECT_FALSE(HitTest(table, kCapAc, 0.5, 50.0));
    const std::optional<CursorHit> edge = HitTest(table, kCapAc, 0.0, 0.0);
    ASSERT_TRUE(edge);
    EXPECT_EQ(edge->Point, 0);

    readout.MouseMove(table, kCapAc, canvas, "\u00B0", '.', px, px);
    EXPECT_TRUE(readout.CursorActive());
    EXPECT_EQ(readout.Panels()[0], "5.025[V]");
    EXPECT_EQ(readout.Panels()[1], "50.251[pF]");
    const auto circles = canvas.CallsOf<shared::CircleCall>();
    ASSERT_EQ(circles.size(), 1U);
    EXPECT_NEAR(circles[0].cx, px, 1e-4);
    EXPECT_EQ(circles[0].radius, 1.0);
    EXPECT_EQ(circles[0].color, shared::colors::kRed);
    EXPECT_EQ(circles[0].fill, shared::colors::kRed);
}

TEST_F(Readout, FrequencyReadsInKilohertzWithAtMostThreeDecimals) {
    shared::RecordingCanvas drawing;
    DrawCurves(drawing, table, kRiseOverFrequency, AxisRange{2000, 100, 1000, 0}, {});
    // Point 0 is 1000 Hz; a point of 1500 Hz needs X data of exactly 1500.
    table.At(1).XData[0] = 1500.0F;
    readout.MouseMove(table, kRiseOverFrequency, canvas, "\u00B0", '.', 0.2, 0.0);
    ASSERT_TRUE(readout.CursorActive());
    EXPECT_EQ(readout.Panels()[0], "1.5[kHz]");
    // "0.###" keeps its separator when no decimal follows.
    EXPECT_EQ(readout.Panels()[1], "0.[\u00B0C]");
}

TEST_F(Readout, LeavingTheAreaOrThePointsClearsAndHeldIgnoresEveryMove) {
    readout.MouseMove(table, kCapAc, canvas, "\u00B0", '.', 50.25, 50.25);
    ASSERT_TRUE(readout.CursorActive());
    readout.MouseMove(table, kCapAc, canvas, "\u00B0", '.', 100.5, 50.0);
    EXPECT_FALSE(readout.CursorActive());
    EXPECT_EQ(readout.Panels()[0], "");
    readout.MouseMove(table, kCapAc, canvas, "\u00B0", '.', 50.25, 50.25);
    readout.MouseMove(table, kCapAc, canvas, "\u00B0", '.', 20.0, 80.0);
    EXPECT_FALSE(readout.CursorActive());
    EXPECT_EQ(readout.Panels()[1], "");

    readout.MouseMove(table, kCapAc, canvas, "\u00B0", '.', 50.25, 50.25);
    const auto panels = readout.Panels();
    EXPECT_EQ(readout.MouseDown(true, false), CursorButtonAction::Held);
    canvas.ClearCalls();
    readout.MouseMove(table, kCapAc, canvas, "\u00B0", '.', -10.0, 200.0);
    readout.MouseMove(table, kCapAc, canvas, "\u00B0", '.', 80.0, 80.0);
    EXPECT_TRUE(readout.CursorHeld());
    EXPECT_EQ(readout.Panels(), panels);
    EXPECT_TRUE(canvas.Calls().empty());
}

TEST_F(Readout, ButtonsByState) {
    // Idle: the right button asks for the popup, the left does nothing.
    EXPECT_EQ(readout.MouseDown(false, true), CursorButtonAction::OpenPopup);
    EXPECT_EQ(readout.MouseDown(true, false), CursorButtonAction::Nothing);
    EXPECT_FALSE(readout.CursorHeld());
    // Tracking: the right button neither opens the popup nor changes the state.
    readout.MouseMove(table, kCapAc, canvas, "\u00B0", '.', 50.25, 50.25);
    EXPECT_EQ(readout.MouseDown(false, true), CursorButtonAction::Nothing);
    EXPECT_TRUE(readout.CursorActive());
    EXPECT_FALSE(readout.CursorHeld());
    // Held: the left does nothing more, the right releases.
    EXPECT_EQ(readout.MouseDown(true, false), CursorButtonAction::Held);
    EXPECT_EQ(readout.MouseDown(true, false), CursorButtonAction::Nothing);
    EXPECT_EQ(readout.MouseDown(false, true), CursorButtonAction::Released);
    EXPECT_FALSE(readout.CursorActive());
    EXPECT_FALSE(readout.CursorHeld());
    // A reset (new drawing, minimised) goes back to idle with empty panels.
    readout.MouseMove(table, kCapAc, canvas, "\u00B0", '.', 50.25, 50.25);
    readout.MouseDown(true, false);
    readout.Reset(canvas);
    EXPECT_FALSE(readout.CursorActive());
    EXPECT_FALSE(readout.CursorHeld());
    EXPECT_EQ(readout.Panels()[0], "");
}

}  // namespace
}  // namespace darvo
