#include "app_test_support.h"
#include "darvo/app/data_output.h"
#include "darvo/app/testing/fake_program.h"
#include "darvo/cli/darvo_cli.h"
#include "darvo/engine/chart_table.h"
#include "darvo/export/date_time_text.h"
#include "darvo/selection/plot_conditions.h"
#include "support/temporary_folder.h"

#include "shared/platform/atomic_file_writer.h"
#include "shared/platform/testing/failing_file_sink.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace darvo::testing {
namespace {

namespace fs = std::filesystem;

const std::chrono::system_clock::time_point kFixedTime = std::chrono::system_clock::from_time_t(1796799176);

std::string FixedDateText() {
    return GeneralDateText(kFixedTime, std::locale::classic());
}

// The save command over the sample products, as File > OutPut Data > Save Data To File...
// runs it with the selection window's texts.
class SaveDataTest : public ::testing::Test {
protected:
    OutputSelection Selection(ChartType chartType, Quantity xAxis, char separator = '.') const {
        const int index = ListableInBoth(products_, chartType);
        EXPECT_GE(index, 0);
        const ProductRecord& part = products_.ProductTable[static_cast<std::size_t>(index)];
        OutputSelection selection;
        selection.Identity = {chartType, xAxis, YAxisQuantities(chartType).front()};
        selection.PartNumberText = part.PartNumber[static_cast<std::size_t>(products_.CodeSystem)];
        selection.Conditions = DefaultConditions(part, products_.CodeSystem, separator);
        return selection;
    }

    SaveOutcome Save(const OutputSelection& selection,
                     shared::FileSinkOpener opener = shared::OpenAtomicFileWriter, char separator = '.') {
        SaveEnvironment environment;
        environment.CurrentFolder = current_.Path();
        environment.OpenSink = std::move(opener);
        environment.DateTimeText = FixedDateText;
        environment.Separator = separator;
        return RunSaveDataCommand(selection, products_, table_, fake_.services, environment);
    }

    // The table as it must stand outside any command: no record is being prepared, and
    // it holds ChartCount elements, or one empty element when ChartCount is 0.
    void ExpectTableAtRest(const char* where) const {
        EXPECT_FALSE(table_.IsPreparing()) << where;
        EXPECT_EQ(table_.ChartCount(), 0) << where;
        ASSERT_EQ(table_.Size(), 1U) << where;
        EXPECT_EQ(table_.At(0), ChartDataRecord{}) << where;
    }

    ProductLibrary products_ = SampleProducts();
    ChartTable table_;
    FakeProgram fake_{std::string(DARVO_SAMPLE_LIBRARY_DIR) + "/", "darvoehlp.pdf"};
    shared::testing::TemporaryFolder current_;
    shared::testing::TemporaryFolder chosen_;
};

// Cancel in the save dialog: no message, no file, no setting, the table as before. The
// dialog was offered as the command always offers it.
TEST_F(SaveDataTest, CancelWritesNothing) {
    const OutputSelection selection = Selection(TemperatureRise, Quantity::Current);
    fake_.dialogs.QueueFileCancel();
    EXPECT_EQ(Save(selection), SaveOutcome::Cancelled);
    ASSERT_EQ(fake_.dialogs.FileRequests().size(), 1U);
    const shared::FileDialogRequest& request = fake_.dialogs.FileRequests()[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.flags, 6);
    EXPECT_EQ(request.filter, "darvo Data Files (*.dvx)|*.dvx|All Files (*.*)|*.*|");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.fileName, selection.PartNumberText + ".dvx");
    EXPECT_EQ(request.initDir, current_.Path());
    EXPECT_TRUE(fake_.messages.Shown().empty());
    EXPECT_EQ(fake_.settings.Read("Settings", "FilePath", "none"), "none");
    EXPECT_TRUE(fs::is_empty(current_.Path()));
    EXPECT_EQ(fake_.cursor.Depth(), 0);
    ExpectTableAtRest("after Cancel");
}

// A saved file's folder is where the next save dialog opens; the confirmation names the
// full path with the information icon.
TEST_F(SaveDataTest, TheNextDialogOpensInTheFolderSavedTo) {
    const OutputSelection selection = Selection(CapacitanceTemperature, Quantity::Temperature);
    const std::string path = chosen_.File("first.dvx");
    fake_.dialogs.QueueFile(path);
    ASSERT_EQ(Save(selection), SaveOutcome::Saved);
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text, "darvo Data saved to " + path);
    EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Information);
    EXPECT_EQ(fake_.messages.Shown()[0].title, "darvo");
    EXPECT_EQ(fake_.settings.Read("Settings", "FilePath", ""), chosen_.Path());
    EXPECT_TRUE(fs::exists(path));
    ExpectTableAtRest("after a save");

    fake_.dialogs.QueueFileCancel();
    EXPECT_EQ(Save(selection), SaveOutcome::Cancelled);
    ASSERT_EQ(fake_.dialogs.FileRequests().size(), 2U);
    EXPECT_EQ(fake_.dialogs.FileRequests()[1].initDir, chosen_.Path());
    EXPECT_EQ(fake_.cursor.Depth(), 0);
}

// A folder that cannot be written to: the error report, no file, and the table exactly as
// before, so the same request plots and saves normally afterwards.
TEST_F(SaveDataTest, AnUnwritableFolderLeavesTheTableAsItWas) {
    const OutputSelection selection = Selection(TemperatureRise, Quantity::Voltage);
    struct Case {
        const char* name;
        std::string path;
        bool readOnly;
    };
    std::vector<Case> cases = {{"a folder that is gone", chosen_.File("gone") + "/denied.dvx", false}};
    // Root writes into read-only folders, so only other users see this one fail.
    if (::geteuid() != 0) {
        cases.push_back({"a read-only folder", chosen_.File("denied.dvx"), true});
    }
    for (const Case& c : cases) {
        fake_.messages.Clear();
        if (c.readOnly) {
            fs::permissions(chosen_.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        }
        fake_.dialogs.QueueFile(c.path);
        EXPECT_EQ(Save(selection), SaveOutcome::Failed) << c.name;
        fs::permissions(chosen_.Path(), fs::perms::owner_all);
        ASSERT_EQ(fake_.messages.Shown().size(), 1U) << c.name;
        // The report names the path and the system's reason under the standard text.
        const std::string reason = c.readOnly ? ": Permission denied" : ": No such file or directory";
        EXPECT_EQ(fake_.messages.Shown()[0].text,
                  (c.readOnly ? "Unexpected Error 70\r\nPermission denied\r\n"
                              : "Unexpected Error 75\r\nPath/File access error\r\n") +
                      c.path + reason);
        EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Critical) << c.name;
        EXPECT_EQ(fake_.messages.Shown()[0].title, "darvo") << c.name;
        EXPECT_TRUE(fs::is_empty(chosen_.Path())) << c.name;
        EXPECT_EQ(fake_.cursor.Depth(), 0) << c.name;
        ExpectTableAtRest(c.name);
    }

    // A write that fails half-way keeps an earlier file of that name as it was.
    chosen_.Write("kept.dvx", "old bytes");
    fake_.messages.Clear();
    fake_.dialogs.QueueFile(chosen_.File("kept.dvx"));
    EXPECT_EQ(Save(selection, shared::FailingFileSink::Opener(100, 61)), SaveOutcome::Failed);
    EXPECT_EQ(ReadBytes(chosen_.File("kept.dvx")), "old bytes");
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text, "Unexpected Error 61\r\nDisk full\r\n" +
                                                  chosen_.File("kept.dvx") + ": No space left on device");
    ExpectTableAtRest("after a failed write");
}

// Invalid conditions: every check the chart type needs shows its message, no dialog is
// offered; a part-number text naming no part is refused with its own message.
TEST_F(SaveDataTest, RefusedInputOffersNoDialog) {
    OutputSelection selection = Selection(TemperatureRise, Quantity::Current);
    selection.Conditions.DCBiasVoltage = "abc";
    selection.Conditions.Frequency = "-1";
    EXPECT_EQ(Save(selection), SaveOutcome::Refused);
    ASSERT_EQ(fake_.messages.Shown().size(), 2U);
    EXPECT_EQ(fake_.messages.Shown()[0].text.rfind("DC Bias Voltage is invalid!", 0), 0U);
    EXPECT_EQ(fake_.messages.Shown()[1].text.rfind("Frequency is invalid!", 0), 0U);
    EXPECT_TRUE(fake_.dialogs.FileRequests().empty());

    fake_.messages.Clear();
    selection = Selection(CapacitanceAcVoltage, Quantity::AcVoltage);
    selection.PartNumberText = "NOSUCHPART";
    EXPECT_EQ(Save(selection), SaveOutcome::Refused);
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text, kNoPartForOutputText);
    EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Exclamation);
    EXPECT_TRUE(fake_.dialogs.FileRequests().empty());
    ExpectTableAtRest("after refusals");
}

struct CliCase {
    const char* name;
    ChartType chartType;
    Quantity xAxis;
    char separator;
};

class SaveDataCliTest : public SaveDataTest, public ::testing::WithParamInterface<CliCase> {};

// The file the window writes is byte for byte what darvo-cli writes for the same part,
// axes and conditions, in both separators.
TEST_P(SaveDataCliTest, TheFileEqualsTheCommandLineSave) {
    const CliCase& c = GetParam();
    products_ = SampleProducts(shared::Eia, c.separator);
    OutputSelection selection = Selection(c.chartType, c.xAxis, c.separator);
    // The default load of 0.1 A is beyond what the smallest parts allow over frequency.
    const std::string load = c.separator == ',' ? "0,01" : "0.01";
    selection.Conditions.ParameterValue = load;
    const std::string path = chosen_.File("window.dvx");
    fake_.dialogs.QueueFile(path);
    ASSERT_EQ(Save(selection, shared::OpenAtomicFileWriter, c.separator), SaveOutcome::Saved)
        << (fake_.messages.Shown().empty() ? std::string() : fake_.messages.Shown()[0].text);

    CliEnvironment environment;
    environment.ProgramFolder = DARVO_SAMPLE_LIBRARY_DIR;
    environment.DecimalSeparator = c.separator;
    environment.Clock = [] { return kFixedTime; };
    environment.TimeLocale = std::locale::classic();
    const std::string cliPath = chosen_.File("cli.dvx");
    std::vector<std::string> arguments = {"save",
                                          "--part",
                                          selection.PartNumberText,
                                          "--chart-type",
                                          std::to_string(static_cast<int>(c.chartType)),
                                          "--x",
                                          std::string(QuantityName(selection.Identity.XAxis)),
                                          "--y",
                                          std::string(QuantityName(selection.Identity.YAxis)),
                                          "-o",
                                          cliPath};
    if (EnabledFor(c.chartType, c.xAxis).Parameter) {
        arguments.insert(arguments.end(), {"--param-value", load});
    }
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunDarvoCli(arguments, out, err, environment), 0) << err.str();
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes.rfind("!Tervalon  " + FixedDateText() + "\r\n", 0), 0U);
    EXPECT_EQ(bytes, ReadBytes(cliPath));
    ExpectTableAtRest(c.name);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ChartTypes, SaveDataCliTest, ::testing::Values(
    CliCase{"TemperatureRiseOverCurrent", TemperatureRise, Quantity::Current, '.'},
    CliCase{"TemperatureRiseOverFrequency", TemperatureRise, Quantity::Frequency, ','},
    CliCase{"AllowablePower", AllowablePower, Quantity::Frequency, '.'},
    CliCase{"CapacitanceTemperature", CapacitanceTemperature, Quantity::Temperature, ','},
    CliCase{"CapacitanceDcVoltage", CapacitanceDcVoltage, Quantity::DcBiasVoltage, '.'},
    CliCase{"CapacitanceAcVoltage", CapacitanceAcVoltage, Quantity::AcVoltage, '.'}),
    [](const ::testing::TestParamInfo<CliCase>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace darvo::testing
