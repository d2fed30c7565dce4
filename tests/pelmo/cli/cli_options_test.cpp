#include "pelmo/cli/cli_options.h"

#include "support/test_names.h"

#include "shared/cli/cli_usage_error.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pelmo {
namespace {

CliOptions Parse(const std::vector<std::string>& arguments) {
    return ParseCliOptions(arguments);
}

TEST(CliOptionsTest, ReadsEveryOptionOfEachCommand) {
    const CliOptions evaluate = Parse({"evaluate", "--part", "PN", "--code", "jis", "--freq", "0.3",
                                       "--temp=85", "--bias", "6.3", "--mode", "shunt", "--library", "/lib"});
    EXPECT_EQ(evaluate.Command, CliCommand::Evaluate);
    EXPECT_EQ(evaluate.PartNumber, "PN");
    EXPECT_EQ(evaluate.CodeSystem, shared::Jis);
    EXPECT_EQ(evaluate.FrequencyText, "0.3");
    EXPECT_EQ(evaluate.TemperatureText, "85");
    EXPECT_EQ(evaluate.BiasText, "6.3");
    EXPECT_EQ(evaluate.Connection, CircuitMode::Shunt);
    EXPECT_EQ(evaluate.LibraryFolder, "/lib");

    const CliOptions sweep =
        Parse({"sweep", "--part", "PN", "--chart", "Impedance & ESR", "--sparam", "S21"});
    EXPECT_EQ(sweep.ChartName, "Impedance & ESR");
    EXPECT_EQ(sweep.SParameter, "S21");
    EXPECT_FALSE(sweep.TemperatureText);

    const CliOptions exportOne =
        Parse({"export", "impedance", "--part", "PN", "--freq", "10", "-o", "a.txt"});
    EXPECT_EQ(exportOne.Format, ExportFormat::Impedance);
    EXPECT_EQ(exportOne.OutputPath, "a.txt");

    const CliOptions spice =
        Parse({"export", "spice", "--part", "PN", "--freq", "500", "--temp", "85", "-o", "a.cir"});
    EXPECT_EQ(spice.Format, ExportFormat::Spice);
    EXPECT_EQ(spice.FrequencyText, "500");
    EXPECT_EQ(Parse({"export-all", "spice", "--out", "dir"}).Format, ExportFormat::Spice);

    const CliOptions exportAll = Parse({"export-all", "s2p", "--out", "dir", "--kind", "ind", "--jobs", "3"});
    EXPECT_EQ(exportAll.Format, ExportFormat::Touchstone);
    EXPECT_EQ(exportAll.Kind, ProductKind::Inductor);
    EXPECT_EQ(exportAll.OutputFolder, "dir");
    EXPECT_EQ(exportAll.Jobs, 3U);

    const CliOptions list = Parse({"list"});
    EXPECT_EQ(list.Kind, ProductKind::Capacitor);
    EXPECT_EQ(list.CodeSystem, shared::Eia);
    EXPECT_EQ(Parse({"--help"}).Command, CliCommand::Help);
}

struct RefusedLine {
    std::vector<std::string> arguments;
    std::string reason;  // a piece of the usage error's text
};

class CliOptionsRefusalTest : public ::testing::TestWithParam<RefusedLine> {};

TEST_P(CliOptionsRefusalTest, RefusesWithTheReason) {
    try {
        Parse(GetParam().arguments);
        FAIL() << "accepted";
    } catch (const shared::CliUsageError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().reason), std::string::npos) << error.what();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lines, CliOptionsRefusalTest, ::testing::Values(
    RefusedLine{{}, "no command"},
    RefusedLine{{"plot"}, "unknown command \"plot\""},
    RefusedLine{{"evaluate"}, "evaluate needs --part"},
    RefusedLine{{"evaluate", "--part"}, "--part needs a value"},
    RefusedLine{{"evaluate", "--part", "PN", "--chart", "Q"}, "evaluate does not take \"--chart\""},
    RefusedLine{{"sweep", "--part", "PN"}, "sweep needs --chart"},
    // A chart does not depend on the frequency field, and a Touchstone file always
    // covers the whole range: a frequency there would be silently ignored.
    RefusedLine{{"sweep", "--part", "PN", "--chart", "Q", "--freq", "10"}, "sweep does not take \"--freq\""},
    RefusedLine{{"export", "s2p", "--part", "PN", "--freq", "10", "-o", "f"}, "does not take \"--freq\""},
    RefusedLine{{"export", "s2p", "--part", "PN"}, "export needs -o FILE"},
    RefusedLine{{"export", "csv", "--part", "PN", "-o", "f"}, "s2p, impedance or spice, not \"csv\""},
    // A SPICE model is the part alone: the connection belongs to the user's circuit.
    RefusedLine{{"export", "spice", "--part", "PN", "--mode", "shunt", "-o", "f"}, "does not take \"--mode\""},
    RefusedLine{{"export", "spice", "--part", "PN"}, "export needs -o FILE"},
    RefusedLine{{"export"}, "needs the format"},
    RefusedLine{{"export-all", "s2p"}, "export-all needs --out DIR"},
    RefusedLine{{"export-all", "s2p", "--out", "d", "--part", "PN"}, "does not take \"--part\""},
    RefusedLine{{"export-all", "s2p", "--out", "d", "--jobs", "0"}, "--jobs takes a whole number"},
    RefusedLine{{"export-all", "s2p", "--out", "d", "--jobs", "2x"}, "--jobs takes a whole number"},
    RefusedLine{{"list", "--kind", "res"}, "--kind takes cap or ind"},
    RefusedLine{{"list", "--code", "EIA"}, "--code takes eia or jis"},
    RefusedLine{{"evaluate", "--part", "PN", "--mode", "parallel"}, "--mode takes series or shunt"}),
    [](const auto& info) {
        return info.param.arguments.empty() ? std::string("NoArguments")
                                            : ::shared::testing::TestName(info.param.arguments);
    });
// clang-format on

}  // namespace
}  // namespace pelmo
