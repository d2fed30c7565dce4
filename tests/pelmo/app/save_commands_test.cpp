#include "pelmo/app/save_commands.h"

#include "app_test_support.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/selection/library_selection.h"
#include "support/temporary_folder.h"

#include "shared/platform/atomic_file_writer.h"
#include "shared/platform/testing/failing_file_sink.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace pelmo::testing {
namespace {

constexpr const char* kTouchstoneFilterText = "S parameter Data Files (*.s2p)|*.s2p|All Files (*.*)|*.*|";
constexpr const char* kImpedanceFilterText = "Impedance Data Files (*.txt)|*.txt|All Files (*.*)|*.*|";
constexpr const char* kSpiceFilterText = "SPICE Model Files (*.cir)|*.cir|All Files (*.*)|*.*|";

// What each format's dialog and confirmation say, and what pelmo-cli calls it.
struct FormatTexts {
    const char* filter;
    const char* saved;
    const char* cliName;
    const char* extension;
};
FormatTexts TextsOf(SaveFormat format) {
    switch (format) {
        case SaveFormat::Touchstone:
            return {kTouchstoneFilterText, "S Parameter Data saved to ", "s2p", ".s2p"};
        case SaveFormat::Impedance:
            return {kImpedanceFilterText, "Impedance Data saved to ", "impedance", ".txt"};
        case SaveFormat::Spice:
            break;
    }
    return {kSpiceFilterText, "SPICE Model saved to ", "spice", ".cir"};
}

// The selection window over the generated sample library, in EIA notation, with the
// save commands run as the File menu runs them.
class SaveCommandTest : public ::testing::Test {
protected:
    SaveCommandTest() : library_(LoadLibrary(PELMO_SAMPLE_LIBRARY_DIR, '.')) { selection_.Form_Load(2); }

    void Choose(const std::string& partNumber, int product = 0) {
        selection_.optProduct_Click(product);
        selection_.SetPartNumberText(partNumber);
        selection_.ApplyPartNumber();
        ASSERT_EQ(selection_.State().PartNumber.Text, partNumber);
        fake_.messages.Clear();
    }

    SaveOutcome Save(SaveFormat format, shared::FileSinkOpener opener = shared::OpenAtomicFileWriter) {
        return RunSaveCommand(format, selection_, library_, fake_.services,
                              SaveEnvironment{folder_.Path(), std::move(opener)});
    }

    Library library_;
    FakeProgram fake_{std::string(PELMO_SAMPLE_LIBRARY_DIR) + "/", "pelmoehlp.pdf"};
    NoWindowsHost host_;
    LibrarySelection selection_{library_, fake_.messages, fake_.cursor, host_, '.'};
    shared::testing::TemporaryFolder folder_;
};

// One export as a user makes it, and the command line given the same choice.
struct ExportCase {
    const char* name;
    SaveFormat format;
    // Which part of the sample library: a capacitor with a condition model, one without,
    // or an inductor.
    enum Part { ModelCapacitor, PlainCapacitor, Inductor } part;
    int mode = 0;             // optMode: 0 series, 1 shunt
    const char* temperature;  // typed without Enter; nullptr keeps the default
    const char* frequency;    // typed without Enter; nullptr keeps the default
    const char* proposedSuffix;
};

class ExportFileTest : public SaveCommandTest, public ::testing::WithParamInterface<ExportCase> {};

// The file the window writes is byte for byte the file pelmo-cli writes for the same part
// and conditions, for every format, both connections, parts with and without condition
// model and inductors; a temperature or frequency typed without Enter counts, and the
// impedance header's readouts describe those conditions. A SPICE model does not depend
// on the connection: pelmo-cli is not told it.
TEST_P(ExportFileTest, TheFileEqualsTheCommandLineExport) {
    const ExportCase& c = GetParam();
    std::string partNumber;
    int product = 0;
    if (c.part == ExportCase::Inductor) {
        partNumber = library_.InductorTable.front().PartNumber;
        product = 1;
    } else {
        const bool model = c.part == ExportCase::ModelCapacitor;
        partNumber = FindCapacitor(library_, [model](const CapacitorRecord& record, int rangeClass) {
            return model ? rangeClass != 0 && HasConditionModel(record)
                         : rangeClass == 2 && !HasConditionModel(record);
        });
    }
    ASSERT_FALSE(partNumber.empty());
    Choose(partNumber, product);
    if (c.mode == 1) {
        selection_.optMode_Click(1);
    }
    if (c.temperature != nullptr) {
        selection_.SetTemperatureText(c.temperature);
    }
    if (c.frequency != nullptr) {
        selection_.SetFrequencyText(c.frequency);
    }
    const std::string temperature = selection_.State().Temperature;
    const std::string bias = selection_.State().Bias;
    const std::string frequency = selection_.State().Frequency;
    const bool touchstone = c.format == SaveFormat::Touchstone;
    const bool spice = c.format == SaveFormat::Spice;
    const FormatTexts texts = TextsOf(c.format);
    const std::string path = folder_.File(std::string("chosen") + texts.extension);
    fake_.dialogs.QueueFile(path);

    ASSERT_EQ(Save(c.format), SaveOutcome::Saved);

    ASSERT_EQ(fake_.dialogs.FileRequests().size(), 1U);
    const shared::FileDialogRequest& request = fake_.dialogs.FileRequests().front();
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.flags, 6);
    EXPECT_EQ(request.filter, texts.filter);
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.initDir, folder_.Path());
    EXPECT_EQ(request.fileName, partNumber + c.proposedSuffix);
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    const shared::RecordedMessage& shown = fake_.messages.Shown().front();
    EXPECT_EQ(shown.text, texts.saved + path);
    EXPECT_EQ(shown.icon, shared::MessageIcon::Information);
    EXPECT_EQ(shown.title, "Pelmo");
    EXPECT_EQ(fake_.cursor.Depth(), 0);
    EXPECT_EQ(fake_.settings.Read("Settings", "FilePath", "none"), folder_.Path());

    const std::string cliPath = folder_.File("cli.out");
    std::string arguments = std::string("export ") + texts.cliName + " --part '" + partNumber +
                            "' --code eia -o '" + cliPath + "'";
    if (!spice) {
        arguments += std::string(" --mode ") + (c.mode == 1 ? "shunt" : "series");
    }
    if (product == 0) {
        arguments += " --temp " + temperature + " --bias " + bias;
    }
    if (!touchstone) {
        arguments += " --freq " + frequency;
    }
    ASSERT_EQ(RunPelmoCli(arguments), 0) << arguments;
    const std::string written = ReadBytes(path);
    EXPECT_GT(written.size(), 1000U);
    EXPECT_EQ(written, ReadBytes(cliPath)) << arguments;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Exports, ExportFileTest, ::testing::Values(
    ExportCase{"TouchstoneSeries", SaveFormat::Touchstone, ExportCase::ModelCapacitor, 0, nullptr, nullptr, "series(25,0).s2p"},
    ExportCase{"TouchstoneShuntTyped", SaveFormat::Touchstone, ExportCase::ModelCapacitor, 1, "60", nullptr, "shunt(60,0).s2p"},
    ExportCase{"TouchstonePlain", SaveFormat::Touchstone, ExportCase::PlainCapacitor, 0, nullptr, nullptr, "series.s2p"},
    ExportCase{"TouchstoneInductor", SaveFormat::Touchstone, ExportCase::Inductor, 0, nullptr, nullptr, ".s2p"},
    ExportCase{"ImpedanceModel", SaveFormat::Impedance, ExportCase::ModelCapacitor, 0, nullptr, nullptr, "(25,0).txt"},
    ExportCase{"ImpedanceTypedConditions", SaveFormat::Impedance, ExportCase::ModelCapacitor, 1, "60", "500", "(60,0).txt"},
    ExportCase{"ImpedancePlain", SaveFormat::Impedance, ExportCase::PlainCapacitor, 0, nullptr, nullptr, ".txt"},
    ExportCase{"ImpedanceInductor", SaveFormat::Impedance, ExportCase::Inductor, 0, nullptr, "300", ".txt"},
    ExportCase{"SpiceModelTypedInShunt", SaveFormat::Spice, ExportCase::ModelCapacitor, 1, "60", "500", ".cir"},
    ExportCase{"SpiceModelDefaults", SaveFormat::Spice, ExportCase::ModelCapacitor, 0, nullptr, nullptr, ".cir"},
    ExportCase{"SpicePlain", SaveFormat::Spice, ExportCase::PlainCapacitor, 0, nullptr, nullptr, ".cir"},
    ExportCase{"SpiceInductor", SaveFormat::Spice, ExportCase::Inductor, 0, nullptr, "300", ".cir"}),
    [](const ::testing::TestParamInfo<ExportCase>& info) { return std::string(info.param.name); });
// clang-format on

// The folder of a save is where the next save dialog opens, for either format.
TEST_F(SaveCommandTest, TheNextDialogOpensInTheFolderOfTheLastSave) {
    Choose(library_.InductorTable.front().PartNumber, 1);
    std::filesystem::create_directories(folder_.File("sub"));
    fake_.dialogs.QueueFile(folder_.File("sub") + "/a.s2p");
    ASSERT_EQ(Save(SaveFormat::Touchstone), SaveOutcome::Saved);
    fake_.dialogs.QueueFile(folder_.File("b.txt"));
    ASSERT_EQ(Save(SaveFormat::Impedance), SaveOutcome::Saved);
    ASSERT_EQ(fake_.dialogs.FileRequests().size(), 2U);
    EXPECT_EQ(fake_.dialogs.FileRequests()[0].initDir, folder_.Path());
    EXPECT_EQ(fake_.dialogs.FileRequests()[1].initDir, folder_.File("sub"));
    EXPECT_EQ(fake_.settings.Read("Settings", "FilePath", ""), folder_.Path());
}

// Cancel ends the command without a message, a file or a changed setting.
TEST_F(SaveCommandTest, CancelWritesNothing) {
    Choose(library_.InductorTable.front().PartNumber, 1);
    for (const SaveFormat format : {SaveFormat::Touchstone, SaveFormat::Impedance, SaveFormat::Spice}) {
        fake_.dialogs.QueueFileCancel();
        EXPECT_EQ(Save(format), SaveOutcome::Cancelled);
    }
    EXPECT_TRUE(fake_.messages.Shown().empty());
    EXPECT_FALSE(fake_.settings.Contains("Settings", "FilePath"));
    EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
    EXPECT_EQ(fake_.cursor.Depth(), 0);
}

// Without a part, or with a part number the library does not have, the command stops
// before its dialog with the exclamation box.
TEST_F(SaveCommandTest, NoPartStopsBeforeTheDialog) {
    for (const std::string& text : {std::string(), std::string("NOSUCHPART")}) {
        selection_.SetPartNumberText(text);
        for (const SaveFormat format : {SaveFormat::Touchstone, SaveFormat::Impedance, SaveFormat::Spice}) {
            fake_.messages.Clear();
            EXPECT_EQ(Save(format), SaveOutcome::Refused);
            ASSERT_EQ(fake_.messages.Shown().size(), 1U) << text;
            EXPECT_EQ(fake_.messages.Shown()[0].text, "Product Number is invalid or not selected!");
            EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Exclamation);
            EXPECT_EQ(fake_.messages.Shown()[0].title, "Pelmo");
        }
    }
    EXPECT_EQ(fake_.dialogs.DialogsShown(), 0);
}

// A temperature outside the part's range, typed without Enter, is refused with the
// field's own message and nothing is asked or written.
TEST_F(SaveCommandTest, InvalidConditionsStopBeforeTheDialog) {
    const std::string partNumber = FindCapacitor(library_, [](const CapacitorRecord& record, int rangeClass) {
        return rangeClass != 0 && HasConditionModel(record);
    });
    Choose(partNumber);
    selection_.SetTemperatureText("400");
    EXPECT_EQ(Save(SaveFormat::Touchstone), SaveOutcome::Refused);
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_NE(fake_.messages.Shown()[0].text.find("Temp"), std::string::npos)
        << fake_.messages.Shown()[0].text;
    EXPECT_EQ(fake_.dialogs.DialogsShown(), 0);
}

// A write that fails half-way leaves the file that was there before untouched and shows
// the "Unexpected Error " report with the plain number; the pointer is back to normal.
TEST_F(SaveCommandTest, AFailedWriteKeepsTheOldFile) {
    Choose(library_.InductorTable.front().PartNumber, 1);
    const std::string path = folder_.File("old.s2p");
    folder_.Write("old.s2p", "previous contents\r\n");
    fake_.dialogs.QueueFile(path);
    EXPECT_EQ(Save(SaveFormat::Touchstone, shared::FailingFileSink::Opener(500, 61)), SaveOutcome::Failed);
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text,
              "Unexpected Error 61\r\nDisk full\r\n" + path + ": No space left on device");
    EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Critical);
    EXPECT_EQ(fake_.messages.Shown()[0].title, "Pelmo");
    EXPECT_EQ(ReadBytes(path), "previous contents\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 1);
    EXPECT_EQ(fake_.cursor.Depth(), 0);
}

// A file the system refuses to make is reported with its path and the system's reason
// under the standard text, for each of the three exports; nothing is made.
TEST_F(SaveCommandTest, AFileThatCannotBeMadeNamesThePathAndTheReason) {
    Choose(library_.InductorTable.front().PartNumber, 1);
    folder_.Write("plain", "x");
    // clang-format off
    struct Row { SaveFormat format; std::string path; std::string text; };
    const Row rows[] = {
        {SaveFormat::Touchstone, folder_.File("plain/part.s2p"), "Path/File access error\r\n%: Not a directory"},
        {SaveFormat::Impedance, folder_.File("none/part.txt"), "Path/File access error\r\n%: No such file or directory"},
        {SaveFormat::Spice, folder_.File("plain/x/part.cir"), "Path/File access error\r\n%: Not a directory"},
    };
    // clang-format on
    for (const Row& row : rows) {
        fake_.messages.Clear();
        fake_.dialogs.QueueFile(row.path);
        EXPECT_EQ(Save(row.format), SaveOutcome::Failed) << row.path;
        ASSERT_EQ(fake_.messages.Shown().size(), 1U);
        std::string text = row.text;
        text.replace(text.find('%'), 1, row.path);
        EXPECT_EQ(fake_.messages.Shown()[0].text, "Unexpected Error 75\r\n" + text);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 1);
}

// The SPICE model takes the frequency field for the elements' values where a simulator
// has no frequency, so a frequency typed outside the part's range without Enter is
// refused before the dialog, as Enter would refuse it; so is one that is no number.
TEST_F(SaveCommandTest, TheSpiceModelChecksTheFrequencyBeforeTheDialog) {
    Choose(library_.InductorTable.front().PartNumber, 1);
    for (const std::string typed : {"5", "abc", "99999"}) {
        selection_.SetFrequencyText(typed);
        fake_.messages.Clear();
        EXPECT_EQ(Save(SaveFormat::Spice), SaveOutcome::Refused) << typed;
        ASSERT_EQ(fake_.messages.Shown().size(), 1U) << typed;
        const std::string& text = fake_.messages.Shown()[0].text;
        const std::string expected =
            typed == "abc" ? "Operating Frequency is invalid!" : "Operating Frequency is out of Range!";
        EXPECT_EQ(text.rfind(expected + "\nPlease enter a Number from 10 - ", 0), 0U) << text;
    }
    EXPECT_EQ(fake_.dialogs.DialogsShown(), 0);
    EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

// A save dialog that fails (rather than being cancelled) is reported the same way.
TEST_F(SaveCommandTest, AFailingDialogIsReported) {
    Choose(library_.InductorTable.front().PartNumber, 1);
    fake_.dialogs.QueueFileFailure(2, 12290);
    EXPECT_EQ(Save(SaveFormat::Impedance), SaveOutcome::Failed);
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text.rfind("Unexpected Error 12290\r\n", 0), 0U);
    EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Critical);
    EXPECT_FALSE(fake_.settings.Contains("Settings", "FilePath"));
}

}  // namespace
}  // namespace pelmo::testing
