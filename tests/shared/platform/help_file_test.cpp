#include "shared/platform/help_file.h"

#include "shared/platform/program_folder.h"
#include "shared/platform/testing/fake_messages.h"
#include "shared/platform/testing/fake_shell.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace shared {
namespace {

TEST(ProgramFolderTest, SeparatorFollowsDriveNetworkAndPosixPaths) {
    // clang-format off
    struct Row { std::string folder; char separator; std::string programFolder; };
    const Row rows[] = {
        {"C:\\Program Files\\Pelmo", '\\', "C:\\Program Files\\Pelmo\\"},
        {"C:\\", '\\', "C:\\\\"},  // a drive root still gets the separator appended
        {"\\\\server\\share\\pelmo", '\\', "\\\\server\\share\\pelmo\\"},
        {"D:/tools/darvo", '/', "D:/tools/darvo/"},
        {"/opt/pelmo/bin", '/', "/opt/pelmo/bin/"},
        {"/opt/pelmo/bin/", '/', "/opt/pelmo/bin/"},
        {"relative", '/', "relative/"},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(PathSeparatorOf(row.folder), row.separator) << row.folder;
        EXPECT_EQ(ProgramFolderPath(row.folder), row.programFolder) << row.folder;
    }
    EXPECT_EQ(JoinFolderAndName("/opt/pelmo", "cap.idx"), "/opt/pelmo/cap.idx");
    EXPECT_EQ(JoinFolderAndName("/opt/pelmo/", "cap.idx"), "/opt/pelmo/cap.idx");
    EXPECT_EQ(JoinFolderAndName("C:\\Pelmo", "cap.idx"), "C:\\Pelmo\\cap.idx");
}

TEST(HelpFileTest, JapaneseWinsAndAMissingEnglishFileLeavesNoName) {
    // clang-format off
    struct Row { bool japanese; bool english; int language; std::string name; };
    const Row rows[] = {
        {true, true, 1, "pelmojhlp.pdf"},
        {true, false, 1, "pelmojhlp.pdf"},
        {false, true, 2, "pelmoehlp.pdf"},
        {false, false, 2, ""},
    };
    // clang-format on
    for (const Row& row : rows) {
        const HelpChoice choice = ChooseHelp("pelmo", row.japanese, row.english);
        EXPECT_EQ(choice.language, row.language);
        EXPECT_EQ(choice.fileName, row.name);
    }
    EXPECT_EQ(ChooseHelp("darvo", false, true).fileName, "darvoehlp.pdf");
}

TEST(HelpFileTest, DetectsTheFilesInTheProgramFolderByExactName) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("help_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto touch = [&](const char* name) { std::ofstream(folder / name) << "%PDF"; };

    EXPECT_EQ(DetectHelp(folder.string(), "darvo").fileName, "");
    touch("darvoehlp.pdf");
    touch("DARVOJHLP.PDF");  // not the Japanese file: names match exactly
    EXPECT_EQ(DetectHelp(folder.string(), "darvo").language, 2);
    EXPECT_EQ(DetectHelp(folder.string() + "/", "darvo").fileName, "darvoehlp.pdf");
    touch("darvojhlp.pdf");
    EXPECT_EQ(DetectHelp(folder.string(), "darvo").language, 1);
    EXPECT_EQ(DetectHelp(folder.string(), "darvo").fileName, "darvojhlp.pdf");
    EXPECT_EQ(DetectHelp(folder.string(), "pelmo").language, 2);
    std::filesystem::remove_all(folder);
}

TEST(HelpFileTest, ContentsOpensTheFileOrSaysThereIsNone) {
    FakeShell shell;
    FakeMessages messages;
    OpenHelpContents(shell, messages, "Pelmo", "/opt/pelmo/", "pelmoehlp.pdf");
    ASSERT_EQ(shell.OpenedDocuments().size(), 1u);
    EXPECT_EQ(shell.OpenedDocuments()[0], "/opt/pelmo/pelmoehlp.pdf");
    EXPECT_TRUE(messages.Shown().empty());

    OpenHelpContents(shell, messages, "Pelmo", "/opt/pelmo/", "");
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "There is no Help File.");
    EXPECT_EQ(messages.Shown()[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages.Shown()[0].title, "Pelmo");
    EXPECT_EQ(shell.OpenedDocuments().size(), 1u);

    shell.FailWith("Bad address");
    OpenHelpContents(shell, messages, "darvo", "/opt/darvo", "darvoehlp.pdf");
    ASSERT_EQ(messages.Shown().size(), 2u);
    EXPECT_EQ(messages.Shown()[1].text, "Bad address");
    EXPECT_EQ(messages.Shown()[1].icon, MessageIcon::None);
}

}  // namespace
}  // namespace shared
