#include "darvo/engine/chart_table.h"

#include "darvo/engine/prepared_chart_record.h"

#include "shared/errors/runtime_error.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace darvo {
namespace {

// The invariant every command must leave behind: ChartCount curves, or one empty element.
void ExpectAtRest(const ChartTable& table, int count) {
    EXPECT_FALSE(table.IsPreparing());
    EXPECT_EQ(table.ChartCount(), count);
    if (count == 0) {
        ASSERT_EQ(table.Size(), 1U);
        EXPECT_EQ(table.At(0), ChartDataRecord{});
    } else {
        EXPECT_EQ(table.Size(), static_cast<std::size_t>(count));
    }
}

// Prepares and adopts one curve, as a plot request and a chart window's load do.
void AddCurve(ChartTable& table, int type, Quantity x, Quantity y, int product) {
    PreparedChartRecord prepared(table);
    prepared.Record().ChartType = static_cast<ChartType>(type);
    prepared.Record().XAxisName = x;
    prepared.Record().YAxisName = y;
    prepared.Record().ProductIndex = product;
    prepared.Adopt();
}

TEST(ChartTable, StartsWithOneEmptyElementAndGrowsByAdoptedCurves) {
    ChartTable table;
    ExpectAtRest(table, 0);

    ChartDataRecord& first = table.Prepare();
    EXPECT_TRUE(table.IsPreparing());
    EXPECT_EQ(table.Size(), 1U);  // element ChartCount = 0 is the former empty element
    first.XAxisName = Quantity::Current;
    table.AdoptPrepared();
    ExpectAtRest(table, 1);
    EXPECT_EQ(table.At(0).XAxisName, Quantity::Current);

    table.Prepare();
    EXPECT_EQ(table.Size(), 2U);
    table.DiscardPrepared();
    ExpectAtRest(table, 1);
}

TEST(ChartTable, DiscardOnAnEmptyTableLeavesOneClearedElement) {
    ChartTable table;
    ChartDataRecord& record = table.Prepare();
    record.ChartType = CapacitanceDcVoltage;
    record.YData[5] = 1.5F;
    table.DiscardPrepared();
    ExpectAtRest(table, 0);
    table.DiscardPrepared();  // harmless when nothing is prepared
    ExpectAtRest(table, 0);
}

TEST(ChartTable, MisuseIsReportedNotIgnored) {
    ChartTable table;
    EXPECT_THROW(table.Prepared(), shared::RuntimeError);
    EXPECT_THROW(table.AdoptPrepared(), shared::RuntimeError);
    EXPECT_THROW(table.At(1), shared::RuntimeError);
    table.Prepare();
    EXPECT_THROW(table.Prepare(), shared::RuntimeError);
}

TEST(PreparedChartRecord, ShrinksBackOnEveryExitPathUnlessAdopted) {
    ChartTable table;
    AddCurve(table, 0, Quantity::Current, Quantity::TemperatureRise, 1);

    { PreparedChartRecord abandoned(table); }
    ExpectAtRest(table, 1);

    EXPECT_THROW(
        {
            PreparedChartRecord failing(table);
            failing.Record().XAxisName = Quantity::Voltage;
            throw std::runtime_error("printer failed");
        },
        std::runtime_error);
    ExpectAtRest(table, 1);
    EXPECT_EQ(table.At(0).XAxisName, Quantity::Current);

    {
        // The engine itself removed the record after a refusal; the guard must not remove
        // an adopted curve in its place.
        PreparedChartRecord refused(table);
        table.DiscardPrepared();
    }
    ExpectAtRest(table, 1);

    AddCurve(table, 0, Quantity::Voltage, Quantity::TemperatureRise, 2);
    ExpectAtRest(table, 2);
}

TEST(ChartTable, ClosingAWindowRemovesExactlyItsIdentityInOrder) {
    ChartTable table;
    AddCurve(table, 0, Quantity::Current, Quantity::TemperatureRise, 1);
    AddCurve(table, 2, Quantity::Temperature, Quantity::Capacitance, 2);
    AddCurve(table, 0, Quantity::Current, Quantity::TemperatureRise, 3);
    AddCurve(table, 0, Quantity::Voltage, Quantity::TemperatureRise, 4);
    AddCurve(table, 2, Quantity::Temperature, Quantity::CapacitanceChange, 5);

    EXPECT_EQ(table.RemoveIdentity({static_cast<ChartType>(0), Quantity::Current, Quantity::TemperatureRise}),
              2);
    ExpectAtRest(table, 3);
    EXPECT_EQ(table.At(0).ProductIndex, 2);
    EXPECT_EQ(table.At(1).ProductIndex, 4);
    EXPECT_EQ(table.At(2).ProductIndex, 5);

    EXPECT_EQ(table.RemoveIdentity({static_cast<ChartType>(1), Quantity::Current, Quantity::TemperatureRise}),
              0);
    ExpectAtRest(table, 3);

    EXPECT_EQ(table.RemoveIdentity({static_cast<ChartType>(2), Quantity::Temperature, Quantity::Capacitance}),
              1);
    EXPECT_EQ(table.RemoveIdentity({static_cast<ChartType>(0), Quantity::Voltage, Quantity::TemperatureRise}),
              1);
    EXPECT_EQ(
        table.RemoveIdentity({static_cast<ChartType>(2), Quantity::Temperature, Quantity::CapacitanceChange}),
        1);
    ExpectAtRest(table, 0);

    AddCurve(table, 0, Quantity::Current, Quantity::TemperatureRise, 1);
    ExpectAtRest(table, 1);
}

TEST(ChartTable, RemovingCurvesKeepsARecordBeingPreparedAtTheNewCount) {
    ChartTable table;
    AddCurve(table, 0, Quantity::Current, Quantity::TemperatureRise, 1);
    AddCurve(table, 1, Quantity::Frequency, Quantity::Current, 2);
    table.Prepare().ProductIndex = 9;

    EXPECT_EQ(table.RemoveIdentity({static_cast<ChartType>(0), Quantity::Current, Quantity::TemperatureRise}),
              1);
    EXPECT_EQ(table.ChartCount(), 1);
    EXPECT_EQ(table.Size(), 2U);
    EXPECT_EQ(table.Prepared().ProductIndex, 9);
    table.DiscardPrepared();
    ExpectAtRest(table, 1);
    EXPECT_EQ(table.At(0).ProductIndex, 2);
}

// Windows, files and the command line meet the quantities only through their names, so
// every quantity must come back from its own name and no other text may name one.
TEST(ChartQuantity, EveryNameLeadsBackToItsQuantity) {
    for (int i = static_cast<int>(Quantity::Current); i <= static_cast<int>(Quantity::CapacitanceChange);
         ++i) {
        const auto quantity = static_cast<Quantity>(i);
        ASSERT_FALSE(QuantityName(quantity).empty()) << i;
        EXPECT_EQ(QuantityFromName(QuantityName(quantity)), quantity) << QuantityName(quantity);
    }
    EXPECT_EQ(QuantityName(Quantity::None), "");
    EXPECT_EQ(QuantityName(Quantity::CapacitanceChange), "Capacitance Change");
    EXPECT_EQ(QuantityName(Quantity::DcBiasVoltage), "DC Bias Voltage");
    EXPECT_FALSE(QuantityFromName(""));
    EXPECT_FALSE(QuantityFromName("current"));
    EXPECT_FALSE(QuantityFromName("Capacitance "));
}

}  // namespace
}  // namespace darvo
