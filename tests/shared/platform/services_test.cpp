#include <gtest/gtest.h>

#include <stdexcept>

#include "shared/platform/file_filter.h"
#include "shared/platform/hourglass_guard.h"
#include "shared/platform/save_folder.h"
#include "shared/platform/single_instance.h"
#include "shared/platform/testing/fake_cursor.h"
#include "shared/platform/testing/fake_messages.h"
#include "shared/platform/testing/memory_file_sink.h"
#include "shared/platform/testing/memory_settings.h"
#include "shared/platform/testing/scripted_single_instance.h"

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
    MemorySettings settings;
    EXPECT_EQ(ReadSaveFolder(settings, "/home/user"), "/home/user");
    RememberSaveFolder(settings, "/home/user/exports/GRM155.s2p", "GRM155.s2p");
    EXPECT_TRUE(settings.Contains("Settings", "FilePath"));
    EXPECT_EQ(settings.Read("Settings", "FilePath", ""), "/home/user/exports");
    EXPECT_EQ(ReadSaveFolder(settings, "/home/user"), "/home/user/exports");
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
