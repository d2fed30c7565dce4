#include "pelmo/export/export_grid.h"

#include "shared/errors/runtime_error.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace pelmo {
namespace {

// clang-format off
struct PointCountRow { ProductKind product; float upper; int expected; };
const PointCountRow kPointCountRows[] = {
    {ProductKind::Capacitor, 2e10F, 402},
    {ProductKind::Capacitor, 1.8e10F, 201},
    {ProductKind::Capacitor, 6e9F, 201},
    // The neighbours of 20 GHz in single precision are not 20 GHz.
    {ProductKind::Capacitor, std::nextafter(2e10F, 0.0F), 201},
    {ProductKind::Capacitor, std::nextafter(2e10F, 3e10F), 201},
    // Inductors never get the doubled grid.
    {ProductKind::Inductor, 2e10F, 201},
};
// clang-format on

TEST(ExportGridTest, PointCountDoublesOnlyForCapacitorsAtExactly20GHz) {
    for (const auto& row : kPointCountRows) {
        EXPECT_EQ(ExportPointCount(row.product, row.upper), row.expected) << row.upper;
    }
}

TEST(ExportGridTest, StartFrequencyAndRangePrefixFollowTheClass) {
    // clang-format off
    struct Row { int rangeClass; double start; const char* prefix; };
    const Row rows[] = {
        {1, 1e7, "!Freq. Start=10[MHz] Stop="},
        {2, 1e8, "!Freq. Start=100[MHz] Stop="},
        {3, 3e5, "!Freq. Start=300[kHz] Stop="},
        {4, 3e5, "!Freq. Start=300[kHz] Stop="},
        {5, 3e4, "!Freq. Start=30[kHz] Stop="},
        {6, 3e5, "!Freq. Start=300[kHz] Stop="},
    };
    // clang-format on
    for (const auto& row : rows) {
        EXPECT_EQ(ExportStartFrequency(row.rangeClass), row.start) << row.rangeClass;
        EXPECT_EQ(RangeLinePrefix(row.rangeClass), row.prefix) << row.rangeClass;
    }
}

TEST(ExportGridTest, AClassWithoutGridRaisesInvalidProcedureCall) {
    for (int rangeClass : {0, 7, -1}) {
        try {
            ExportStartFrequency(rangeClass);
            ADD_FAILURE() << "no error for class " << rangeClass;
        } catch (const shared::RuntimeError& failure) {
            EXPECT_EQ(failure.Number(), shared::error::kInvalidProcedureCall);
        }
        EXPECT_THROW(RangeLinePrefix(rangeClass), shared::RuntimeError);
    }
}

TEST(ExportGridTest, GridRunsFromStartToUpperFrequencyExactly) {
    // clang-format off
    struct Row { ProductKind product; int rangeClass; float upper; std::size_t count; };
    const Row rows[] = {
        {ProductKind::Inductor, 1, 6e9F, 201},
        {ProductKind::Capacitor, 2, 1.8e10F, 201},
        {ProductKind::Capacitor, 4, 2e10F, 402},
        {ProductKind::Capacitor, 5, 8.5e9F, 201},
        {ProductKind::Capacitor, 3, 1.8e9F, 201},
        // An upper frequency whose ratio to the start is no short binary fraction.
        {ProductKind::Capacitor, 6, 7.77e9F, 201},
    };
    // clang-format on
    for (const auto& row : rows) {
        ExportSubject subject;
        subject.Product = row.product;
        subject.RangeClass = row.rangeClass;
        subject.UpperFrequency = row.upper;
        const ExportGrid grid = MakeExportGrid(subject);
        ASSERT_EQ(grid.Frequencies.size(), row.count);
        EXPECT_EQ(grid.Frequencies.front(), ExportStartFrequency(row.rangeClass));
        EXPECT_EQ(grid.Frequencies.back(), static_cast<double>(row.upper));
        for (std::size_t i = 1; i < grid.Frequencies.size(); ++i) {
            ASSERT_LT(grid.Frequencies[i - 1], grid.Frequencies[i]) << i;
        }
        // Logarithmic: the middle point is the geometric mean of the ends, and every
        // step is the same ratio.
        const double fs = grid.Frequencies.front();
        const double fe = grid.Frequencies.back();
        const double step = std::pow(fe / fs, 1.0 / static_cast<double>(row.count - 1));
        EXPECT_NEAR(grid.Frequencies[(row.count - 1) / 2] / std::sqrt(fs * fe),
                    row.count % 2 == 1 ? 1.0 : 1.0 / std::sqrt(step), 1e-12);
        EXPECT_NEAR(grid.Frequencies[1] / grid.Frequencies[0], step, 1e-12);
        EXPECT_NEAR(grid.Frequencies[row.count - 1] / grid.Frequencies[row.count - 2], step, 1e-12);
    }
}

TEST(ExportGridTest, UnusableUpperFrequencyRaises) {
    for (float upper :
         {0.0F, -1e9F, std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
        EXPECT_THROW(ExportFrequencies(3e5, upper, 201), shared::RuntimeError) << upper;
    }
    EXPECT_THROW(ExportFrequencies(3e5, 6e9F, 1), shared::RuntimeError);
}

TEST(ExportGridTest, RangeLineWritesTheUpperFrequencyInGigahertz) {
    // clang-format off
    struct Row { ProductKind product; int rangeClass; float upper; char separator; const char* expected; };
    const Row rows[] = {
        {ProductKind::Inductor, 1, 6e9F, '.', "!Freq. Start=10[MHz] Stop=6[GHz], 201[Steps]"},
        {ProductKind::Capacitor, 3, 1.8e9F, '.', "!Freq. Start=300[kHz] Stop=1.8[GHz], 201[Steps]"},
        {ProductKind::Capacitor, 4, 2e10F, '.', "!Freq. Start=300[kHz] Stop=20[GHz], 402[Steps]"},
        {ProductKind::Capacitor, 5, 8.5e9F, '.', "!Freq. Start=30[kHz] Stop=8.5[GHz], 201[Steps]"},
        {ProductKind::Capacitor, 2, 1.8e10F, '.', "!Freq. Start=100[MHz] Stop=18[GHz], 201[Steps]"},
        {ProductKind::Inductor, 1, 2e10F, '.', "!Freq. Start=10[MHz] Stop=20[GHz], 201[Steps]"},
        {ProductKind::Capacitor, 6, 8.5e9F, ',', "!Freq. Start=300[kHz] Stop=8,5[GHz], 201[Steps]"},
        {ProductKind::Capacitor, 3, 6e9F, ',', "!Freq. Start=300[kHz] Stop=6[GHz], 201[Steps]"},
    };
    // clang-format on
    for (const auto& row : rows) {
        ExportSubject subject;
        subject.Product = row.product;
        subject.RangeClass = row.rangeClass;
        subject.UpperFrequency = row.upper;
        EXPECT_EQ(RangeLine(MakeExportGrid(subject), row.separator), row.expected);
    }
}

}  // namespace
}  // namespace pelmo
