#include "pelmo/app/program_start.h"

#include "support/temporary_folder.h"

#include "shared/platform/testing/fake_messages.h"
#include "shared/platform/testing/scripted_single_instance.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pelmo {
namespace {

namespace fs = std::filesystem;

// A program folder holding the named files of the generated sample library.
void CopyLibrary(const shared::testing::TemporaryFolder& folder, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        fs::copy_file(fs::path(PELMO_SAMPLE_LIBRARY_DIR) / name, folder.File(name));
    }
}

const std::vector<std::string> kLibraryFiles = {"cap.idx", "cap.dat", "ind.idx", "ind.dat"};

// A second copy is refused before anything is read: one critical box under "Pelmo".
TEST(ProgramStartTest, ASecondCopyIsRefused) {
    shared::ScriptedSingleInstance instance(true);
    shared::FakeMessages messages;
    EXPECT_FALSE(StartProgram(instance, messages, "/nonexistent/folder", '.'));
    ASSERT_EQ(messages.Shown().size(), 1U);
    EXPECT_EQ(messages.Shown()[0].text, "It is already started.");
    EXPECT_EQ(messages.Shown()[0].icon, shared::MessageIcon::Critical);
    EXPECT_EQ(messages.Shown()[0].title, "Pelmo");
    EXPECT_EQ(messages.Shown()[0].buttons, shared::MessageButtons::Ok);
}

// Which file is missing decides which procedure's report the start ends with.
TEST(ProgramStartTest, AMissingFileIsReportedUnderItsProcedure) {
    struct Case {
        std::vector<std::string> present;
        const char* title;
    };
    const std::vector<Case> cases = {
        {{}, "pelmo:Public.Main"},
        {{"cap.idx"}, "pelmo:Public.Main"},
        {{"cap.idx", "ind.idx", "ind.dat"}, "pelmo:Public.GetData"},
        {{"cap.idx", "ind.idx", "cap.dat"}, "pelmo:Public.GetData"},
    };
    for (const Case& c : cases) {
        shared::testing::TemporaryFolder folder;
        CopyLibrary(folder, c.present);
        shared::ScriptedSingleInstance instance(false);
        shared::FakeMessages messages;
        EXPECT_FALSE(StartProgram(instance, messages, folder.Path(), '.'));
        ASSERT_EQ(messages.Shown().size(), 1U) << c.title;
        EXPECT_EQ(messages.Shown()[0].title, c.title);
        EXPECT_EQ(messages.Shown()[0].text, "Unexpected Error 53\r\nFile not found");
        EXPECT_EQ(messages.Shown()[0].icon, shared::MessageIcon::Critical);
    }
}

// The help file decides the help language: Japanese when its PDF lies there, English
// otherwise, and no help file name when neither does.
TEST(ProgramStartTest, TheHelpFilesChooseTheLanguage) {
    struct Case {
        std::vector<std::string> pdfs;
        int language;
        const char* fileName;
    };
    const std::vector<Case> cases = {
        {{"pelmojhlp.pdf", "pelmoehlp.pdf"}, 1, "pelmojhlp.pdf"},
        {{"pelmojhlp.pdf"}, 1, "pelmojhlp.pdf"},
        {{"pelmoehlp.pdf"}, 2, "pelmoehlp.pdf"},
        {{}, 2, ""},
    };
    for (const Case& c : cases) {
        shared::testing::TemporaryFolder folder;
        CopyLibrary(folder, kLibraryFiles);
        for (const std::string& pdf : c.pdfs) {
            folder.Write(pdf, "%PDF-1.4\n");
        }
        shared::ScriptedSingleInstance instance(false);
        shared::FakeMessages messages;
        const std::optional<StartedProgram> started = StartProgram(instance, messages, folder.Path(), '.');
        ASSERT_TRUE(started);
        EXPECT_TRUE(messages.Shown().empty());
        EXPECT_EQ(started->Facts.Help.language, c.language);
        EXPECT_EQ(started->Facts.Help.fileName, c.fileName);
        EXPECT_EQ(started->Facts.ProgramFolder, folder.Path() + "/");
        EXPECT_EQ(started->Facts.DegreeSign, "\u00B0");
        EXPECT_FALSE(started->Parts.CapacitorTable.empty());
        EXPECT_FALSE(started->Parts.InductorTable.empty());
    }
}

// The library's shown number texts take the separator the start is given.
TEST(ProgramStartTest, NumberTextsTakeTheLocaleSeparator) {
    shared::testing::TemporaryFolder folder;
    CopyLibrary(folder, kLibraryFiles);
    for (const char separator : {'.', ','}) {
        shared::ScriptedSingleInstance instance(false);
        shared::FakeMessages messages;
        const std::optional<StartedProgram> started =
            StartProgram(instance, messages, folder.Path(), separator);
        ASSERT_TRUE(started);
        bool anyFraction = false;
        for (const auto& record : started->Parts.InductorTable) {
            const char other = separator == '.' ? ',' : '.';
            EXPECT_EQ(record.Inductance.find(other), std::string::npos) << record.Inductance;
            anyFraction = anyFraction || record.Inductance.find(separator) != std::string::npos;
        }
        EXPECT_TRUE(anyFraction);
    }
}

}  // namespace
}  // namespace pelmo
