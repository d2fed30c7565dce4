#include "chart_request_fixture.h"
#include "pelmo/charts/chart_slot.h"
#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/library/records.h"

#include "shared/errors/runtime_error.h"

#include <cmath>
#include <limits>

namespace pelmo {
namespace {

using testing::ChartRequestFixture;
using testing::FindCapacitor;
using testing::FindInductor;
using testing::RangeClassOf;

constexpr const char* kTypeLimit = "Maximum Numbers of this Chart Type open!";
constexpr const char* kSlotLimit = "Maximum Numbers of Charts open!";
constexpr const char* kDuplicate = "This Chart is already opened!";

class ChartRequestsTest : public ChartRequestFixture {
protected:
    // The n-th capacitor of a class with (or without) a temperature and bias model.
    std::string Capacitor(int rangeClass, bool model, int skip = 0) {
        return FindCapacitor(
            library_,
            [&](const CapacitorRecord& r) {
                return RangeClassOf(r.PartNumber[shared::Eia]) == rangeClass && HasConditionModel(r) == model;
            },
            skip);
    }
    std::string Inductor(int skip = 0) {
        return FindInductor(
            library_, [](const InductorRecord& r) { return r.SelfResonance > 0; }, skip);
    }

    int Used() const { return slots_.InUseCount(); }
};

TEST_F(ChartRequestsTest, RefusesABoxThatNamesNoPartWithoutTakingASlot) {
    for (const std::string text : {"", "   ", "NOSUCHPART", "KTA"}) {
        selection_.SetPartNumberText(text);
        EXPECT_FALSE(requests_.StartDrawChart(ChartKind::Impedance, SParameter::None));
        ASSERT_EQ(messages_.Shown().size(), 1U) << text;
        EXPECT_EQ(messages_.Shown()[0].text, "Please specify correct Part Number.");
        EXPECT_EQ(messages_.Shown()[0].icon, shared::MessageIcon::None);
        EXPECT_EQ(messages_.Shown()[0].title, "Pelmo");
        messages_.Clear();
    }
    EXPECT_EQ(Used(), 0);
    EXPECT_TRUE(windows_.shown.empty());
}

TEST_F(ChartRequestsTest, TrimsThePartNumberAndTakesTheLowestSlot) {
    const std::string part = Capacitor(5, true);
    Choose(part);
    selection_.SetPartNumberText("  " + part + " ");
    EXPECT_TRUE(requests_.StartDrawChart(ChartKind::Impedance, SParameter::None));
    EXPECT_EQ(selection_.State().PartNumber.Text, part);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(slots_.CurrentSlot(), 1);
    EXPECT_EQ(slots_.Slot(1).Kind, ChartKind::Impedance);
    // The hourglass was shown for the sweep and is gone again.
    EXPECT_GE(cursor_.HourglassCalls(), 1);
    EXPECT_EQ(cursor_.Depth(), 0);
    // A chart window is open now: the selection offers Close All.
    EXPECT_TRUE(selection_.State().Menus.WindowClose);
}

// The slot records the request as the selection window showed it; the point table
// holds the sweep from the class's start frequency to the end of the part's data.
TEST_F(ChartRequestsTest, FillsTheSlotAndSweepsTheClassRange) {
    const std::string part = Capacitor(5, true);
    Choose(part);
    selection_.SetTemperatureText("85");
    selection_.SetBiasText("2");
    selection_.optMode_Click(1);
    messages_.Clear();
    ASSERT_TRUE(requests_.StartDrawChart(ChartKind::Magnitude, SParameter::S21))
        << ::testing::PrintToString(Shown());
    const ChartSlot& slot = slots_.Slot(1);
    const std::int32_t index = *library_.PartIndex[shared::Eia].Find(part);
    EXPECT_EQ(slot.Product, ProductKind::Capacitor);
    EXPECT_EQ(slot.PartIndexPlusOne, index + 1);
    EXPECT_EQ(slot.Parameter, SParameter::S21);
    EXPECT_EQ(slot.Connection, CircuitMode::Shunt);
    EXPECT_EQ(slot.Temperature, 85.0F);
    EXPECT_EQ(slot.DcBias, 2.0F);
    EXPECT_EQ(slot.UpperFrequency, 0.0F);  // recorded for class 4 only
    const float fmax = library_.CapacitorTable[static_cast<std::size_t>(index)].UpperFrequency;
    EXPECT_NEAR(points_[0].Frequency, 30e3, 1e-6);  // class 5 starts at 30 kHz
    EXPECT_NEAR(points_[200].Frequency / fmax, 1.0, 1e-9);
    for (int i = 1; i < kChartPointCount; ++i)
        ASSERT_GT(points_[static_cast<std::size_t>(i)].Frequency,
                  points_[static_cast<std::size_t>(i - 1)].Frequency);

    // Charts without an S-parameter record no connection.
    ASSERT_TRUE(requests_.StartDrawChart(ChartKind::Esr, SParameter::None));
    EXPECT_EQ(slots_.Slot(2).Connection, std::nullopt);

    const std::string class4 = Capacitor(4, false);
    Choose(class4);
    ASSERT_TRUE(requests_.StartDrawChart(ChartKind::Impedance, SParameter::None));
    const std::int32_t index4 = *library_.PartIndex[shared::Eia].Find(class4);
    EXPECT_EQ(slots_.Slot(3).UpperFrequency,
              library_.CapacitorTable[static_cast<std::size_t>(index4)].UpperFrequency);
    EXPECT_NEAR(points_[0].Frequency, 300e3, 1e-6);
}

TEST_F(ChartRequestsTest, InvalidConditionsAreRefusedBeforeASlotIsTaken) {
    Choose(Capacitor(5, true));
    selection_.SetTemperatureText("abc");
    EXPECT_FALSE(requests_.StartDrawChart(ChartKind::Impedance, SParameter::None));
    const std::vector<std::string> texts = Shown();
    ASSERT_EQ(texts.size(), 1U);
    EXPECT_EQ(texts[0].rfind("Operation Temp is invalid!", 0), 0U) << texts[0];
    EXPECT_EQ(Used(), 0);
    EXPECT_TRUE(windows_.shown.empty());
}

// Every refusal shows its one message and leaves the slot table as it was.
TEST_F(ChartRequestsTest, LimitsAndDuplicatesAreRefusedWithTheirMessages) {
    // Six Magnitude traces of different parts are accepted, the seventh is refused; a
    // Phase chart still goes through.
    for (int k = 0; k < 7; ++k) {
        Choose(Capacitor(5, true, k));
        const bool accepted = requests_.StartDrawChart(ChartKind::Magnitude, SParameter::S11);
        EXPECT_EQ(accepted, k < 6) << k;
    }
    EXPECT_EQ(Shown(), std::vector<std::string>{kTypeLimit});
    EXPECT_EQ(messages_.Shown().size(), 0U);
    EXPECT_EQ(Used(), 6);
    EXPECT_EQ(windows_.windows.size(), 1U);
    EXPECT_EQ(windows_.windows[0].Legends.size(), 6U);
    EXPECT_TRUE(requests_.StartDrawChart(ChartKind::Phase, SParameter::S11));

    // The same chart again is a duplicate; a change of connection makes a new chart.
    EXPECT_FALSE(requests_.StartDrawChart(ChartKind::Phase, SParameter::S11));
    EXPECT_EQ(Shown(), std::vector<std::string>{kDuplicate});
    EXPECT_EQ(messages_.Shown().size(), 0U);
    selection_.optMode_Click(1);
    messages_.Clear();
    EXPECT_TRUE(requests_.StartDrawChart(ChartKind::Phase, SParameter::S11));
    EXPECT_EQ(Used(), 8);

    // Twenty slots in use refuse everything.
    for (int k = 0; Used() < kChartSlots; ++k) {
        Choose(Capacitor(3, true, k));
        ASSERT_TRUE(requests_.StartDrawChart(k % 2 == 0 ? ChartKind::Smith : ChartKind::Impedance,
                                             k % 2 == 0 ? SParameter::S11 : SParameter::None))
            << ::testing::PrintToString(Shown());
    }
    Choose(Inductor(), true);
    EXPECT_FALSE(requests_.StartDrawChart(ChartKind::Q, SParameter::None));
    EXPECT_EQ(Shown(), std::vector<std::string>{kSlotLimit});
    EXPECT_EQ(Used(), kChartSlots);
}

// A closed window leaves a gap before the other slots; the limit still counts them all.
TEST_F(ChartRequestsTest, TheKindLimitCountsSlotsAfterAGap) {
    Choose(Inductor(), true);
    ASSERT_TRUE(requests_.StartDrawChart(ChartKind::Phase, SParameter::S11));
    for (int k = 0; k < 6; ++k) {
        Choose(Capacitor(3, true, k));
        ASSERT_TRUE(requests_.StartDrawChart(ChartKind::Magnitude, SParameter::S11));
    }
    windows_.Close(0);  // the Phase window frees slot 1
    ASSERT_FALSE(slots_.Slot(1).InUse());
    Choose(Capacitor(3, true, 6));
    EXPECT_FALSE(requests_.StartDrawChart(ChartKind::Magnitude, SParameter::S11));
    EXPECT_EQ(Shown(), std::vector<std::string>{kTypeLimit});
    EXPECT_FALSE(slots_.Slot(1).InUse());
}

TEST_F(ChartRequestsTest, ImpedanceAndEsrTakesTwoSlotsInOneWindow) {
    const std::string part = Capacitor(4, false);
    Choose(part);
    requests_.Request(ChartKind::ImpedanceAndEsr);
    EXPECT_TRUE(Shown().empty());
    ASSERT_EQ(windows_.shown.size(), 2U);
    EXPECT_FALSE(windows_.shown[0].SecondPass);
    EXPECT_TRUE(windows_.shown[0].NewWindow);
    EXPECT_TRUE(windows_.shown[1].SecondPass);
    EXPECT_FALSE(windows_.shown[1].NewWindow);
    EXPECT_FALSE(slots_.ImpedanceEsrSecondPass());
    EXPECT_EQ(slots_.CountOfChart(ChartKind::ImpedanceAndEsr), 2);
    ASSERT_EQ(windows_.windows.size(), 1U);
    EXPECT_EQ(windows_.windows[0].Legends, (std::vector<std::string>{part + "-Impedance", part + "-ESR"}));

    // Asked again, the first request is a duplicate and the second is never made.
    requests_.Request(ChartKind::ImpedanceAndEsr);
    EXPECT_EQ(Shown(), std::vector<std::string>{kDuplicate});
    EXPECT_EQ(windows_.shown.size(), 2U);
    EXPECT_EQ(Used(), 2);
}

// Phase in slot 1, the pair of A in slots 2 and 3; Phase closes, and the pair of B
// takes slots 1 and 4. Every legend still names what its trace holds.
TEST_F(ChartRequestsTest, ASplitImpedanceAndEsrPairKeepsItsLabels) {
    const std::string a = Capacitor(4, false, 0);
    const std::string b = Capacitor(4, false, 1);
    Choose(a);
    ASSERT_TRUE(requests_.StartDrawChart(ChartKind::Phase, SParameter::S11));
    requests_.Request(ChartKind::ImpedanceAndEsr);
    windows_.Close(0);
    Choose(b);
    requests_.Request(ChartKind::ImpedanceAndEsr);
    EXPECT_TRUE(Shown().empty());
    ASSERT_EQ(slots_.SlotsOfChart(ChartKind::ImpedanceAndEsr), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(windows_.windows[1].Legends,
              (std::vector<std::string>{b + "-Impedance", a + "-Impedance", a + "-ESR", b + "-ESR"}));
}

TEST_F(ChartRequestsTest, AFailingSweepGivesItsSlotBackAndEndsThePair) {
    const std::string part = Inductor();
    Choose(part, true);
    InductorRecord& record =
        library_.InductorTable[static_cast<std::size_t>(*library_.InductorPartIndex.Find(part))];
    const InductorRecord good = record;
    record.L0 = std::numeric_limits<float>::infinity();
    requests_.Request(ChartKind::ImpedanceAndEsr);
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].title, "pelmo:frmLibrary.StartDrawChart");
    EXPECT_EQ(messages_.Shown()[0].icon, shared::MessageIcon::Critical);
    EXPECT_EQ(messages_.Shown()[0].text.rfind("Unexpected Error", 0), 0U);
    messages_.Clear();
    EXPECT_EQ(Used(), 0);
    EXPECT_TRUE(windows_.shown.empty());
    EXPECT_FALSE(slots_.ImpedanceEsrSecondPass());
    EXPECT_EQ(cursor_.Depth(), 0);

    // The kind is not blocked: the next request opens its window.
    record = good;
    requests_.Request(ChartKind::ImpedanceAndEsr);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(Used(), 2);
    EXPECT_EQ(windows_.windows.size(), 1U);
}

TEST_F(ChartRequestsTest, AWindowThatFailsGivesItsSlotBack) {
    Choose(Capacitor(2, false));
    windows_.failure = [] { throw shared::RuntimeError(shared::error::kOverflow); };
    EXPECT_FALSE(requests_.StartDrawChart(ChartKind::Q, SParameter::None));
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].title, "pelmo:frmLibrary.StartDrawChart");
    EXPECT_NE(messages_.Shown()[0].text.find("Overflow"), std::string::npos);
    messages_.Clear();
    EXPECT_EQ(Used(), 0);

    // A window that reported its own failure is not reported twice.
    windows_.failure = [] { throw ChartWindowFailure("load"); };
    requests_.Request(ChartKind::ImpedanceAndEsr);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(windows_.shown.size(), 2U);  // the first request only, each time
    EXPECT_EQ(Used(), 0);
    EXPECT_EQ(cursor_.Depth(), 0);

    windows_.failure = nullptr;
    EXPECT_TRUE(requests_.StartDrawChart(ChartKind::Q, SParameter::None));
    EXPECT_EQ(slots_.CurrentSlot(), 1);
}

TEST_F(ChartRequestsTest, ApparentInductanceBeyondTheDataIsRefused) {
    // A part whose resonance lies at or beyond its data: the apparent inductance curve
    // would lie entirely outside them.
    std::string beyond;
    for (const CapacitorRecord& record : library_.CapacitorTable) {
        const std::string& number = record.PartNumber[shared::Eia];
        if (number.empty() || RangeClassOf(number) == 0) continue;
        CapacitorConditions conditions;
        conditions.PartNumber = number;
        OperatingPointResult result;
        if (PlanCapacitorChart(record, conditions, ChartKind::ApparentInductance, result).Refusal ==
            ChartSweepRefusal::ApparentInductanceNotAvailable) {
            beyond = number;
            break;
        }
    }
    ASSERT_FALSE(beyond.empty());
    Choose(beyond);
    EXPECT_FALSE(requests_.StartDrawChart(ChartKind::ApparentInductance, SParameter::None));
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].text,
              "Apparent Inductance Chart is not available for this Product Number.");
    EXPECT_EQ(messages_.Shown()[0].icon, shared::MessageIcon::Exclamation);
    EXPECT_EQ(Used(), 0);
    EXPECT_EQ(cursor_.Depth(), 0);
    messages_.Clear();
    // Its apparent capacitance runs to the end of its data.
    ASSERT_TRUE(requests_.StartDrawChart(ChartKind::ApparentCapacitance, SParameter::None));
    const std::int32_t index = *library_.PartIndex[shared::Eia].Find(beyond);
    EXPECT_NEAR(
        points_[200].Frequency / library_.CapacitorTable[static_cast<std::size_t>(index)].UpperFrequency, 1.0,
        1e-9);
}

// Smith and rectangular kinds: Smith opens a window per request, rectangular kinds
// collect their traces in one window; S11 and S21 share the Magnitude window.
TEST_F(ChartRequestsTest, RectangularKindsShareAWindowAndSmithDoesNot) {
    Choose(Inductor(0), true);
    requests_.Request(ChartKind::Smith, SParameter::S11);
    requests_.Request(ChartKind::Smith, SParameter::S21);
    requests_.Request(ChartKind::Magnitude, SParameter::S11);
    requests_.Request(ChartKind::Magnitude, SParameter::S21);
    requests_.Request(ChartKind::Q);
    Choose(Inductor(1), true);
    requests_.Request(ChartKind::Q);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(windows_.windows.size(), 4U);
    std::vector<bool> opened;
    for (const auto& shown : windows_.shown) opened.push_back(shown.NewWindow);
    EXPECT_EQ(opened, (std::vector<bool>{true, true, true, false, true, false}));
    EXPECT_EQ(slots_.Slot(2).Parameter, SParameter::S21);
    EXPECT_EQ(slots_.Slot(5).Parameter, SParameter::None);  // Request(kind) passes none for Q
    // Request(kind) asks S11 of the kinds that have one.
    Choose(Inductor(2), true);
    requests_.Request(ChartKind::Phase);
    EXPECT_EQ(slots_.Slot(7).Parameter, SParameter::S11);
}

}  // namespace
}  // namespace pelmo
