#include "cli_test_support.h"
#include "pelmo/cli/cli_commands.h"
#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/inductor_evaluation.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/export/export_command.h"
#include "pelmo/export/export_evaluators.h"
#include "pelmo/export/impedance_table_writer.h"
#include "pelmo/export/readout_captions.h"
#include "pelmo/export/touchstone_writer.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/library/records.h"

#include "shared/parts/part_number_codes.h"
#include "shared/platform/testing/fake_messages.h"
#include "shared/platform/testing/memory_file_sink.h"
#include "shared/text/number_text.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace pelmo::testing {
namespace {

// One export as the window would make it: the part, its conditions and, for the
// impedance table, the frequency field its header readouts are evaluated at.
struct ExportCase {
    std::string partNumber;
    CircuitMode connection = CircuitMode::Series;
    std::string temperature = "25";
    std::string bias = "0";
    double frequency = 0.0;  // [MHz]
};

// The bytes the export writers give for the case, computed through the export area's own
// pieces, independently of the command line.
std::string WriterBytes(bool touchstone, const ExportCase& exportCase, char separator) {
    Library library = LoadLibrary(SmallLibraryFolder(), separator);
    EXPECT_TRUE(SortCapacitors(library, shared::Eia, separator));
    ExportSelection selection;
    selection.Product =
        shared::IsInductorNumber(exportCase.partNumber) ? ProductKind::Inductor : ProductKind::Capacitor;
    selection.PartNumber = exportCase.partNumber;
    selection.Connection = exportCase.connection;
    selection.TemperatureText = exportCase.temperature;
    selection.BiasText = exportCase.bias;
    shared::FakeMessages messages;
    const std::optional<ExportPlan> plan = PrepareExport(
        library, selection, [] { return true; }, messages);
    EXPECT_TRUE(plan);
    const double temperature = *shared::ParseNumber(exportCase.temperature, separator);
    const double bias = *shared::ParseNumber(exportCase.bias, separator);

    OperatingPointResult result;
    const GridPointEvaluator evaluate =
        SubjectEvaluator(library, plan->Subject, temperature, bias, shared::Eia, separator, result);
    shared::MemoryFileSink sink;
    if (touchstone) {
        WriteTouchstone(plan->Subject, plan->Grid, evaluate, sink);
    } else {
        OperatingPointResult readout;
        const double omega = AngularFrequencyFromMegahertz(exportCase.frequency);
        if (selection.Product == ProductKind::Inductor) {
            EvaluateInductor(library.InductorTable.at(plan->Subject.PartIndex), omega, readout);
        } else {
            CapacitorConditions conditions;
            conditions.Temperature = temperature;
            conditions.Bias = bias;
            conditions.PartNumber = plan->Subject.PartNumber;
            conditions.DecimalSeparator = separator;
            EvaluateCapacitor(library.CapacitorTable.at(plan->Subject.PartIndex), omega, conditions, readout);
        }
        WriteImpedanceTable(plan->Subject, plan->Grid, ImpedanceReadoutsOf(readout, separator), evaluate,
                            separator, sink);
    }
    return sink.Bytes();
}

struct SmallParts {
    std::string model;  // a capacitor with a temperature and bias model
    std::string plain;  // one without
    std::string inductor;
};

const SmallParts& Parts() {
    static const SmallParts parts = [] {
        SmallParts found;
        Library library = LoadLibrary(SmallLibraryFolder(), '.');
        EXPECT_TRUE(SortCapacitors(library, shared::Eia, '.'));
        for (const CapacitorRecord& record : library.CapacitorTable) {
            const std::string& number = record.PartNumber[shared::Eia];
            if (number.empty() || shared::FrequencyRangeClass(number) == 0) {
                continue;
            }
            std::string& slot = HasConditionModel(record) ? found.model : found.plain;
            if (slot.empty()) {
                slot = number;
            }
        }
        found.inductor = library.InductorTable.at(1).PartNumber;
        EXPECT_FALSE(found.model.empty());
        EXPECT_FALSE(found.plain.empty());
        return found;
    }();
    return parts;
}

TEST(CliExportTest, WritesTheBytesOfTheExportWriters) {
    const SmallParts& parts = Parts();
    struct Row {
        std::vector<std::string> options;
        bool touchstone;
        ExportCase expected;
        char separator;
    };
    const std::vector<Row> rows = {
        {{"s2p", "--part", parts.model}, true, {parts.model}, '.'},
        {{"s2p", "--part", parts.model, "--mode", "shunt", "--temp", "85", "--bias", "2"},
         true,
         {parts.model, CircuitMode::Shunt, "85", "2"},
         '.'},
        {{"s2p", "--part", parts.plain}, true, {parts.plain}, '.'},
        {{"s2p", "--part", parts.inductor, "--mode", "shunt"}, true, {parts.inductor}, '.'},
        // The impedance header's readouts are refreshed at the table's own conditions.
        {{"impedance", "--part", parts.model, "--temp", "85", "--freq", "100"},
         false,
         {parts.model, CircuitMode::Series, "85", "0", 100.0},
         '.'},
        {{"impedance", "--part", parts.plain},
         false,
         {parts.plain, CircuitMode::Series, "25", "0", 0.3},
         '.'},
        // Human-facing, so in the locale's separator; typed numbers too.
        {{"impedance", "--part", parts.inductor, "--freq", "20,5"},
         false,
         {parts.inductor, CircuitMode::Series, "25", "0", 20.5},
         ','},
        {{"s2p", "--part", parts.inductor}, true, {parts.inductor}, ','},
    };
    for (const Row& row : rows) {
        TemporaryFolder folder;
        const std::string target = folder.File("out");
        std::vector<std::string> arguments = {"export"};
        arguments.insert(arguments.end(), row.options.begin(), row.options.end());
        arguments.insert(arguments.end(), {"-o", target});
        const CliRun run = RunCli(arguments, SmallLibraryFolder(), row.separator);
        ASSERT_EQ(run.Exit, kCliDone) << run.Err;
        EXPECT_EQ(run.Out, std::string(row.touchstone ? "S Parameter" : "Impedance") + " Data saved to " +
                               target + "\n");
        EXPECT_EQ(ReadBytes(target), WriterBytes(row.touchstone, row.expected, row.separator))
            << row.options[2];
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"out"});
        if (row.touchstone) {
            // Simulators read the rows with "." whatever the user's locale.
            for (const std::string& line : Lines(ReadBytes(target))) {
                if (line[0] != '!' && line[0] != '#') {
                    ASSERT_EQ(line.find(','), std::string::npos) << line;
                }
            }
        }
    }
}

TEST(CliExportTest, ARefusedExportLeavesTheOldFileAndNothingElse) {
    const SmallParts& parts = Parts();
    const std::vector<std::vector<std::string>> refused = {
        {"export", "s2p", "--part", parts.model, "--temp", "500"},
        {"export", "impedance", "--part", parts.model, "--bias", "-0.5"},
        {"export", "impedance", "--part", parts.model, "--freq", "0"},
        {"export", "s2p", "--part", "NOSUCHPART"},
    };
    for (std::vector<std::string> arguments : refused) {
        TemporaryFolder folder;
        WriteBytes(folder.File("kept.s2p"), "old bytes\r\n");
        arguments.insert(arguments.end(), {"-o", folder.File("kept.s2p")});
        const CliRun run = RunCli(arguments, SmallLibraryFolder());
        EXPECT_EQ(run.Exit, kCliRefused) << arguments[4];
        EXPECT_EQ(ReadBytes(folder.File("kept.s2p")), "old bytes\r\n");
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"kept.s2p"});
    }
}

TEST(CliExportTest, AFileThatCannotBeMadeIsAFailure) {
    TemporaryFolder folder;
    const CliRun run =
        RunCli({"export", "s2p", "--part", Parts().inductor, "-o", folder.File("no/such/folder.s2p")},
               SmallLibraryFolder());
    EXPECT_EQ(run.Exit, kCliFailed);
    EXPECT_EQ(run.Err, "Unexpected Error 75\nPath/File access error\n" + folder.File("no/such/folder.s2p") +
                           ": No such file or directory\n");
    EXPECT_EQ(run.Out, "");
    EXPECT_TRUE(folder.Names().empty());
}

}  // namespace
}  // namespace pelmo::testing
