#include "pelmo/cli/export_all.h"

#include "cli_test_support.h"
#include "pelmo/cli/cli_commands.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/library/records.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/testing/failing_file_sink.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace pelmo::testing {
namespace {

// The names the save dialog proposes right after a part is chosen, from the library's
// own records: conditions in brackets only for parts with a model, never for a SPICE
// model, which carries them inside.
std::vector<std::string> ProposedNames(ProductKind kind, shared::CodeSystem code, const std::string& format) {
    const bool touchstone = format == "s2p";
    const bool spice = format == "spice";
    Library library = LoadLibrary(SmallLibraryFolder(), '.');
    EXPECT_TRUE(SortCapacitors(library, code, '.'));
    const std::string conditions = code == shared::Eia ? "(25,0)" : "(20,0)";
    std::vector<std::string> names;
    if (kind == ProductKind::Inductor) {
        for (const InductorRecord& record : library.InductorTable) {
            names.push_back(record.PartNumber + (touchstone ? ".s2p" : spice ? ".cir" : ".txt"));
        }
    } else {
        for (const CapacitorRecord& record : library.CapacitorTable) {
            const std::string& number = record.PartNumber[code];
            if (number.empty()) {
                continue;
            }
            const std::string bracket = HasConditionModel(record) ? conditions : "";
            names.push_back(touchstone ? number + "series" + bracket + ".s2p"
                            : spice    ? number + ".cir"
                                       : number + bracket + ".txt");
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ExportAllTest, EveryPartNamedAsTheSaveDialogProposes) {
    struct Row {
        std::string format;
        std::string kind;
        std::string code;
    };
    const std::vector<Row> rows = {{"s2p", "cap", "eia"},   {"impedance", "cap", "jis"},
                                   {"s2p", "ind", "eia"},   {"impedance", "ind", "jis"},
                                   {"spice", "cap", "jis"}, {"spice", "ind", "eia"}};
    for (const Row& row : rows) {
        TemporaryFolder folder;
        const CliRun run = RunCli({"export-all", row.format, "--out", folder.Path(), "--kind", row.kind,
                                   "--code", row.code, "--jobs", "3"},
                                  SmallLibraryFolder());
        ASSERT_EQ(run.Exit, kCliDone) << run.Err;
        const std::vector<std::string> expected =
            ProposedNames(row.kind == "ind" ? ProductKind::Inductor : ProductKind::Capacitor,
                          row.code == "eia" ? shared::Eia : shared::Jis, row.format);
        EXPECT_EQ(folder.Names(), expected);
        EXPECT_EQ(run.Out, std::to_string(expected.size()) + " of " + std::to_string(expected.size()) +
                               " files written to " + folder.Path() + "\n");
        EXPECT_EQ(run.Err, "");
    }
}

TEST(ExportAllTest, EachFileIsTheSingleExportOfItsPart) {
    TemporaryFolder all;
    ASSERT_EQ(RunCli({"export-all", "s2p", "--out", all.Path(), "--jobs", "4"}, SmallLibraryFolder()).Exit,
              kCliDone);
    TemporaryFolder one;
    const std::vector<std::string> parts = Lines(RunCli({"list"}, SmallLibraryFolder()).Out);
    ASSERT_GE(parts.size(), 3U);
    for (const std::string& part : {parts.front(), parts[parts.size() / 2], parts.back()}) {
        const std::string target = one.File("single.s2p");
        ASSERT_EQ(RunCli({"export", "s2p", "--part", part, "-o", target}, SmallLibraryFolder()).Exit,
                  kCliDone);
        const auto names = all.Names();
        const auto name = std::find_if(names.begin(), names.end(), [&](const std::string& n) {
            return n.rfind(part + "series", 0) == 0;
        });
        ASSERT_NE(name, names.end()) << part;
        EXPECT_EQ(ReadBytes(all.File(*name)), ReadBytes(target)) << part;
    }
}

// A SPICE model of export-all is the single export at the part's lowest frequency; a
// frequency outside the part's range is refused with the window's message and exit 2,
// and nothing is written.
TEST(ExportAllTest, SpiceModelsAreTheSingleExportAtTheLowestFrequency) {
    TemporaryFolder all;
    ASSERT_EQ(
        RunCli({"export-all", "spice", "--out", all.Path(), "--kind", "ind"}, SmallLibraryFolder()).Exit,
        kCliDone);
    const std::string part = Lines(RunCli({"list", "--kind", "ind"}, SmallLibraryFolder()).Out).back();
    TemporaryFolder one;
    ASSERT_EQ(RunCli({"export", "spice", "--part", part, "--freq", "10", "-o", one.File("a.cir")},
                     SmallLibraryFolder())
                  .Exit,
              kCliDone);
    EXPECT_EQ(ReadBytes(all.File(part + ".cir")), ReadBytes(one.File("a.cir")));

    const CliRun refused = RunCli(
        {"export", "spice", "--part", part, "--freq", "9.5", "-o", one.File("b.cir")}, SmallLibraryFolder());
    EXPECT_EQ(refused.Exit, kCliRefused);
    EXPECT_EQ(refused.Err.rfind("Operating Frequency is out of Range!\nPlease enter a Number from 10 - ", 0),
              0U)
        << refused.Err;
    EXPECT_EQ(one.Names(), std::vector<std::string>{"a.cir"});
}

TEST(ExportAllTest, OneWorkerAndManyWriteTheSameFiles) {
    TemporaryFolder serial;
    TemporaryFolder parallel;
    ASSERT_EQ(
        RunCli({"export-all", "impedance", "--out", serial.Path(), "--jobs", "1"}, SmallLibraryFolder()).Exit,
        kCliDone);
    ASSERT_EQ(
        RunCli({"export-all", "impedance", "--out", parallel.Path(), "--jobs", "8"}, SmallLibraryFolder())
            .Exit,
        kCliDone);
    ASSERT_EQ(serial.Names(), parallel.Names());
    for (const std::string& name : serial.Names()) {
        EXPECT_EQ(ReadBytes(serial.File(name)), ReadBytes(parallel.File(name))) << name;
    }
}

TEST(ExportAllTest, FailedWritesAreReportedPerPartAndLeaveNoFiles) {
    Library library = LoadLibrary(SmallLibraryFolder(), '.');
    ASSERT_TRUE(SortCapacitors(library, shared::Eia, '.'));
    TemporaryFolder folder;
    ExportAllRequest request;
    request.Kind = ProductKind::Inductor;
    request.Folder = folder.Path();
    request.Jobs = 2;
    // Every file breaks off after 300 bytes, as on a full disk.
    const ExportAllOutcome outcome =
        ExportAllParts(library, request, shared::FailingFileSink::Opener(300, shared::error::kDiskFull));
    EXPECT_EQ(outcome.Parts, library.InductorTable.size());
    EXPECT_TRUE(outcome.FileNames.empty());
    ASSERT_EQ(outcome.Failures.size(), library.InductorTable.size());
    for (std::size_t i = 0; i < outcome.Failures.size(); ++i) {
        EXPECT_EQ(outcome.Failures[i].PartNumber, library.InductorTable[i].PartNumber);
        EXPECT_EQ(outcome.Failures[i].Messages.rfind("Unexpected Error 61\n", 0), 0U)
            << outcome.Failures[i].Messages;
    }
    EXPECT_TRUE(folder.Names().empty());
}

// The desktop program asks before replacing a file; the tool replaces only when told.
TEST(ExportAllTest, AFolderHoldingFilesItWouldReplaceIsRefusedUnlessForced) {
    for (const char* format : {"s2p", "impedance", "spice"}) {
        TemporaryFolder folder;
        ASSERT_EQ(RunCli({"export-all", format, "--out", folder.Path()}, SmallLibraryFolder()).Exit,
                  kCliDone);
        const std::vector<std::string> names = folder.Names();
        ASSERT_FALSE(names.empty());
        WriteBytes(folder.File(names.back()), "kept");

        const CliRun refused = RunCli({"export-all", format, "--out", folder.Path()}, SmallLibraryFolder());
        EXPECT_EQ(refused.Exit, kCliRefused) << format;
        const std::string start = folder.Path() + " already holds " + std::to_string(names.size()) +
                                  " of the files to write (the first: ";
        const std::string end = "); nothing written. Give --force to replace them.\n";
        EXPECT_EQ(refused.Err.rfind(start, 0), 0U) << refused.Err;
        EXPECT_TRUE(refused.Err.size() > end.size() &&
                    refused.Err.compare(refused.Err.size() - end.size(), end.size(), end) == 0)
            << refused.Err;
        EXPECT_EQ(ReadBytes(folder.File(names.back())), "kept");

        const CliRun forced =
            RunCli({"export-all", format, "--out", folder.Path(), "--force"}, SmallLibraryFolder());
        EXPECT_EQ(forced.Exit, kCliDone) << forced.Err;
        EXPECT_NE(ReadBytes(folder.File(names.back())), "kept");
        EXPECT_EQ(folder.Names(), names);
    }
}

TEST(ExportAllTest, AnOutputThatIsAFileIsRefused) {
    TemporaryFolder folder;
    WriteBytes(folder.File("plain"), "x");
    const CliRun run = RunCli({"export-all", "s2p", "--out", folder.File("plain")}, SmallLibraryFolder());
    EXPECT_EQ(run.Exit, kCliRefused);
    EXPECT_EQ(run.Err, folder.File("plain") + " is not a folder\n");
    EXPECT_EQ(ReadBytes(folder.File("plain")), "x");
}

// A folder that takes no file would fail every part alike. The built tool, run as a
// script runs it, reports that once, naming the folder and the system's reason, writes
// no summary and exits 1. The tests run as root, who writes in any folder a mode forbids,
// so the folders here are ones the kernel refuses to anybody.
TEST(ExportAllProcessTest, AFolderThatCannotBeWrittenIsReportedOnceWithStatusOne) {
    TemporaryFolder folder;
    WriteBytes(folder.File("plain"), "x");
    struct Row {
        std::string out;
        std::string detail;  // the report's third line without its reason
    };
    std::vector<Row> rows = {{"/proc", "/proc: no file can be made in this folder ("}};
    TemporaryFolder locked;
    if (::geteuid() != 0) {
        std::filesystem::permissions(locked.Path(),
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        rows.push_back({locked.Path(), locked.Path() + ": no file can be made in this folder ("});
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.out);
        const CliRun run =
            RunCliProcess({"export-all", "s2p", "--out", row.out, "--library", SmallLibraryFolder()});
        EXPECT_EQ(run.Exit, kCliFailed);
        EXPECT_EQ(run.Out, "");
        const std::vector<std::string> lines = Lines(run.Err);
        ASSERT_EQ(lines.size(), 3U) << run.Err;
        EXPECT_EQ(lines[0].rfind("Unexpected Error ", 0), 0U) << run.Err;
        EXPECT_EQ(lines[1], shared::StandardErrorDescription(std::stoi(lines[0].substr(17))));
        EXPECT_EQ(lines[2].rfind(row.detail, 0), 0U) << run.Err;
        const std::string end = "); nothing written";
        EXPECT_GT(lines[2].size(), row.detail.size() + end.size()) << run.Err;
        EXPECT_EQ(lines[2].substr(lines[2].size() - end.size()), end) << run.Err;
    }
    EXPECT_EQ(ReadBytes(folder.File("plain")), "x");
    std::filesystem::permissions(locked.Path(), std::filesystem::perms::owner_all);

    // A folder that cannot be made: the reason is the system's own words.
    const CliRun notADirectory = RunCliProcess(
        {"export-all", "s2p", "--out", folder.File("plain/x"), "--library", SmallLibraryFolder()});
    EXPECT_EQ(notADirectory.Exit, kCliFailed);
    EXPECT_EQ(notADirectory.Err, "Unexpected Error 75\nPath/File access error\n" + folder.File("plain/x") +
                                     ": the folder cannot be made (Not a directory); nothing written\n");
}

// The single export run as a process: a failed write is status 1 with the path and
// the reason, never 0.
TEST(ExportAllProcessTest, ASingleExportThatCannotBeWrittenExitsOne) {
    TemporaryFolder folder;
    WriteBytes(folder.File("plain"), "x");
    Library library = LoadLibrary(SmallLibraryFolder(), '.');
    const std::string part = library.InductorTable.front().PartNumber;
    const std::string target = folder.File("plain/part.s2p");
    const CliRun run =
        RunCliProcess({"export", "s2p", "--part", part, "-o", target, "--library", SmallLibraryFolder()});
    EXPECT_EQ(run.Exit, kCliFailed);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "Unexpected Error 75\nPath/File access error\n" + target + ": Not a directory\n");
}

// Output that cannot be written (a full disk) is a failure too, never status 0.
TEST(ExportAllProcessTest, OutputThatCannotBeWrittenExitsOne) {
    const CliRun run = RunCliProcess({"list", "--library", SmallLibraryFolder()}, "/dev/full");
    EXPECT_EQ(run.Exit, kCliFailed);
    EXPECT_EQ(run.Err, "Unexpected Error 61\nDisk full\nstandard output: No space left on device\n");
}

}  // namespace
}  // namespace pelmo::testing
