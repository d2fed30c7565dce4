#include "chart_test_data.h"
#include "pelmo/charts/chart_captions.h"
#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/charts/chart_style.h"
#include "pelmo/charts/chart_window_model.h"

#include "shared/canvas/recording_canvas.h"
#include "shared/platform/testing/fake_messages.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace pelmo {
namespace {

using shared::LineCall;
using shared::RecordingCanvas;
using testing::Request;
using testing::Sweep;

const std::string kDegree = "\xC2\xB0";

std::vector<LineCall> LinesIn(const RecordingCanvas& canvas, shared::Rgb color) {
    std::vector<LineCall> lines;
    for (const LineCall& line : canvas.CallsOf<LineCall>())
        if (line.color == color) lines.push_back(line);
    return lines;
}

// The selection window and its chart windows, as far as the chart layer sees them.
class ChartScenario : public ::testing::Test {
protected:
    // A chart request: takes a slot, puts its sweep in the point table and draws it
    // into the kind's window (a new one unless one of that kind is open).
    int RequestChart(const ChartSlot& request, const ChartPointTable& sweep, const std::string& srf = "") {
        EXPECT_EQ(slots.CheckChartOpen(request), ChartOpenRefusal::None);
        const int number = slots.Reserve(request);
        points = sweep;
        const ChartKind kind = *request.Kind;
        auto found = windows.find(kind);
        if (found == windows.end() || kind == ChartKind::Smith)
            found = windows
                        .insert_or_assign(kind,
                                          std::make_unique<ChartWindowModel>(slots, CircuitMode::Series, '.'))
                        .first;
        screen[kind].ClearCalls();
        legends[kind] = found->second->Draw(screen[kind], true, context, srf);
        return number;
    }

    void Close(ChartKind kind) {
        windows.at(kind)->Close(slots);
        windows.erase(kind);
    }

    Library library = testing::ChartTestLibrary();
    ChartSlotTable slots;
    ChartPointTable points{};
    shared::FakeMessages messages;
    ChartContext context{slots, points, library, shared::Eia, kDegree, &messages, "Pelmo"};
    std::map<ChartKind, std::unique_ptr<ChartWindowModel>> windows;
    std::map<ChartKind, RecordingCanvas> screen;
    std::map<ChartKind, std::vector<std::string>> legends;
};

ChartPointTable ImpedanceAndEsrSweep(double start, double end) {
    ChartPointTable sweep = Sweep(start, end, [](double) { return 1.0; });
    for (ChartPoint& p : sweep) {
        p.ImpedanceMagnitude = 100.0;
        p.Esr = 0.1;
    }
    return sweep;
}

// Phase in slot 1, Impedance & ESR of A in 2 and 3, Phase closed, Impedance & ESR of B
// in 1 and 4: each legend must still name what its trace holds.
TEST_F(ChartScenario, ImpedanceAndEsrLegendsFollowTheDataNotTheSlotOrder) {
    RequestChart(Request("Phase", ProductKind::Capacitor, 1, "S11", "Series"),
                 Sweep(3e5, 6e9, [](double) { return 0.5; }));
    const auto pair = [&](int part) {
        slots.SetImpedanceEsrSecondPass(false);
        RequestChart(Request("Impedance & ESR", ProductKind::Capacitor, part),
                     ImpedanceAndEsrSweep(3e5, 6e9));
        slots.SetImpedanceEsrSecondPass(true);
        RequestChart(Request("Impedance & ESR", ProductKind::Capacitor, part),
                     ImpedanceAndEsrSweep(3e5, 6e9));
        slots.SetImpedanceEsrSecondPass(false);
    };
    pair(1);
    Close(ChartKind::Phase);
    pair(2);
    EXPECT_EQ(slots.SlotsOfChart(ChartKind::ImpedanceAndEsr), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(
        legends[ChartKind::ImpedanceAndEsr],
        (std::vector<std::string>{"VSD104-Impedance", "PNE21B104-Impedance", "PNE21B104-ESR", "VSD104-ESR"}));
    const TraceStore& store = windows.at(ChartKind::ImpedanceAndEsr)->Store();
    EXPECT_EQ(store.Value(1, 1, 100), 100.0);
    EXPECT_EQ(store.Value(4, 1, 100), 0.1);
    EXPECT_TRUE(store.HoldsEsr(3));
    EXPECT_FALSE(store.HoldsEsr(2));
    // Colours stay by trace number: the first trace blue, the second red.
    const RecordingCanvas& canvas = screen[ChartKind::ImpedanceAndEsr];
    EXPECT_EQ(LinesIn(canvas, kTraceColors[0]).size(), 200U);
    EXPECT_EQ(LinesIn(canvas, kTraceColors[3]).size(), 200U);
}

TEST_F(ChartScenario, MagnitudePlotsS11AndS21FromTheirOwnSeries) {
    ChartPointTable sweep = Sweep(3e5, 6e9, [](double) { return 0.0; });
    for (ChartPoint& p : sweep) {
        p.S11MagnitudeDb = -10.0;
        p.S21MagnitudeDb = -30.0;
    }
    RequestChart(Request("Magnitude", ProductKind::Capacitor, 1, "S11", "Series"), sweep);
    RequestChart(Request("Magnitude", ProductKind::Capacitor, 1, "S21", "Series"), sweep);
    EXPECT_EQ(legends[ChartKind::Magnitude],
              (std::vector<std::string>{"PNE21B104 (S11,Series)", "PNE21B104 (S21,Series)"}));
    const RecordingCanvas& canvas = screen[ChartKind::Magnitude];
    // -30 dB is the minimum: 4 divisions of 600, -40 dB at the bottom (y = 400).
    const std::vector<LineCall> blue = LinesIn(canvas, kTraceColors[0]);
    const std::vector<LineCall> red = LinesIn(canvas, kTraceColors[1]);
    ASSERT_EQ(blue.size(), 200U);
    ASSERT_EQ(red.size(), 200U);
    EXPECT_DOUBLE_EQ(blue.front().y1, 2200);
    EXPECT_DOUBLE_EQ(red.front().y1, 1000);
    // Class 3, 0.3 MHz to 6 GHz: five decades from 0.1 MHz.
    EXPECT_NEAR(blue.front().x1, 450 + 480 * std::log10(3.0), 1e-9);
    EXPECT_NEAR(blue.back().x2, 450 + 480 * (std::log10(6000.0) + 1), 1e-9);
}

TEST_F(ChartScenario, ScreenDrawingHasItsFrameTitlesAndLabels) {
    RequestChart(Request("Impedance", ProductKind::Inductor, 1),
                 Sweep(1e7, 6e9, [](double f) { return f / 1e7; }));
    const RecordingCanvas& canvas = screen[ChartKind::Impedance];
    const auto scales = canvas.CallsOf<shared::ScaleCall>();
    ASSERT_FALSE(scales.empty());
    EXPECT_EQ(scales.front(), (shared::ScaleCall{0, 3000, 3000, -3000}));
    const auto boxes = canvas.CallsOf<shared::BoxCall>();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_TRUE(boxes[0].filled);
    EXPECT_EQ(boxes[0].color, kPlotAreaGrey);
    EXPECT_EQ(boxes[0].x1, 470);
    EXPECT_EQ(boxes[0].y1, 400);
    const auto rotated = canvas.CallsOf<shared::RotatedTextCall>();
    ASSERT_EQ(rotated.size(), 1U);
    EXPECT_EQ(rotated[0].text, "Impedance [ohm]");
    EXPECT_EQ(rotated[0].escapementTenths, 900);
    EXPECT_EQ(rotated[0].font, (shared::RotatedFont{"Arial", 12, 5, 100}));
    std::vector<std::string> texts;
    for (const auto& text : canvas.CallsOf<shared::TextCall>()) texts.push_back(text.text);
    // Titles, then 10 MHz ... 10 GHz, then the decades of 1 ... 600 ohm.
    EXPECT_EQ(texts, (std::vector<std::string>{"Frequency [MHz]", "10", "100", "1,000", "10,000", "1", "10",
                                               "100", "1,000"}));
    const auto labels = canvas.CallsOf<shared::TextCall>();
    EXPECT_EQ(labels[0].x, 1400);
    EXPECT_EQ(labels[0].y, 200);
    // "100" centred on the second decade line, "1,000" right-aligned at 440.
    EXPECT_DOUBLE_EQ(labels[2].x + canvas.TextWidth("100") / 2, 470 + 800);
    EXPECT_DOUBLE_EQ(labels[8].x + canvas.TextWidth("1,000"), 440);
    EXPECT_EQ(legends[ChartKind::Impedance], (std::vector<std::string>{"PWA10N22"}));
}

// Q of an inductor turns negative near its resonance: those points are left out, and
// the drawing shows "Error at Log10" once, not once per point.
TEST_F(ChartScenario, NonPositiveValuesOnALogAxisGiveOneMessagePerDrawing) {
    ChartPointTable sweep = Sweep(1e7, 6e9, [](double f) { return f < 1e9 ? 50.0 : -5.0; });
    sweep[50].Q = 0.0;
    RequestChart(Request("Q", ProductKind::Inductor, 1), sweep);
    ASSERT_EQ(messages.Shown().size(), 1U);
    EXPECT_EQ(messages.Shown()[0].text, "Error at Log10");
    int positive = 0;
    for (const ChartPoint& p : sweep) positive += p.Q > 0 ? 1 : 0;
    // Segments need both ends: the positive points run from 0, with a gap at point 50.
    const auto lines = LinesIn(screen[ChartKind::Q], kTraceColors[0]);
    EXPECT_EQ(static_cast<int>(lines.size()), positive - 2);
    for (const LineCall& line : lines) EXPECT_GE(std::min(line.y1, line.y2), 400);
    // The axis comes from the positive values only: one decade, 10 to 100.
    EXPECT_EQ(windows.at(ChartKind::Q)->Axis().Divisions, 1);

    RecordingCanvas page(800, 600, 600, true);
    page.SetScaleMode(shared::ScaleMode::Twips);
    windows.at(ChartKind::Q)->Draw(page, false, context, "");
    EXPECT_EQ(messages.Shown().size(), 2U);
}

// Printing a window must not write the SRF shown in the selection window now into the
// slot requested last, which belongs to another chart.
TEST_F(ChartScenario, PrintingKeepsEverySlotsSrf) {
    const auto sweep = Sweep(3e5, 6e9, [](double) { return 2.0; });
    const int a = RequestChart(Request("Impedance", ProductKind::Capacitor, 1), sweep, "123.4");
    const int b = RequestChart(Request("ESR", ProductKind::Capacitor, 2), sweep, "");
    EXPECT_EQ(slots.Slot(a).Srf, 123.4F);
    EXPECT_EQ(slots.Slot(b).Srf, 0.0F);
    RecordingCanvas page(800, 600, 600, true);
    page.SetScaleMode(shared::ScaleMode::Twips);
    windows.at(ChartKind::Impedance)->Draw(page, false, context, "999");
    windows.at(ChartKind::Esr)->Draw(page, false, context, "999");
    EXPECT_EQ(slots.Slot(a).Srf, 123.4F);
    EXPECT_EQ(slots.Slot(b).Srf, 0.0F);
    // A redraw of its own picture while another kind's slot is current copies nothing.
    windows.at(ChartKind::Impedance)->Draw(screen[ChartKind::Impedance], true, context, "999");
    EXPECT_EQ(slots.Slot(b).Srf, 0.0F);
    EXPECT_EQ(windows.at(ChartKind::Impedance)->Store().HasTrace(b), false);
}

struct PrinterRow {
    const char* name;
    shared::PrinterColorMode mode;
    shared::Rgb first, second;
    int firstWidth, secondWidth;
};

class PrinterTest : public ChartScenario, public ::testing::WithParamInterface<PrinterRow> {};

TEST_P(PrinterTest, TracesAreTellableApartOnPaper) {
    const PrinterRow& row = GetParam();
    const auto sweep = Sweep(3e5, 6e9, [](double) { return 2.0; });
    RequestChart(Request("DF", ProductKind::Capacitor, 1), sweep);
    RequestChart(Request("DF", ProductKind::Capacitor, 0), sweep);
    RecordingCanvas page(800, 600, 600, true);
    page.SetScaleMode(shared::ScaleMode::Twips);
    page.SetColorMode(row.mode);
    const double w = page.ScaleWidth();
    const double h = page.ScaleHeight();
    page.ClearCalls();
    windows.at(ChartKind::DF)->Draw(page, false, context, "");
    EXPECT_EQ(page.CallsOf<shared::ScaleCall>().front(),
              (shared::ScaleCall{-1800000.0 / 10650, 24900000.0 / 7100, w * 3000 / 10650, -h * 3000 / 7100}));
    const auto boxes = page.CallsOf<shared::BoxCall>();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_FALSE(boxes[0].filled);
    const auto texts = page.CallsOf<shared::TextCall>();
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const auto& t) { return t.text.empty() && t.x == 470 && t.y == 2970; }));
    EXPECT_TRUE(page.CallsOf<shared::RotatedTextCall>().empty());
    const auto lines = page.CallsOf<LineCall>();
    std::vector<LineCall> trace1(lines.end() - 400, lines.end() - 200);
    std::vector<LineCall> trace2(lines.end() - 200, lines.end());
    EXPECT_EQ(trace1.front().color, row.first);
    EXPECT_EQ(trace1.front().width, row.firstWidth);
    EXPECT_EQ(trace2.back().color, row.second);
    EXPECT_EQ(trace2.back().width, row.secondWidth);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, PrinterTest, ::testing::Values(
    PrinterRow{"Colour", shared::PrinterColorMode::Color, kTraceColors[0], kTraceColors[1], 5, 5},
    PrinterRow{"BlackOnly", shared::PrinterColorMode::Monochrome, shared::colors::kBlack, shared::colors::kBlack, 12, 9}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A capacitor's apparent capacitance runs flat and then climbs to the resonance: a line
// up to the first point steeper than 0.2, thick dots from there.
TEST_F(ChartScenario, ApparentCapacitanceTurnsIntoDotsWhereItSteepens) {
    const auto sweep =
        Sweep(3e5, 1e9, [](double f) { return (f < 1e8 ? 1e-11 : 1e-11 * std::pow(f / 1e8, 6)); });
    RequestChart(Request("Apparent Capacitance", ProductKind::Capacitor, 1), sweep);
    const RecordingCanvas& canvas = screen[ChartKind::ApparentCapacitance];
    const auto lines = LinesIn(canvas, kTraceColors[0]);
    const auto dots = canvas.CallsOf<shared::PointCall>();
    ASSERT_FALSE(lines.empty());
    ASSERT_FALSE(dots.empty());
    EXPECT_EQ(lines.size() + dots.size(), 201U);
    EXPECT_EQ(dots.front().x, lines.back().x2);
    EXPECT_EQ(dots.front().width, 3);
    EXPECT_EQ(canvas.DrawWidth(), 1);
    // Copied in pF: the axis starts at the decade of 10 pF.
    EXPECT_EQ(windows.at(ChartKind::ApparentCapacitance)->Axis().ValueExponent, -1);
}

TEST_F(ChartScenario, AnInductorsApparentInductanceIsAlwaysALine) {
    RequestChart(Request("Apparent Inductance", ProductKind::Inductor, 1),
                 Sweep(1e7, 5e9, [](double f) { return 1e-9 * std::pow(5e9 / f, 3); }));
    const RecordingCanvas& canvas = screen[ChartKind::ApparentInductance];
    EXPECT_EQ(LinesIn(canvas, kTraceColors[0]).size(), 200U);
    EXPECT_TRUE(canvas.CallsOf<shared::PointCall>().empty());
}

TEST_F(ChartScenario, TracesAreCollectedInSlotOrder) {
    const auto sweep = Sweep(1e7, 6e9, [](double) { return 3.0; });
    RequestChart(Request("Impedance", ProductKind::Inductor, 1), sweep);
    RequestChart(Request("ESR", ProductKind::Inductor, 1), sweep);
    RequestChart(Request("ESR", ProductKind::Inductor, 0), sweep);
    Close(ChartKind::Impedance);
    RequestChart(Request("ESR", ProductKind::Capacitor, 2), Sweep(1e8, 6e9, [](double) { return 3.0; }));
    EXPECT_EQ(legends[ChartKind::Esr],
              (std::vector<std::string>{"VSD104", "PWA10N22", "PWT15DZ1N0   (See Help 2)"}));
}

struct LegendRow {
    const char* name;
    ChartKind kind;
    ChartSlot slot;
    bool holdsEsr;
    const char* expected;
};

class LegendTest : public ::testing::TestWithParam<LegendRow> {};

TEST_P(LegendTest, CaptionNamesPartConditionsAndQuantity) {
    const LegendRow& row = GetParam();
    const Library library = testing::ChartTestLibrary();
    ChartSlot slot = row.slot;
    slot.SlotNumber = 1;
    EXPECT_EQ(LegendCaption(row.kind, ChartTraceOf(slot, library, shared::Eia), row.holdsEsr, kDegree, '.'),
              row.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, LegendTest, ::testing::Values(
    LegendRow{"ModelMagnitude", ChartKind::Magnitude, Request("Magnitude", ProductKind::Capacitor, 0, "S21", "Shunt", 25.0F, 2.5F), false,
              "KTE105R104 (25[\xC2\xB0" "C],2.5[V],S21,Shunt)"},
    LegendRow{"ModelImpedance", ChartKind::ImpedanceAndEsr, Request("Impedance & ESR", ProductKind::Capacitor, 0, "", "", -55.0F, 0.0F), false,
              "KTE105R104-Impedance (-55[\xC2\xB0" "C],0[V])"},
    LegendRow{"ModelEsr", ChartKind::ImpedanceAndEsr, Request("Impedance & ESR", ProductKind::Capacitor, 0, "", "", 85.0F, 4.0F), true,
              "KTE105R104-ESR (85[\xC2\xB0" "C],4[V])"},
    LegendRow{"ModelQ", ChartKind::Q, Request("Q", ProductKind::Capacitor, 0, "", "", 25.0F, 6.3F), false,
              "KTE105R104 (25[\xC2\xB0" "C],6.3[V])"},
    LegendRow{"PlainPhase", ChartKind::Phase, Request("Phase", ProductKind::Capacitor, 1, "S11", "Series"), false,
              "PNE21B104 (S11,Series)"},
    LegendRow{"PlainEsr", ChartKind::ImpedanceAndEsr, Request("Impedance & ESR", ProductKind::Capacitor, 1), true, "PNE21B104-ESR"},
    LegendRow{"PlainDf", ChartKind::DF, Request("DF", ProductKind::Capacitor, 1), false, "PNE21B104"},
    LegendRow{"HelpNote", ChartKind::ImpedanceAndEsr, Request("Impedance & ESR", ProductKind::Inductor, 0), false,
              "PWT15DZ1N0-Impedance   (See Help 2)"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ChartCaptions, WindowCaptionsAndUnits) {
    EXPECT_EQ(RectangularChartCaption(ChartKind::ImpedanceAndEsr), "Impedance & ESR Chart");
    EXPECT_EQ(ValueUnitText(ChartKind::Reactance), "[ohm]:Absolute Value");
    EXPECT_EQ(ValueUnitText(ChartKind::Q), "");
    EXPECT_EQ(ValueUnitText(ChartKind::ApparentInductance), "[nH]");
    EXPECT_EQ(ValueUnitText(ChartKind::Esr), "[ohm]");
}

}  // namespace
}  // namespace pelmo
