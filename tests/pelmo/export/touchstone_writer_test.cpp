#include "pelmo/export/touchstone_writer.h"

#include "export_test_support.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/operating_point_result.h"

#include "shared/platform/testing/memory_file_sink.h"
#include "shared/text/number_text.h"

#include <charconv>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace pelmo {
namespace {

using testing::CapacitorSubject;
using testing::IdealChip;
using testing::InductorSubject;

std::string Export(const ExportSubject& subject, IdealChip& chip) {
    shared::MemoryFileSink sink;
    WriteTouchstone(subject, MakeExportGrid(subject), chip.Evaluator(), sink);
    EXPECT_FALSE(sink.Committed()) << "the command commits, not the writer";
    return sink.Bytes();
}

std::vector<std::string> Tokens(const std::string& line) {
    std::vector<std::string> tokens;
    std::istringstream in(line);
    std::string token;
    while (in >> token) {
        tokens.push_back(token);
    }
    return tokens;
}

// A C-locale reader that must consume the whole token.
bool ParsesAsCNumber(const std::string& token, double& value) {
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    return error == std::errc() && end == token.data() + token.size();
}

std::vector<std::string> DataRows(const std::vector<std::string>& lines) {
    std::vector<std::string> rows;
    for (const auto& line : lines) {
        if (!line.empty() && line[0] != '!' && line[0] != '#') {
            rows.push_back(line);
        }
    }
    return rows;
}

TEST(TouchstoneWriterTest, HeaderLinesOfEachConnection) {
    const std::string b7(7, ' ');
    const std::string b11(11, ' ');
    // clang-format off
    struct Row { ExportSubject subject; std::vector<std::string> expected; };
    const Row rows[] = {
        {CapacitorSubject(CircuitMode::Series, 6e9F, 4),
         {"!Orvane Part Number:KTH1552C1H100JA01",
          "!These Parameters are Measured in Series Mode Connection",
          "!" + b7 + "o--ll--o", "!Port1" + std::string(12, ' ') + "Port2", "!" + b7 + "o------o",
          "!Operation Temp=25[C], DC Bias Voltage=0[V]",
          "!Freq. Start=300[kHz] Stop=6[GHz], 201[Steps]",
          "# Hz S DB R 50",
          "!Freq.[Hz] MagS11[dB] PhaseS11[DEG] MagS21[dB] PhaseS21[DEG] MagS12[dB] PhaseS12[DEG] "
          "MagS22[dB] PhaseS22[DEG]"}},
        {CapacitorSubject(CircuitMode::Shunt, 6e9F, 4),
         {"!Orvane Part Number:KTH1552C1H100JA01",
          "!These Parameters are Measured in Shunt Mode Connection",
          "!" + b7 + "o---+---o", "!" + b11 + "l", "!Port1" + std::string(6, ' ') + "=" +
          std::string(6, ' ') + "Port2", "!" + b11 + "l", "!" + b7 + "o---+---o",
          "!Operation Temp=25[C], DC Bias Voltage=0[V]",
          "!Freq. Start=300[kHz] Stop=6[GHz], 201[Steps]",
          "# Hz S DB R 50",
          "!Freq.[Hz] MagS11[dB] PhaseS11[DEG] MagS21[dB] PhaseS21[DEG] MagS12[dB] PhaseS12[DEG] "
          "MagS22[dB] PhaseS22[DEG]"}},
        {InductorSubject(),
         {"!Orvane Part Number:PWW1510NJ",
          "!These Parameters are Measured in Series Mode Connection",
          "!" + b7 + "o--www--o", "!Port1" + std::string(13, ' ') + "Port2", "!" + b7 + "o-------o",
          "!Freq. Start=10[MHz] Stop=6[GHz], 201[Steps]",
          "# Hz S DB R 50",
          "!Freq.[Hz] MagS11[dB] PhaseS11[DEG] MagS21[dB] PhaseS21[DEG] MagS12[dB] PhaseS12[DEG] "
          "MagS22[dB] PhaseS22[DEG]"}},
    };
    // clang-format on
    for (const auto& row : rows) {
        EXPECT_EQ(TouchstoneHeaderLines(row.subject, MakeExportGrid(row.subject)), row.expected);
    }
}

TEST(TouchstoneWriterTest, ConditionLineAlsoWithoutModelAndTextsAsTyped) {
    ExportSubject subject = CapacitorSubject(CircuitMode::Series, 6e9F, 4);
    subject.ConditionDependent = false;
    subject.TemperatureText = "22,5";
    subject.BiasText = " 3";
    const auto lines = TouchstoneHeaderLines(subject, MakeExportGrid(subject));
    EXPECT_EQ(lines.at(5), "!Operation Temp=22,5[C], DC Bias Voltage= 3[V]");
}

TEST(TouchstoneWriterTest, DataRowFormatsAndRepeatsS21AndS11) {
    // clang-format off
    struct Row { double f; double mag11; double ph11; double mag21; double ph21; const char* expected; };
    const Row rows[] = {
        {300000.0, 0.0, -12.5, 0.5, 180.0,
         "300000 0.000E+0 -1.250E+1 5.000E-1 1.800E+2 5.000E-1 1.800E+2 0.000E+0 -1.250E+1"},
        // Whole hertz, rounded half away from zero, eleven digits when needed.
        {20000000000.0, -0.00012344, 89.99996, -45.6789, -0.0001, "20000000000 -1.234E-4 9.000E+1 "
         "-4.568E+1 -1.000E-4 -4.568E+1 -1.000E-4 -1.234E-4 9.000E+1"},
        {10000000.5, 9.9996, 1e-12, -120.0, 123456.0, "10000001 1.000E+1 1.000E-12 -1.200E+2 "
         "1.235E+5 -1.200E+2 1.235E+5 1.000E+1 1.000E-12"},
    };
    // clang-format on
    for (const auto& row : rows) {
        OperatingPointResult result;
        result.SMagnitudeDb = {row.mag11, row.mag21};
        result.SPhaseDeg = {row.ph11, row.ph21};
        EXPECT_EQ(TouchstoneDataRow(row.f, result), row.expected);
    }
}

struct GoldenCase {
    const char* name;
    ExportSubject subject;
    IdealChip chip;
};

std::vector<GoldenCase> GoldenCases() {
    return {
        {"capacitor_series.s2p", CapacitorSubject(CircuitMode::Series, 6e9F, 4),
         testing::SmallCapacitor(CircuitMode::Series)},
        {"capacitor_shunt.s2p", CapacitorSubject(CircuitMode::Shunt, 8.5e9F, 5),
         testing::SmallCapacitor(CircuitMode::Shunt)},
        {"capacitor_20ghz.s2p", CapacitorSubject(CircuitMode::Series, 2e10F, 4),
         testing::SmallCapacitor(CircuitMode::Series)},
        {"inductor.s2p", InductorSubject(), testing::SmallInductor()},
    };
}

TEST(TouchstoneWriterTest, FilesMatchGoldenBytesUnderBothSeparators) {
    for (auto& golden : GoldenCases()) {
        std::string dotBytes;
        std::string commaBytes;
        {
            IdealChip chip = golden.chip;
            dotBytes = Export(golden.subject, chip);
        }
        {
            IdealChip chip = golden.chip;
            commaBytes = Export(golden.subject, chip);
        }
        testing::ExpectMatchesGolden(dotBytes, golden.name);
        // Simulators read the file, so the user's locale must not change a single byte.
        EXPECT_TRUE(commaBytes == dotBytes) << golden.name;
    }
}

TEST(TouchstoneWriterTest, EveryRowIsNineCLocaleNumbersOnTheGrid) {
    for (auto& golden : GoldenCases()) {
        const ExportGrid grid = MakeExportGrid(golden.subject);
        const auto lines = testing::SplitCrLf(Export(golden.subject, golden.chip));
        const auto rows = DataRows(lines);
        ASSERT_EQ(rows.size(), grid.Frequencies.size()) << golden.name;
        EXPECT_EQ(lines.size(), rows.size() + TouchstoneHeaderLines(golden.subject, grid).size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const auto tokens = Tokens(rows[i]);
            ASSERT_EQ(tokens.size(), 9U) << golden.name << " row " << i;
            std::vector<double> values(9);
            for (std::size_t k = 0; k < 9; ++k) {
                ASSERT_TRUE(ParsesAsCNumber(tokens[k], values[k])) << tokens[k];
            }
            EXPECT_EQ(tokens[5], tokens[3]);
            EXPECT_EQ(tokens[6], tokens[4]);
            EXPECT_EQ(tokens[7], tokens[1]);
            EXPECT_EQ(tokens[8], tokens[2]);
            EXPECT_NEAR(values[0], grid.Frequencies[i], 0.5) << golden.name << " row " << i;
        }
    }
}

TEST(TouchstoneWriterTest, RowsStartAndEndAtTheClassLimits) {
    // clang-format off
    struct Row { ExportSubject subject; const char* first; const char* last; std::size_t rows; };
    const Row rows[] = {
        {InductorSubject(), "10000000", "6000000000", 201},
        {CapacitorSubject(CircuitMode::Series, 8.5e9F, 5), "30000", "8499999744", 201},
        {CapacitorSubject(CircuitMode::Shunt, 2e10F, 4), "300000", "20000000000", 402},
        // The last row is the stored single to the hertz: 18 GHz is no single.
        {CapacitorSubject(CircuitMode::Series, 1.8e10F, 2), "100000000", "17999998976", 201},
    };
    // clang-format on
    for (const auto& row : rows) {
        IdealChip chip = testing::SmallCapacitor(row.subject.Connection);
        const auto data = DataRows(testing::SplitCrLf(Export(row.subject, chip)));
        ASSERT_EQ(data.size(), row.rows);
        EXPECT_EQ(Tokens(data.front())[0], row.first);
        EXPECT_EQ(Tokens(data.back())[0], row.last);
    }
}

TEST(TouchstoneWriterTest, EvaluatesEveryGridPointInOrderAtTheProgramsTwoPi) {
    const ExportSubject subject = CapacitorSubject(CircuitMode::Series, 2e10F, 4);
    const ExportGrid grid = MakeExportGrid(subject);
    IdealChip chip = testing::SmallCapacitor(CircuitMode::Series);
    Export(subject, chip);
    ASSERT_EQ(chip.Omegas().size(), grid.Frequencies.size());
    for (std::size_t i = 0; i < grid.Frequencies.size(); ++i) {
        EXPECT_EQ(chip.Omegas()[i], grid.Frequencies[i] * 6.283185308) << i;
    }
}

TEST(TouchstoneWriterTest, AFailingEvaluationStopsWritingAtThatRow) {
    const ExportSubject subject = InductorSubject();
    shared::MemoryFileSink sink;
    OperatingPointResult result;
    int calls = 0;
    const GridPointEvaluator failing = [&](double) -> const OperatingPointResult& {
        if (++calls == 50) {
            throw shared::RuntimeError(shared::error::kDivisionByZero);
        }
        return result;
    };
    EXPECT_THROW(WriteTouchstone(subject, MakeExportGrid(subject), failing, sink), shared::RuntimeError);
    EXPECT_EQ(DataRows(testing::SplitCrLf(sink.Bytes())).size(), 49U);
    EXPECT_FALSE(sink.Committed());
}

}  // namespace
}  // namespace pelmo
