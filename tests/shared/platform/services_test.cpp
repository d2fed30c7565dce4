#include "support/temporary_folder.h"

#include "shared/platform/file_filter.h"
#include "shared/platform/hourglass_guard.h"
#include "shared/platform/save_folder.h"
#include "shared/platform/single_instance.h"
#include "shared/platform/testing/fake_cursor.h"
#include "shared/platform/testing/fake_messages.h"
#include "shared/platform/testing/memory_file_sink.h"
#include "shared/platform/testing/memory_settings.h"
#include "shared/platform/testing/scripted_single_instance.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>
#include <unistd.h>

namespace shared {
namespace {

TEST(SingleInstanceTest, ASecondCopyIsRefusedWithTheCriticalMessage) {
    FakeMessages messages;
    ScriptedSingleInstance first(false);
    EXPECT_FALSE(RefuseSecondCopy(first, messages, "Pelmo"));
    EXPECT_TRUE(messages.Shown().empty());

    ScriptedSingleInstance second(true);
    EXPECT_TRUE(RefuseSecondCopy(second, messages, "darvo"));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "It is already started.");
    EXPECT_EQ(messages.Shown()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(messages.Shown()[0].title, "darvo");
    EXPECT_EQ(messages.Shown()[0].buttons, MessageButtons::Ok);
}

TEST(HourglassGuardTest, RestoresThePointerOnEveryPath) {
    FakeCursor cursor;
    {
        HourglassGuard guard(cursor);
        EXPECT_TRUE(cursor.ShowsHourglass());
    }
    EXPECT_EQ(cursor.Depth(), 0);
    try {
        HourglassGuard guard(cursor);
        throw std::runtime_error("sweep failed");
    } catch (const std::runtime_error&) {
        EXPECT_EQ(cursor.Depth(), 0);
    }
    {
        HourglassGuard outer(cursor);
        HourglassGuard inner(cursor);
        inner.Release();
        EXPECT_TRUE(cursor.ShowsHourglass());
        inner.Release();  // a second release does nothing
        EXPECT_EQ(cursor.Depth(), 1);
    }
    EXPECT_EQ(cursor.Depth(), 0);
    EXPECT_EQ(cursor.HourglassCalls(), 4);
}

TEST(SaveFolderTest, RemembersTheFolderOfTheChosenFile) {
    testing::TemporaryFolder home;
    std::filesystem::create_directory(home.File("exports"));
    MemorySettings settings;
    EXPECT_EQ(ReadSaveFolder(settings, home.Path()), home.Path());
    RememberSaveFolder(settings, home.File("exports") + "/GRM155.s2p", "GRM155.s2p");
    EXPECT_TRUE(settings.Contains("Settings", "FilePath"));
    EXPECT_EQ(settings.Read("Settings", "FilePath", ""), home.File("exports"));
    EXPECT_EQ(ReadSaveFolder(settings, home.Path()), home.File("exports"));
    // clang-format off
    struct Row { std::string fileName; std::string fileTitle; std::string folder; };
    const Row rows[] = {
        {"C:\\data\\a.txt", "a.txt", "C:\\data"},
        {"/a.txt", "a.txt", ""},
        {"a.txt", "a.txt", ""},
        {"", "a.txt", ""},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(SaveFolderOf(row.fileName, row.fileTitle), row.folder) << row.fileName;
    }
}

// A dialog opened in /proc reads device files and never paints: such a remembered
// folder, or one that went away, is not offered again.
TEST(SaveFolderTest, AFolderThatCannotTakeTheFileIsNotOffered) {
    testing::TemporaryFolder home;
    home.Write("plain.txt", "x");
    std::filesystem::create_directory_symlink("/proc/self", home.File("to-proc"));
    std::filesystem::create_directory(home.File("gone"));
    const std::string gone = home.File("gone");
    std::filesystem::remove(gone);
    for (const std::string& refused :
         {std::string("/proc"), std::string("/proc/self/fd"), std::string("/sys"), std::string("/dev"),
          std::string("/dev/"), home.File("to-proc"), gone, home.File("plain.txt"), std::string()}) {
        MemorySettings settings;
        RememberSaveFolder(settings, refused + "/part.s2p", "part.s2p");
        EXPECT_EQ(ReadSaveFolder(settings, home.Path()), home.Path()) << refused;
    }
    // Only the whole name counts: a folder named like a virtual root is a folder.
    std::filesystem::create_directory(home.File("dev"));
    MemorySettings settings;
    RememberSaveFolder(settings, home.File("dev") + "/part.s2p", "part.s2p");
    EXPECT_EQ(ReadSaveFolder(settings, "/elsewhere"), home.File("dev"));
    if (::geteuid() != 0) {  // root may write anywhere
        std::filesystem::permissions(home.File("dev"),
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_EQ(ReadSaveFolder(settings, "/elsewhere"), "/elsewhere");
        std::filesystem::permissions(home.File("dev"), std::filesystem::perms::owner_all);
    }
}

TEST(FileFilterTest, SplitsPairsAndBuildsToolkitFilters) {
    const auto filters = ParseFileFilters("darvo Data Files (*.dvx)|*.dvx|All Files (*.*)|*.*|");
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].description, "darvo Data Files (*.dvx)");
    EXPECT_EQ(filters[0].patterns, "*.dvx");
    EXPECT_EQ(NameFilterText(filters[1]), "All Files (*.*) (*)");
    EXPECT_EQ(NameFilterText({"Text", "*.txt; *.csv"}), "Text (*.txt *.csv)");
    EXPECT_EQ(NameFilterText({"Any", "*.*;*.s2p"}), "Any (* *.s2p)");
    EXPECT_EQ(ParseFileFilters("A|*.a|B|*.b").size(), 2u);
    EXPECT_EQ(ParseFileFilters("A|*.a||").size(), 1u);
    EXPECT_EQ(ParseFileFilters("A||B|*.b|").size(), 1u);
    EXPECT_TRUE(ParseFileFilters("").empty());
    EXPECT_TRUE(ParseFileFilters("lonely").empty());
    // clang-format off
    struct Row { std::int32_t index; std::size_t count; std::size_t initial; };
    const Row rows[] = {{1, 2, 0}, {2, 2, 1}, {0, 2, 0}, {3, 2, 0}, {-1, 2, 0}, {1, 0, 0}};
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(InitialFilterIndex(row.index, row.count), row.initial);
    }
}

TEST(FakeServicesTest, MessagesAnswerFromTheScriptThenWithTheFirstButton) {
    FakeMessages messages;
    messages.QueueAnswer(MessageAnswer::No);
    EXPECT_EQ(messages.Show("Overwrite?", MessageIcon::Question, "Pelmo", MessageButtons::YesNo),
              MessageAnswer::No);
    EXPECT_EQ(messages.Show("Again?", MessageIcon::Question, "Pelmo", MessageButtons::YesNo),
              MessageAnswer::Yes);
    EXPECT_EQ(messages.Show("Done", MessageIcon::Information, "Pelmo"), MessageAnswer::Ok);
    EXPECT_EQ(messages.Shown().size(), 3u);

    MemoryFileSink sink(5, 61);
    sink.Write("abc");
    EXPECT_THROW(sink.Write("defg"), RuntimeError);
    EXPECT_EQ(sink.Bytes(), "abcde");
    EXPECT_FALSE(sink.Committed());
}

}  // namespace
}  // namespace shared
