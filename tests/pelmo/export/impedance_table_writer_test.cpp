#include "pelmo/export/impedance_table_writer.h"

#include "export_test_support.h"
#include "pelmo/engine/operating_point_result.h"

#include "shared/platform/testing/memory_file_sink.h"

#include <gtest/gtest.h>
#include <string>

namespace pelmo {
namespace {

using testing::CapacitorSubject;
using testing::IdealChip;
using testing::InductorSubject;

std::string Export(const ExportSubject& subject, const ImpedanceReadouts& readouts, IdealChip chip,
                   char separator) {
    shared::MemoryFileSink sink;
    WriteImpedanceTable(subject, MakeExportGrid(subject), readouts, chip.Evaluator(), separator, sink);
    EXPECT_FALSE(sink.Committed());
    return sink.Bytes();
}

TEST(ImpedanceTableWriterTest, ReadoutCaptionsAreReformattedWhenNumeric) {
    // clang-format off
    struct Row { const char* caption; char separator; const char* expected; };
    const Row rows[] = {
        {"850.5", '.', "850.50"},
        {"1.05", '.', "1.05"},
        {"0.415", '.', "0.42"},
        {"2950.0", '.', "2950.00"},
        {"25050", '.', "25050.00"},
        // More than the pattern's six integer places: nothing is cut, nothing grouped.
        {"1234567.891", '.', "1234567.89"},
        {"0,4", ',', "0,40"},
        {"6,325", ',', "6,33"},
        // Not numbers: written as they stand.
        {"Over 6000", '.', "Over 6000"},
        {"", '.', ""},
        {"Over 6000", ',', "Over 6000"},
    };
    // clang-format on
    for (const auto& row : rows) {
        EXPECT_EQ(ReadoutFigureText(row.caption, row.separator), row.expected) << row.caption;
    }
}

TEST(ImpedanceTableWriterTest, HeaderLinesOfCapacitorAndInductor) {
    const ExportSubject capacitor = CapacitorSubject(CircuitMode::Shunt, 2e10F, 4);
    EXPECT_EQ(ImpedanceHeaderLines(capacitor, MakeExportGrid(capacitor), {"850.5", "1.05", "0.42"}, '.'),
              (std::vector<std::string>{
                  "!Orvane Part Number:KTH1552C1H100JA01",
                  "!Operation Temp=25[C], DC Bias Voltage=0[V]",
                  "!Freq. Start=300[kHz] Stop=20[GHz], 402[Steps]",
                  "!SRF=850.50[MHz], ESC=1.05[pF], ESL=0.42[nH]",
                  "!Freq.[Hz] Reactance[ohm] ESR[ohm]",
              }));
    const ExportSubject inductor = InductorSubject();
    EXPECT_EQ(ImpedanceHeaderLines(inductor, MakeExportGrid(inductor), {"Over 6000", "0,12", "10,3"}, ','),
              (std::vector<std::string>{
                  "!Orvane Part Number:PWW1510NJ",
                  "!Freq. Start=10[MHz] Stop=6[GHz], 201[Steps]",
                  "!SRF=Over 6000[MHz], ESC=0,12[pF], ESL=10,30[nH]",
                  "!Freq.[Hz] Reactance[ohm] ESR[ohm]",
              }));
}

TEST(ImpedanceTableWriterTest, DataRowUsesTheGivenSeparator) {
    OperatingPointResult result;
    result.Reactance = -1591.549;
    result.Resistance = 0.10004;
    EXPECT_EQ(ImpedanceDataRow(300000.0, result, '.'), "300000 -1.592E+3 1.000E-1");
    EXPECT_EQ(ImpedanceDataRow(300000.0, result, ','), "300000 -1,592E+3 1,000E-1");
    result.Reactance = 0.0;
    result.Resistance = 12.5;
    EXPECT_EQ(ImpedanceDataRow(8499999744.0, result, ','), "8499999744 0,000E+0 1,250E+1");
}

TEST(ImpedanceTableWriterTest, TablesMatchGoldenBytes) {
    // clang-format off
    struct Row { const char* name; ExportSubject subject; ImpedanceReadouts readouts; IdealChip chip; char separator; };
    const Row rows[] = {
        {"capacitor_dot.txt", CapacitorSubject(CircuitMode::Series, 8.5e9F, 5), {"2250.8", "10.03", "0.5"},
         testing::SmallCapacitor(CircuitMode::Series), '.'},
        {"capacitor_comma.txt", CapacitorSubject(CircuitMode::Series, 8.5e9F, 5), {"2250,8", "10,03", "0,5"},
         testing::SmallCapacitor(CircuitMode::Series), ','},
        {"capacitor_20ghz.txt", CapacitorSubject(CircuitMode::Shunt, 2e10F, 4), {"2250.8", "10.03", "0.5"},
         testing::SmallCapacitor(CircuitMode::Shunt), '.'},
        {"inductor.txt", InductorSubject(), {"Over 6000", "0.12", "10.3"}, testing::SmallInductor(), '.'},
    };
    // clang-format on
    for (const auto& row : rows) {
        const std::string bytes = Export(row.subject, row.readouts, row.chip, row.separator);
        testing::ExpectMatchesGolden(bytes, row.name);
        const auto lines = testing::SplitCrLf(bytes);
        const std::size_t rowCount = MakeExportGrid(row.subject).Frequencies.size();
        // No option line: the table is no Touchstone file.
        for (const auto& line : lines) {
            EXPECT_NE(line.front(), '#') << row.name;
        }
        EXPECT_EQ(lines.size(), rowCount + (row.subject.Product == ProductKind::Capacitor ? 5U : 4U));
    }
}

TEST(ImpedanceTableWriterTest, CommaTableDiffersFromDotTableOnlyInTheSeparator) {
    const ExportSubject subject = CapacitorSubject(CircuitMode::Series, 8.5e9F, 5);
    std::string dot =
        Export(subject, {"2250.8", "10.03", "0.5"}, testing::SmallCapacitor(CircuitMode::Series), '.');
    const std::string comma =
        Export(subject, {"2250,8", "10,03", "0,5"}, testing::SmallCapacitor(CircuitMode::Series), ',');
    // The header's comma after "[MHz]" and "[GHz]" is a list comma in both.
    for (std::size_t at = dot.find('.'); at != std::string::npos; at = dot.find('.', at + 1)) {
        if (dot.compare(at, 3, ".[H") != 0 && dot.compare(at, 2, ". ") != 0) {
            dot[at] = ',';
        }
    }
    EXPECT_TRUE(dot == comma);
}

}  // namespace
}  // namespace pelmo
