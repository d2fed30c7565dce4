#include "pelmo/export/export_file_names.h"

#include <gtest/gtest.h>

namespace pelmo {
namespace {

// clang-format off
struct NameRow {
    ProductKind product; CircuitMode connection; bool conditionDependent;
    const char* temperature; const char* bias; const char* touchstone; const char* table;
};
const NameRow kNameRows[] = {
    {ProductKind::Capacitor, CircuitMode::Series, true, "25", "0",
     "P1series(25,0).s2p", "P1(25,0).txt"},
    {ProductKind::Capacitor, CircuitMode::Shunt, true, "85", "3.3",
     "P1shunt(85,3.3).s2p", "P1(85,3.3).txt"},
    // The texts go in as typed, also with a decimal comma.
    {ProductKind::Capacitor, CircuitMode::Series, true, "22,5", "1,5",
     "P1series(22,5,1,5).s2p", "P1(22,5,1,5).txt"},
    // Without a model the conditions are left out of the names (not out of the files).
    {ProductKind::Capacitor, CircuitMode::Series, false, "25", "0", "P1series.s2p", "P1.txt"},
    {ProductKind::Capacitor, CircuitMode::Shunt, false, "25", "0", "P1shunt.s2p", "P1.txt"},
    // An inductor is named by its part alone, whatever the window shows.
    {ProductKind::Inductor, CircuitMode::Shunt, true, "25", "0", "P1.s2p", "P1.txt"},
    {ProductKind::Inductor, CircuitMode::Series, false, "", "", "P1.s2p", "P1.txt"},
};
// clang-format on

TEST(ExportFileNamesTest, ProposedNamesFollowKindConnectionAndModel) {
    for (const auto& row : kNameRows) {
        ExportSubject subject;
        subject.Product = row.product;
        subject.PartNumber = "P1";
        subject.Connection = row.connection;
        subject.ConditionDependent = row.conditionDependent;
        subject.TemperatureText = row.temperature;
        subject.BiasText = row.bias;
        EXPECT_EQ(TouchstoneFileName(subject), row.touchstone);
        EXPECT_EQ(ImpedanceFileName(subject), row.table);
    }
}

TEST(ExportFileNamesTest, PartNumberIsUsedUntrimmed) {
    ExportSubject subject;
    subject.Product = ProductKind::Inductor;
    subject.PartNumber = "PWW1510NJ ";
    EXPECT_EQ(TouchstoneFileName(subject), "PWW1510NJ .s2p");
    EXPECT_EQ(ImpedanceFileName(subject), "PWW1510NJ .txt");
}

}  // namespace
}  // namespace pelmo
