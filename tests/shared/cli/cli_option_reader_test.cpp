#include "shared/cli/cli_option_reader.h"

#include "shared/cli/cli_usage_error.h"
#include "shared/cli/executable_folder.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace shared {
namespace {

constexpr std::array<std::string_view, 3> kAllowed = {"--part", "-o", "--x"};

TEST(CliOptionReaderTest, ReadsBothSpellingsAndLeavesNextOnTheLastArgumentUsed) {
    // clang-format off
    struct Row { std::vector<std::string> arguments; std::size_t next; std::string name; std::string value; std::size_t after; };
    const Row rows[] = {
        {{"curve", "--part", "ABC"}, 1, "--part", "ABC", 2},
        {{"curve", "--part=ABC"}, 1, "--part", "ABC", 1},
        {{"curve", "--part=A=B"}, 1, "--part", "A=B", 1},
        {{"curve", "--part="}, 1, "--part", "", 1},
        {{"curve", "--output", "f.txt"}, 1, "-o", "f.txt", 2},
        {{"curve", "--output=f.txt"}, 1, "-o", "f.txt", 1},
        {{"curve", "-o", "f.txt"}, 1, "-o", "f.txt", 2},
        {{"curve", "--x", "--part"}, 1, "--x", "--part", 2},
    };
    // clang-format on
    for (const Row& row : rows) {
        std::size_t next = row.next;
        const CliOption option = ReadCliOption(row.arguments, next, kAllowed, "curve");
        EXPECT_EQ(option.Name, row.name) << row.arguments[row.next];
        EXPECT_EQ(option.Value, row.value) << row.arguments[row.next];
        EXPECT_EQ(next, row.after) << row.arguments[row.next];
    }
}

TEST(CliOptionReaderTest, RefusesOptionsTheCommandDoesNotTakeOrThatLackAValue) {
    // clang-format off
    struct Row { std::vector<std::string> arguments; std::string message; };
    const Row rows[] = {
        {{"list", "--y", "1"}, "list does not take \"--y\""},
        {{"list", "--y=1"}, "list does not take \"--y\""},
        {{"list", "-o=f.txt"}, "list does not take \"-o=f.txt\""},
        {{"list", "--part"}, "--part needs a value"},
        {{"list", "--output"}, "-o needs a value"},
    };
    // clang-format on
    for (const Row& row : rows) {
        std::size_t next = 1;
        try {
            ReadCliOption(row.arguments, next, kAllowed, "list");
            ADD_FAILURE() << "no refusal for " << row.arguments[1];
        } catch (const CliUsageError& refusal) {
            EXPECT_EQ(std::string(refusal.what()), row.message);
        }
    }
}

TEST(CliOptionReaderTest, ReadsTheNotationAndRefusesOtherSpellings) {
    EXPECT_EQ(ParseCliCodeSystem("eia"), Eia);
    EXPECT_EQ(ParseCliCodeSystem("jis"), Jis);
    for (const std::string value : {"EIA", "Jis", "", "eia ", "iec"}) {
        try {
            ParseCliCodeSystem(value);
            ADD_FAILURE() << "no refusal for \"" << value << "\"";
        } catch (const CliUsageError& refusal) {
            EXPECT_EQ(std::string(refusal.what()), "--code takes eia or jis, not \"" + value + "\"");
        }
    }
}

TEST(ExecutableFolderTest, NamesTheFolderOfTheRunningTest) {
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(ExecutableFolder(nullptr), self.parent_path().string());
    EXPECT_EQ(ExecutableFolder("elsewhere/tool"), self.parent_path().string());
}

}  // namespace
}  // namespace shared
