#include "pelmo/charts/smith_chart.h"

#include "chart_test_data.h"
#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/charts/chart_style.h"
#include "pelmo/charts/chart_window_model.h"
#include "pelmo/charts/trace_store.h"

#include "shared/canvas/recording_canvas.h"
#include "shared/platform/testing/fake_messages.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace pelmo {
namespace {

using shared::LineCall;
using shared::RecordingCanvas;
using testing::Request;

std::vector<LineCall> TraceLines(const RecordingCanvas& canvas, shared::Rgb color) {
    std::vector<LineCall> lines;
    for (const LineCall& line : canvas.CallsOf<LineCall>())
        if (line.color == color) lines.push_back(line);
    return lines;
}

// S11 = e^(j theta) with theta from 0 to pi: a short-circuit-free reactance runs along
// the outer circle; S21 sits at the matched centre.
ChartPointTable OuterCircleSweep() {
    ChartPointTable points{};
    for (int i = 0; i < kChartPointCount; ++i) {
        const double theta = std::numbers::pi * i / 200.0;
        ChartPoint& p = points[static_cast<std::size_t>(i)];
        p.Frequency = 1e6 * (i + 1);
        p.S11Real = std::cos(theta);
        p.S11Imag = std::sin(theta);
        p.S21Real = 0.0;
        p.S21Imag = 0.0;
    }
    return points;
}

class SmithChartTest : public ::testing::Test {
protected:
    ChartWindowModel& Open(const std::string& sParameter, int part) {
        slots.Reserve(Request("Smith", ProductKind::Capacitor, part, sParameter, "Series"));
        points = OuterCircleSweep();
        models.push_back(std::make_unique<ChartWindowModel>(slots, CircuitMode::Series, '.'));
        models.back()->Draw(screen, true, context, "");
        return *models.back();
    }

    Library library = testing::ChartTestLibrary();
    ChartSlotTable slots;
    ChartPointTable points{};
    shared::FakeMessages messages;
    ChartContext context{slots, points, library, shared::Eia, "\xC2\xB0", &messages, "Pelmo"};
    std::vector<std::unique_ptr<ChartWindowModel>> models;
    RecordingCanvas screen{400, 400};
};

TEST_F(SmithChartTest, S11PointsLandWhereTheReflectionPlacesThem) {
    Open("S11", 1);
    EXPECT_EQ(screen.CallsOf<shared::ScaleCall>().front(), (shared::ScaleCall{-1200, 1200, 2400, -2400}));
    const auto trace = TraceLines(screen, shared::colors::kBlue);
    ASSERT_EQ(trace.size(), 200U);
    EXPECT_NEAR(trace.front().x1, 1000, 1e-9);  // s = 1, the open end
    EXPECT_NEAR(trace.front().y1, 0, 1e-9);
    EXPECT_NEAR(trace[99].x2, 0, 1e-9);  // s = j at theta = pi / 2
    EXPECT_NEAR(trace[99].y2, 1000, 1e-9);
    EXPECT_NEAR(trace.back().x2, -1000, 1e-9);  // s = -1, the short
    for (const LineCall& line : trace)
        EXPECT_NEAR(std::hypot(line.x1, line.y1), 1000, 1e-9);  // on the R = 0 circle
    EXPECT_EQ(trace.front().width, 1);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(SmithChartTest, AMatchedS21LiesAtTheCentreWhereTheAxesCross) {
    Open("S21", 1);
    const auto trace = TraceLines(screen, shared::colors::kBlue);
    ASSERT_EQ(trace.size(), 200U);
    for (const LineCall& line : trace) {
        EXPECT_EQ(line.x1, 0);
        EXPECT_EQ(line.y2, 0);
    }
}

TEST_F(SmithChartTest, GridLabelsAndCaption) {
    ChartWindowModel& model = Open("S11", 0);
    EXPECT_EQ(model.Caption(context), "Smith Chart-KTE105R104-25[C]-0[V]-S11-Series");
    std::vector<std::pair<double, double>> circles;
    std::vector<double> arcStarts;
    for (const auto& c : screen.CallsOf<shared::CircleCall>()) {
        EXPECT_EQ(c.color, kSmithGridCyan);
        if (c.arc)
            arcStarts.push_back(c.startAngle);
        else
            circles.emplace_back(c.cx, c.radius);
    }
    EXPECT_EQ(circles,
              (std::vector<std::pair<double, double>>{{0, 1000}, {250, 750}, {500, 500}, {750, 250}}));
    ASSERT_EQ(arcStarts.size(), 6U);
    EXPECT_NEAR(arcStarts[0], 126.87 * std::numbers::pi / 180, 1e-4);
    EXPECT_NEAR(arcStarts[4], 233.13 * std::numbers::pi / 180, 1e-4);
    const auto axes = TraceLines(screen, kSmithGridCyan);
    ASSERT_EQ(axes.size(), 2U);
    EXPECT_EQ(axes[0], (LineCall{-1000, 0, 1000, 0, kSmithGridCyan}));
    std::vector<std::tuple<std::string, double, double>> labels;
    for (const auto& t : screen.CallsOf<shared::TextCall>()) {
        EXPECT_EQ(t.color, shared::colors::kBlack);
        labels.emplace_back(t.text, t.x, t.y);
    }
    EXPECT_EQ(labels, (std::vector<std::tuple<std::string, double, double>>{{"R=0", -1000, 0},
                                                                            {"R=1/3", -500, 0},
                                                                            {"R=1", 0, 0},
                                                                            {"R=3", 500, 0},
                                                                            {"X=1/3", -750, 700},
                                                                            {"X=1", 0, 1000},
                                                                            {"X=3", 800, 700}}));
}

// Printing after later requests still prints the window's own trace, 5 pixels wide.
TEST_F(SmithChartTest, PrintingUsesTheWindowsOwnCopy) {
    ChartWindowModel& first = Open("S11", 1);
    Open("S21", 1);
    EXPECT_EQ(models.size(), 2U);
    for (const auto mode : {shared::PrinterColorMode::Color, shared::PrinterColorMode::Monochrome}) {
        RecordingCanvas page(800, 600, 600, true);
        page.SetScaleMode(shared::ScaleMode::Twips);
        page.SetColorMode(mode);
        const double w = page.ScaleWidth();
        first.Draw(page, false, context, "");
        EXPECT_EQ(page.CallsOf<shared::ScaleCall>().back().width, w * 2400 / 7100);
        const shared::Rgb color =
            mode == shared::PrinterColorMode::Color ? shared::colors::kBlue : shared::colors::kBlack;
        const auto lines = page.CallsOf<LineCall>();
        const std::vector<LineCall> trace(lines.end() - 200, lines.end());
        EXPECT_NEAR(trace.back().x2, -1000, 1e-9);
        EXPECT_EQ(trace.back().color, color);
        EXPECT_EQ(trace.back().width, 5);
        EXPECT_EQ(page.DrawWidth(), 1);
    }
}

// A Smith window copies only its own slot: redrawing it after another Smith request
// must neither take that sweep nor touch that slot.
TEST_F(SmithChartTest, ASmithWindowCopiesOnlyItsOwnSlot) {
    ChartWindowModel& first = Open("S11", 1);
    Open("S21", 1);
    slots.Slot(2).Srf = 5.0F;
    first.Draw(screen, true, context, "77");
    EXPECT_FALSE(first.Store().HasTrace(2));
    EXPECT_EQ(slots.Slot(2).Srf, 5.0F);
    EXPECT_EQ(slots.Slot(1).Srf, 0.0F);
}

TEST_F(SmithChartTest, LegendLabelsFollowTheConditions) {
    slots.Reserve(Request("Smith", ProductKind::Capacitor, 0, "S21", "Shunt", 85.0F, 2.5F));
    points = OuterCircleSweep();
    ChartWindowModel model(slots, CircuitMode::Series, '.');
    EXPECT_EQ(model.Draw(screen, true, context, ""),
              (std::vector<std::string>{"KTE105R104",
                                        "85[\xC2\xB0"
                                        "C]",
                                        "2.5[V]", "S21", "Shunt", ""}));
    slots.Reserve(Request("Smith", ProductKind::Inductor, 1, "S11", "Series"));
    ChartWindowModel plain(slots, CircuitMode::Series, '.');
    EXPECT_EQ(plain.Draw(screen, true, context, ""),
              (std::vector<std::string>{"PWA10N22", "S11", "Series", "", "", ""}));
}

}  // namespace
}  // namespace pelmo
