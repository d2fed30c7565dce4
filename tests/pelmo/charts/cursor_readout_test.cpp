#include "pelmo/charts/cursor_readout.h"

#include "chart_request_fixture.h"
#include "pelmo/charts/chart_axis.h"
#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/charts/chart_window_model.h"
#include "pelmo/library/program_identity.h"

#include "shared/canvas/recording_canvas.h"
#include "shared/platform/testing/fake_messages.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace pelmo {
namespace {

using testing::FindCapacitor;
using testing::RangeClassOf;

constexpr double kHeightTwips = 3625.6;
constexpr int kProbe = 100;  // the point the panel tests read

// Chart windows as plain models over synthetic sweeps of class-3 capacitors, whose
// frequency axis runs from 0.1 MHz over five decades. Every sweep runs from 1 MHz to
// 1 GHz; each quantity is what the test sets.
class CursorReadoutTest : public ::testing::Test {
protected:
    CursorReadoutTest() : library_(testing::SampleLibrary()) {}

    // The table index of the skip-th class-3 capacitor.
    std::int32_t Part(int skip) {
        const std::string number = FindCapacitor(
            library_, [](const CapacitorRecord& r) { return RangeClassOf(r.PartNumber[shared::Eia]) == 3; },
            skip);
        for (std::size_t u = 0; u < library_.CapacitorTable.size(); ++u) {
            if (library_.CapacitorTable[u].PartNumber[shared::Eia] == number)
                return static_cast<std::int32_t>(u);
        }
        return -1;
    }

    static double FrequencyOf(int i) { return 1e6 * std::pow(1000.0, i / 200.0); }

    // Requests a trace of kind into the window of its kind (opened by the first).
    ChartWindowModel& Add(ChartKind kind, int part, const std::function<void(ChartPoint&)>& set,
                          const std::string& sParameter = "", const std::string& srf = "",
                          bool esrPass = false) {
        ChartSlot request;
        request.Product = ProductKind::Capacitor;
        request.PartIndexPlusOne = Part(part) + 1;
        request.Kind = kind;
        request.Parameter = SParameterFromName(sParameter).value();
        if (!sParameter.empty()) request.Connection = CircuitMode::Series;
        request.Temperature = 25.0F;
        EXPECT_NE(slots_.Reserve(request), 0);
        for (int i = 0; i < kChartPointCount; ++i) {
            ChartPoint point;
            point.Frequency = FrequencyOf(i);
            set(point);
            points_[static_cast<std::size_t>(i)] = point;
        }
        if (!window_ || window_->Kind() == ChartKind::Smith || window_->Kind() != kind)
            window_ = std::make_unique<ChartWindowModel>(slots_, CircuitMode::Series, '.');
        slots_.SetImpedanceEsrSecondPass(esrPass);
        ChartContext context{slots_, points_, library_, shared::Eia, "\u00B0", &messages_, kProgramTitle};
        window_->Draw(canvas_, true, context, srf);
        slots_.SetImpedanceEsrSecondPass(false);
        return *window_;
    }

    // The plot position of a frequency and value on the window's axes.
    double X(double frequency) const {
        const ChartAxis& a = window_->Axis();
        return a.Left + a.DecadeWidth * (std::log10(frequency / 1e6) + a.StartExponent);
    }
    double LogY(double value) const {
        const ChartAxis& a = window_->Axis();
        return a.Bottom + a.DivisionHeight * (a.ValueExponent + std::log10(value));
    }

    std::array<std::string, 3> Move(double x, double y) {
        readout_.MouseMove(*window_, slots_, canvas_, kHeightTwips, x, y);
        return readout_.Panels();
    }

    Library library_;
    shared::FakeMessages messages_;
    ChartSlotTable slots_;
    ChartPointTable points_{};
    shared::RecordingCanvas canvas_{522, 348};
    std::unique_ptr<ChartWindowModel> window_;
    CursorReadout readout_;
};

struct PanelCase {
    const char* name;
    ChartKind kind;
    const char* sParameter;
    std::function<void(ChartPoint&)> set;
    double plotted;  // the value the trace is plotted at (log kinds)
    const char* panel2;
    const char* panel3;
};

// clang-format off
const PanelCase kPanelCases[] = {
    {"Impedance", ChartKind::Impedance, "", [](ChartPoint& p) { p.ImpedanceMagnitude = 12.345; }, 12.345,
     "Z=12.35[ohm]", "SRF=1234.50[MHz]"},
    {"Esr", ChartKind::Esr, "", [](ChartPoint& p) { p.Esr = 0.012345; }, 0.012345,
     "ESR=0.012[ohm]", "SRF=1234.50[MHz]"},
    {"Reactance", ChartKind::Reactance, "", [](ChartPoint& p) { p.Reactance = -56.789; }, 56.789,
     "X=-56.79[ohm]", "SRF=1234.50[MHz]"},
    {"Q", ChartKind::Q, "", [](ChartPoint& p) { p.Q = 45.6; }, 45.6, "Q=45.60", "SRF=1234.50[MHz]"},
    {"DF", ChartKind::DF, "", [](ChartPoint& p) { p.DF = 0.025; }, 0.025, "DF=0.03", "SRF=1234.50[MHz]"},
    {"ApparentCapacitance", ChartKind::ApparentCapacitance, "",
     [](ChartPoint& p) { p.ApparentCapacitance = 1.5e-10; }, 150.0, "C=150.00[pF]", "SRF=1234.50[MHz]"},
    {"ApparentInductance", ChartKind::ApparentInductance, "",
     [](ChartPoint& p) { p.ApparentInductance = 2.5e-9; }, 2.5, "L=2.50[nH]", "SRF=1234.50[MHz]"},
    {"ImpedanceAndEsr", ChartKind::ImpedanceAndEsr, "", [](ChartPoint& p) { p.ImpedanceMagnitude = 3.0; }, 3.0,
     "Impedance=3.00[ohm]", "SRF=1234.50[MHz]"},
    {"MagnitudeS21", ChartKind::Magnitude, "S21",
     [](ChartPoint& p) { p.S21MagnitudeDb = -3.456; p.S21PhaseDeg = -45.678; p.S11MagnitudeDb = -30; }, 0,
     "Mag=-3.46[dB]", "Phase=-45.68[DEG]"},
    {"PhaseS11", ChartKind::Phase, "S11",
     [](ChartPoint& p) { p.S11MagnitudeDb = -0.5; p.S11PhaseDeg = 12.345; p.S21PhaseDeg = 99; }, 0,
     "Mag=-0.50[dB]", "Phase=12.35[DEG]"},
};
// clang-format on

// Each kind names its value with its own label, unit and decimals; the kinds without a
// phase show the SRF the slot recorded from the selection window's readout.
TEST_F(CursorReadoutTest, PanelTextsPerKind) {
    for (const PanelCase& c : kPanelCases) {
        SCOPED_TRACE(c.name);
        slots_ = ChartSlotTable{};
        window_.reset();
        Add(c.kind, 0, c.set, c.sParameter, "1234.5");
        double y = 0;
        if (c.kind == ChartKind::Magnitude)
            y = window_->Axis().Bottom + window_->Axis().Divisions * window_->Axis().DivisionHeight -
                3.456 * window_->Axis().DivisionHeight / 10.0;
        else if (c.kind == ChartKind::Phase)
            y = window_->Axis().Bottom + 2.0 * window_->Axis().DivisionHeight +
                12.345 * window_->Axis().DivisionHeight / 90.0;
        else
            y = LogY(c.plotted);
        // The first point within reach from the left is the probe.
        const auto panels = Move(X(FrequencyOf(kProbe)) + 19.9, y);
        EXPECT_TRUE(readout_.Active());
        EXPECT_EQ(panels[0], "Freq=31.62[MHz]");
        EXPECT_EQ(panels[1], c.panel2);
        EXPECT_EQ(panels[2], c.panel3);
    }
}

TEST_F(CursorReadoutTest, SmithReadsTheWindowsOwnParameter) {
    Add(
        ChartKind::Smith, 0,
        [](ChartPoint& p) {
            p.S21Real = 0.3;
            p.S21Imag = -0.4;
            p.S21MagnitudeDb = -7.96;
            p.S21PhaseDeg = -53.13;
            p.S11Real = -0.6;
        },
        "S21");
    EXPECT_EQ(Move(300, -400),
              (std::array<std::string, 3>{"Freq=1.00[MHz]", "Mag=-7.96[dB]", "Phase=-53.13[DEG]"}));
    // The S11 locus of the same slot is not this window's.
    EXPECT_EQ(Move(-600, 0), (std::array<std::string, 3>{}));
    EXPECT_FALSE(readout_.Active());
    // A Smith marker is 50 twips whatever the picture's size.
    Move(300, -400);
    const auto circles = canvas_.CallsOf<shared::CircleCall>();
    ASSERT_FALSE(circles.empty());
    EXPECT_DOUBLE_EQ(circles.back().radius, 120000.0 / static_cast<float>(kHeightTwips));
}

// Less than 20 chart units both ways, strictly.
TEST_F(CursorReadoutTest, HitsOnlyWithinTwentyUnits) {
    Add(ChartKind::Impedance, 0, [](ChartPoint& p) { p.ImpedanceMagnitude = 10.0; });
    const double x0 = X(FrequencyOf(0));
    const double y = LogY(10.0);
    struct Probe {
        double dx, dy;
        bool hit;
    };
    for (const Probe& p : {Probe{-19.99, 0, true}, Probe{-20.0, 0, false}, Probe{-25, 0, false},
                           Probe{0, 19.99, true}, Probe{0, -20.0, false}, Probe{-5, -19.99, true}}) {
        const std::optional<CursorHit> hit = HitTest(*window_, slots_, x0 + p.dx, y + p.dy);
        EXPECT_EQ(hit.has_value(), p.hit) << p.dx << "," << p.dy;
        if (hit && p.dx < -10) {
            EXPECT_EQ(hit->Point, 0);
        }
    }
    // Far from every point the panels and the marker are cleared.
    Move(x0, y);
    EXPECT_TRUE(readout_.Active());
    canvas_.ClearCalls();
    EXPECT_EQ(Move(x0, y + 500), (std::array<std::string, 3>{}));
    EXPECT_FALSE(readout_.Active());
    EXPECT_EQ(canvas_.CallsOf<shared::OverlayCall>().size(), 1U);
    EXPECT_TRUE(canvas_.CallsOf<shared::CircleCall>().empty());
}

// Two traces through one spot: the lower slot is read, whatever the request order.
TEST_F(CursorReadoutTest, TheLowerSlotWinsAtACommonSpot) {
    Add(ChartKind::Q, 0, [](ChartPoint& p) { p.Q = 5.0; });  // slot 1, another kind
    Add(
        ChartKind::Impedance, 1, [](ChartPoint& p) { p.ImpedanceMagnitude = 10.0; }, "", "100");  // slot 2
    slots_.Free(1);
    Add(
        ChartKind::Impedance, 2, [](ChartPoint& p) { p.ImpedanceMagnitude = 10.0; }, "", "200");  // slot 1
    const std::optional<CursorHit> hit = HitTest(*window_, slots_, X(FrequencyOf(50)), LogY(10.0));
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->Slot, 1);
    EXPECT_EQ(hit->TraceNumber, 1);
    EXPECT_EQ(Move(X(FrequencyOf(50)), LogY(10.0))[2], "SRF=200.00[MHz]");
}

// A trace without an SRF clears panel 3 instead of keeping another trace's SRF.
TEST_F(CursorReadoutTest, ATraceWithoutSrfClearsTheSrfPanel) {
    Add(
        ChartKind::Esr, 0, [](ChartPoint& p) { p.Esr = 10.0; }, "", "1500");
    Add(
        ChartKind::Esr, 1, [](ChartPoint& p) { p.Esr = 0.1; }, "", "Over 6000");
    EXPECT_EQ(slots_.Slot(2).Srf, 0.0F);
    const double x = X(FrequencyOf(20));
    EXPECT_EQ(Move(x, LogY(10.0))[2], "SRF=1500.00[MHz]");
    const auto panels = Move(x, LogY(0.1));
    EXPECT_EQ(panels[1], "ESR=0.100[ohm]");
    EXPECT_EQ(panels[2], "");
}

// The marker sits on the plotted |X| while the panel shows X with its sign.
TEST_F(CursorReadoutTest, ReactanceIsMarkedAtItsMagnitude) {
    Add(ChartKind::Reactance, 0, [](ChartPoint& p) { p.Reactance = -50.0; });
    canvas_.ClearCalls();
    const double x = X(FrequencyOf(0));
    EXPECT_EQ(Move(x, LogY(50.0))[1], "X=-50.00[ohm]");
    const auto circles = canvas_.CallsOf<shared::CircleCall>();
    ASSERT_EQ(circles.size(), 1U);
    EXPECT_DOUBLE_EQ(circles[0].cx, x);
    EXPECT_DOUBLE_EQ(circles[0].cy, LogY(50.0));
    EXPECT_TRUE(circles[0].overlay);
    EXPECT_EQ(circles[0].color, (shared::Rgb{255, 0, 0}));
    EXPECT_EQ(circles[0].fill, (shared::Rgb{255, 0, 0}));
    EXPECT_DOUBLE_EQ(circles[0].radius, 100000.0 / static_cast<float>(kHeightTwips));
}

// The ESR pass of a pair is read as ESR wherever the slot order put it.
TEST_F(CursorReadoutTest, ASplitPairIsReadByWhatItsColumnHolds) {
    Add(
        ChartKind::ImpedanceAndEsr, 0, [](ChartPoint& p) { p.Esr = 0.5; }, "", "", true);  // slot 1
    Add(
        ChartKind::ImpedanceAndEsr, 0, [](ChartPoint& p) { p.ImpedanceMagnitude = 20.0; }, "", "",
        false);  // slot 2
    const double x = X(FrequencyOf(0));
    EXPECT_EQ(Move(x, LogY(0.5))[1], "ESR=0.500[ohm]");
    EXPECT_EQ(Move(x, LogY(20.0))[1], "Impedance=20.00[ohm]");
}

// Points at or below zero on a logarithmic axis are neither plotted nor hit, and a
// mouse sweeping the whole chart never opens a message box.
TEST_F(CursorReadoutTest, NonPositiveValuesAreNeverHitAndNeverReported) {
    Add(ChartKind::Q, 0, [](ChartPoint& p) { p.Q = p.Frequency < 3e7 ? -1.0 : 10.0; });
    messages_.Clear();
    int hits = 0;
    for (double x = 0; x <= 3000; x += 25) {
        for (double y = 0; y <= 3000; y += 25) {
            if (const std::optional<CursorHit> hit = HitTest(*window_, slots_, x, y)) {
                ++hits;
                EXPECT_GE(FrequencyOf(hit->Point), 3e7);
            }
        }
    }
    EXPECT_GT(hits, 0);
    EXPECT_TRUE(messages_.Shown().empty());
}

TEST_F(CursorReadoutTest, FreezeReleaseAndPopup) {
    Add(ChartKind::Impedance, 0, [](ChartPoint& p) { p.ImpedanceMagnitude = 10.0; });
    const double x = X(FrequencyOf(0));
    const double y = LogY(10.0);

    // Nothing shown: a left click freezes nothing, a right click asks for the popup.
    Move(x, y + 500);
    readout_.LeftButtonDown();
    EXPECT_FALSE(readout_.Frozen());
    EXPECT_EQ(readout_.RightButtonUp(), CursorRelease::OpenPopup);

    // A point shown and frozen: moves change nothing until a right click releases it.
    const auto shown = Move(x, y);
    readout_.LeftButtonDown();
    EXPECT_TRUE(readout_.Frozen());
    EXPECT_EQ(Move(x, y + 500), shown);
    EXPECT_EQ(Move(X(FrequencyOf(100)), y), shown);
    EXPECT_EQ(readout_.RightButtonUp(), CursorRelease::Released);
    EXPECT_FALSE(readout_.Frozen());
    EXPECT_FALSE(readout_.Active());
    EXPECT_EQ(readout_.Panels(), shown);  // until the next move
    EXPECT_EQ(Move(x, y + 500), (std::array<std::string, 3>{}));

    // A right click while a point is shown but not frozen opens the popup too.
    Move(x, y);
    EXPECT_EQ(readout_.RightButtonUp(), CursorRelease::OpenPopup);
    EXPECT_TRUE(readout_.Active());

    // Minimising resets everything, a frozen point included.
    readout_.LeftButtonDown();
    readout_.Reset(canvas_);
    EXPECT_FALSE(readout_.Frozen());
    EXPECT_FALSE(readout_.Active());
    EXPECT_EQ(readout_.Panels(), (std::array<std::string, 3>{}));
}

}  // namespace
}  // namespace pelmo
