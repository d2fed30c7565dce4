#include "pelmo/app/program_start.h"

#include "support/temporary_folder.h"

#include "shared/platform/testing/fake_messages.h"
#include "shared/platform/testing/scripted_single_instance.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
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
        const char* missing;
    };
    const std::vector<Case> cases = {
        {{}, "pelmo:Public.Main", "cap.idx"},
        {{"cap.idx"}, "pelmo:Public.Main", "ind.idx"},
        {{"cap.idx", "ind.idx", "ind.dat"}, "pelmo:Public.GetData", "cap.dat"},
        {{"cap.idx", "ind.idx", "cap.dat"}, "pelmo:Public.GetData", "ind.dat"},
    };
    for (const Case& c : cases) {
        shared::testing::TemporaryFolder folder;
        CopyLibrary(folder, c.present);
        shared::ScriptedSingleInstance instance(false);
        shared::FakeMessages messages;
        EXPECT_FALSE(StartProgram(instance, messages, folder.Path(), '.'));
        ASSERT_EQ(messages.Shown().size(), 1U) << c.title;
        EXPECT_EQ(messages.Shown()[0].title, c.title);
        // The report as the help desk knows it, and under it the file, why and where.
        EXPECT_EQ(messages.Shown()[0].text, std::string("Unexpected Error 53\r\nFile not found\r\n") +
                                                c.missing + ": No such file or directory (" + folder.Path() +
                                                "/" + c.missing + ")");
        EXPECT_EQ(messages.Shown()[0].icon, shared::MessageIcon::Critical);
    }
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PutBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A damaged library file: the report keeps its title, number and standard text and
// adds the file, the record and what is wrong with it as its last line.
TEST(ProgramStartTest, ADamagedFileIsReportedWithItsRecordAndReason) {
    const std::string sampleIndex = Bytes(std::string(PELMO_SAMPLE_LIBRARY_DIR) + "/ind.idx");
    const auto firstLines = [](const std::string& text, std::size_t lines) {
        std::size_t end = 0;
        for (std::size_t i = 0; i < lines; ++i) {
            end = text.find('\n', end) + 1;
        }
        return text.substr(0, end);
    };
    const std::string firstRecord = firstLines(sampleIndex, 1);
    const std::string firstPart = firstRecord.substr(1, firstRecord.find('"', 1) - 1);
    const auto inductors = static_cast<std::size_t>(std::count(sampleIndex.begin(), sampleIndex.end(), '\n'));
    ASSERT_GT(inductors, 5U);

    using Folder = shared::testing::TemporaryFolder;
    struct Case {
        const char* name;
        std::function<void(const Folder&)> damage;
        const char* title;
        std::function<std::string(const Folder&)> text;
    };
    const std::vector<Case> cases = {
        {"an ind.idx cut inside its third record",
         [&](const Folder& f) { PutBytes(f.File("ind.idx"), firstLines(sampleIndex, 2) + "PWX,1,2"); },
         "pelmo:Public.Main",
         [](const Folder&) {
             return "Unexpected Error 62\r\nInput past end of file\r\nind.idx record 3: the file ends after "
                    "3 of "
                    "its 10 fields";
         }},
        {"garbage in cap.idx",
         [](const Folder& f) {
             PutBytes(f.File("cap.idx"), std::string("\x7F\x45\x4C\x46,\x02\x01\x01\x00", 9));
         },
         "pelmo:Public.Main",
         [](const Folder&) {
             return "Unexpected Error 62\r\nInput past end of file\r\ncap.idx record 1: the file ends after "
                    "2 of "
                    "its 30 fields";
         }},
        {"an ind.dat shorter than ind.idx promises",
         [](const Folder& f) { PutBytes(f.File("ind.dat"), Bytes(f.File("ind.dat")).substr(0, 44 * 5)); },
         "pelmo:Public.GetData",
         [&](const Folder& f) {
             return "Unexpected Error 62\r\nInput past end of file\r\nind.dat: it holds 5 complete records "
                    "of 44 "
                    "bytes, but ind.idx lists " +
                    std::to_string(inductors) + " inductors (" + f.Path() + "/ind.dat)";
         }},
        {"an inductor listed twice",
         [&](const Folder& f) {
             PutBytes(f.File("ind.idx"), sampleIndex + firstRecord);
             const std::string model = Bytes(f.File("ind.dat"));
             PutBytes(f.File("ind.dat"), model + model.substr(0, 44));
         },
         "pelmo:Public.GetData",
         [&](const Folder&) {
             return "Unexpected Error 457\r\nThis key is already associated with an element of this "
                    "collection\r\n"
                    "ind.idx record " +
                    std::to_string(inductors + 1) + ": the part number \"" + firstPart +
                    "\" is there already in record 1";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Folder folder;
        CopyLibrary(folder, kLibraryFiles);
        c.damage(folder);
        shared::ScriptedSingleInstance instance(false);
        shared::FakeMessages messages;
        EXPECT_FALSE(StartProgram(instance, messages, folder.Path(), '.'));
        ASSERT_EQ(messages.Shown().size(), 1U);
        EXPECT_EQ(messages.Shown()[0].title, c.title);
        EXPECT_EQ(messages.Shown()[0].icon, shared::MessageIcon::Critical);
        EXPECT_EQ(messages.Shown()[0].text, c.text(folder));
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
