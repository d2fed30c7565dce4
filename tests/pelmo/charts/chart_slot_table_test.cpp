#include "pelmo/charts/chart_slot_table.h"

#include "chart_test_data.h"
#include "pelmo/charts/chart_window_list.h"
#include "pelmo/charts/slot_reservation.h"

#include "shared/errors/runtime_error.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace pelmo {
namespace {

using testing::Request;

// Takes a slot for a request after the checks, as the chart request does.
int Open(ChartSlotTable& table, const ChartSlot& request) {
    EXPECT_EQ(table.CheckChartOpen(request), ChartOpenRefusal::None);
    return table.Reserve(request);
}

TEST(ChartSlotTable, TakesTheLowestFreeSlotAndNeverSlotZero) {
    ChartSlotTable table;
    EXPECT_EQ(Open(table, Request("Impedance", ProductKind::Capacitor, 0)), 1);
    EXPECT_EQ(Open(table, Request("ESR", ProductKind::Capacitor, 0)), 2);
    EXPECT_EQ(Open(table, Request("Q", ProductKind::Capacitor, 0)), 3);
    table.FreeForClosedWindow(ChartKind::Esr, 2);
    EXPECT_EQ(table.LowestFreeSlot(), 2);
    EXPECT_EQ(Open(table, Request("DF", ProductKind::Capacitor, 0)), 2);
    EXPECT_EQ(table.CurrentSlot(), 2);
    EXPECT_EQ(table.Slot(2).SlotNumber, 2);
    EXPECT_FALSE(table.Slot(0).InUse());
    EXPECT_THROW(table.Slot(21), shared::RuntimeError);
}

TEST(ChartSlotTable, TwentySlotsInUseRefuseAnyFurtherChart) {
    ChartSlotTable table;
    const char* names[] = {"Smith", "Magnitude", "Phase", "Impedance"};
    for (int i = 0; i < 20; ++i)
        ASSERT_EQ(Open(table, Request(names[i % 4], ProductKind::Capacitor, i, "S11", "Series")), i + 1);
    const ChartSlot next = Request("ESR", ProductKind::Capacitor, 30);
    EXPECT_EQ(table.CheckChartOpen(next), ChartOpenRefusal::TooManyCharts);
    EXPECT_EQ(ChartOpenRefusalText(ChartOpenRefusal::TooManyCharts), "Maximum Numbers of Charts open!");
    EXPECT_EQ(table.Reserve(next), 0);
    EXPECT_EQ(table.InUseCount(), 20);
}

// Phase in slot 1 and six Magnitude traces in 2 to 7; closing Phase leaves a gap before
// them, and a seventh Magnitude trace must still be refused.
TEST(ChartSlotTable, PerKindLimitCountsSlotsAfterAGap) {
    ChartSlotTable table;
    Open(table, Request("Phase", ProductKind::Capacitor, 0, "S11", "Series"));
    for (int part = 0; part < 6; ++part)
        Open(table, Request("Magnitude", ProductKind::Capacitor, part, "S11", "Series"));
    table.FreeForClosedWindow(ChartKind::Phase, 1);
    const ChartSlot seventh = Request("Magnitude", ProductKind::Capacitor, 9, "S11", "Series");
    EXPECT_EQ(table.CheckChartOpen(seventh), ChartOpenRefusal::TooManyOfThisKind);
    EXPECT_EQ(ChartOpenRefusalText(ChartOpenRefusal::TooManyOfThisKind),
              "Maximum Numbers of this Chart Type open!");
    // The second pass of an Impedance & ESR pair skips the duplicate test only.
    table.SetImpedanceEsrSecondPass(true);
    EXPECT_EQ(table.CheckChartOpen(seventh), ChartOpenRefusal::TooManyOfThisKind);
}

struct DuplicateRow {
    const char* name;
    ChartSlot request;
    ChartOpenRefusal expected;
};

class DuplicateTest : public ::testing::TestWithParam<DuplicateRow> {};

TEST_P(DuplicateTest, SameChartPartConditionsAndConnectionIsRefused) {
    ChartSlotTable table;
    Open(table, Request("Magnitude", ProductKind::Capacitor, 0, "S11", "Series", 25.0F, 2.5F));
    EXPECT_EQ(table.CheckChartOpen(GetParam().request), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, DuplicateTest, ::testing::Values(
    DuplicateRow{"Same", Request("Magnitude", ProductKind::Capacitor, 0, "S11", "Series", 25.0F, 2.5F), ChartOpenRefusal::AlreadyOpened},
    DuplicateRow{"OtherSParameter", Request("Magnitude", ProductKind::Capacitor, 0, "S21", "Series", 25.0F, 2.5F), ChartOpenRefusal::None},
    DuplicateRow{"OtherConnection", Request("Magnitude", ProductKind::Capacitor, 0, "S11", "Shunt", 25.0F, 2.5F), ChartOpenRefusal::None},
    DuplicateRow{"OtherBias", Request("Magnitude", ProductKind::Capacitor, 0, "S11", "Series", 25.0F, 3.0F), ChartOpenRefusal::None},
    DuplicateRow{"OtherTemperature", Request("Magnitude", ProductKind::Capacitor, 0, "S11", "Series", 85.0F, 2.5F), ChartOpenRefusal::None},
    DuplicateRow{"OtherPart", Request("Magnitude", ProductKind::Capacitor, 1, "S11", "Series", 25.0F, 2.5F), ChartOpenRefusal::None},
    DuplicateRow{"InductorSameIndex", Request("Magnitude", ProductKind::Inductor, 0, "S11", "Series", 25.0F, 2.5F), ChartOpenRefusal::None},
    DuplicateRow{"OtherChart", Request("Phase", ProductKind::Capacitor, 0, "S11", "Series", 25.0F, 2.5F), ChartOpenRefusal::None}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ChartSlotTable, SecondPassOfImpedanceAndEsrSkipsTheDuplicateTest) {
    ChartSlotTable table;
    const ChartSlot pair = Request("Impedance & ESR", ProductKind::Capacitor, 0);
    Open(table, pair);
    EXPECT_EQ(table.CheckChartOpen(pair), ChartOpenRefusal::AlreadyOpened);
    EXPECT_EQ(ChartOpenRefusalText(ChartOpenRefusal::AlreadyOpened), "This Chart is already opened!");
    table.SetImpedanceEsrSecondPass(true);
    EXPECT_EQ(table.CheckChartOpen(pair), ChartOpenRefusal::None);
}

// Smith S11 of A and of B; closing A's window must leave B's slot, so B cannot be
// opened twice.
TEST(ChartSlotTable, ClosingOneSmithWindowFreesOnlyItsOwnSlot) {
    ChartSlotTable table;
    const int a = Open(table, Request("Smith", ProductKind::Capacitor, 0, "S11", "Series"));
    const ChartSlot requestB = Request("Smith", ProductKind::Capacitor, 1, "S11", "Series");
    const int b = Open(table, requestB);
    table.FreeForClosedWindow(ChartKind::Smith, a);
    EXPECT_FALSE(table.Slot(a).InUse());
    EXPECT_TRUE(table.Slot(b).InUse());
    EXPECT_EQ(table.CheckChartOpen(requestB), ChartOpenRefusal::AlreadyOpened);
}

TEST(ChartSlotTable, ClosingARectangularWindowFreesEveryTraceOfItsName) {
    ChartSlotTable table;
    Open(table, Request("Q", ProductKind::Capacitor, 0));
    Open(table, Request("DF", ProductKind::Capacitor, 0));
    Open(table, Request("Q", ProductKind::Capacitor, 1));
    table.Slot(3).UpperFrequency = 20e9F;
    table.FreeForClosedWindow(ChartKind::Q, 1);
    EXPECT_EQ(table.SlotsOfChart(ChartKind::Q), std::vector<int>{});
    EXPECT_EQ(table.SlotsOfChart(ChartKind::DF), std::vector<int>{2});
    const ChartSlot& freed = table.Slot(3);
    EXPECT_EQ(freed.Product, std::nullopt);
    EXPECT_EQ(freed.PartIndexPlusOne, 0);
    EXPECT_EQ(freed.UpperFrequency, 0.0F);
    EXPECT_EQ(freed.Kind, std::nullopt);
    EXPECT_EQ(freed.Parameter, SParameter::None);
}

// A request whose sweep fails gives its slot back; a later request of the kind takes
// the same slot again instead of counting a leaked one.
TEST(SlotReservation, AFailedRequestFreesItsSlot) {
    ChartSlotTable table;
    const ChartSlot request = Request("Impedance & ESR", ProductKind::Capacitor, 0);
    try {
        SlotReservation reservation(table, request);
        ASSERT_EQ(reservation.Number(), 1);
        throw shared::RuntimeError(shared::error::kOverflow);
    } catch (const shared::RuntimeError&) {
    }
    EXPECT_EQ(table.InUseCount(), 0);
    EXPECT_EQ(table.CheckChartOpen(request), ChartOpenRefusal::None);
    {
        SlotReservation reservation(table, request);
        EXPECT_EQ(reservation.Number(), 1);
        reservation.Commit();
    }
    EXPECT_TRUE(table.Slot(1).InUse());
}

// Handles are plain numbers here; 0 stands for a window deleted without closing.
TEST(ChartWindowList, KeepsOpeningOrderAndOneWindowPerRectangularKind) {
    using List = ChartWindowList<int>;
    List windows;
    const List::WindowId impedance = windows.Add(ChartKind::Impedance, 1, 10);
    const List::WindowId smith = windows.Add(ChartKind::Smith, 2, 11);
    windows.Add(ChartKind::Smith, 3, 12);
    windows.Add(ChartKind::Magnitude, 4, 13);
    EXPECT_THROW(windows.Add(ChartKind::Impedance, 5, 14), shared::RuntimeError);
    EXPECT_EQ(windows.OpenCount(), 4);
    EXPECT_EQ(windows.OfKind(ChartKind::Impedance)->Window, 10);
    EXPECT_EQ(windows.OfKind(ChartKind::Smith), std::nullopt);
    windows.Remove(smith);
    windows.Remove(smith);
    std::vector<int> order;
    for (const List::Entry& entry : windows.Open()) order.push_back(entry.Window);
    EXPECT_EQ(order, (std::vector<int>{10, 12, 13}));
    windows.Remove(impedance);
    EXPECT_EQ(windows.OfKind(ChartKind::Impedance), std::nullopt);
    EXPECT_FALSE(windows.IsOpenId(impedance));
}

// Ids count on and are never reused, so a late close of an old window cannot remove
// the window opened after it; a window gone without closing frees its kind.
TEST(ChartWindowList, IdsAreNeverReusedAndGoneWindowsCountAsClosed) {
    using List = ChartWindowList<int>;
    List windows;
    const List::WindowId first = windows.Add(ChartKind::Phase, 1, 20);
    windows.Remove(first);
    const List::WindowId second = windows.Add(ChartKind::Phase, 2, 21);
    EXPECT_NE(first, second);
    windows.Remove(first);
    EXPECT_TRUE(windows.IsOpenId(second));
    EXPECT_EQ(windows.OfKind(ChartKind::Phase)->SlotNumber, 2);

    const List::WindowId gone = windows.Add(ChartKind::Q, 3, 0);
    EXPECT_FALSE(windows.IsOpenId(gone));
    EXPECT_EQ(windows.OpenCount(), 1);
    EXPECT_EQ(windows.OfKind(ChartKind::Q), std::nullopt);
    EXPECT_NO_THROW(windows.Add(ChartKind::Q, 4, 22));
    EXPECT_EQ(windows.Open().size(), 2u);
    EXPECT_FALSE(windows.Empty());
}

}  // namespace
}  // namespace pelmo
