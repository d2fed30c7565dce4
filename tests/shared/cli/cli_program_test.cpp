#include "shared/cli/cli_program.h"

#include "shared/cli/cli_option_reader.h"
#include "shared/errors/runtime_error.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace shared {
namespace {

enum class Command { Help, List, Curve };

constexpr CliCommandName<Command> kTable[] = {
    {"help", Command::Help}, {"-h", Command::Help}, {"list", Command::List}, {"curve", Command::Curve}};

TEST(CliProgramTest, RefusesAUsageErrorFromAnyStepWithTheNameAndTheUsage) {
    const CliProgram program("tool-cli", "usage: tool-cli <command>\n");
    std::ostringstream err;
    const int status = program.Run(err, [&]() -> int {
        const std::vector<std::string> arguments = {"curve", "--part"};
        const Command command = FindCliCommand(std::span<const std::string>(arguments), kTable);
        const std::string_view allowed[] = {"--part"};
        ReadCliOptions(arguments, 1, allowed, CliCommandText(command, kTable), [](auto&, auto&) {});
        return kCliDone;
    });
    EXPECT_EQ(status, kCliRefused);
    EXPECT_EQ(err.str(), "tool-cli: --part needs a value\nusage: tool-cli <command>\n");

    std::ostringstream out;
    EXPECT_EQ(program.Run(err, [&] { return program.ShowUsage(out); }), kCliDone);
    EXPECT_EQ(out.str(), "usage: tool-cli <command>\n");
    EXPECT_EQ(program.Run(err, [] { return kCliFailed; }), kCliFailed);
}

TEST(CliProgramTest, CommandTableGivesTheFirstSpellingAndRefusesTheRest) {
    const std::vector<std::string> help = {"-h"};
    EXPECT_EQ(FindCliCommand(std::span<const std::string>(help), kTable), Command::Help);
    EXPECT_EQ(CliCommandText(Command::Help, kTable), "help");
    const auto refusal = [](std::vector<std::string> arguments) {
        try {
            FindCliCommand(std::span<const std::string>(arguments), kTable);
        } catch (const CliUsageError& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(refusal({}), "no command given");
    EXPECT_EQ(refusal({"List"}), "unknown command \"List\"");
}

TEST(CliProgramTest, ReadOptionsAreStoredInOrderAndRequiredOnesChecked) {
    const std::vector<std::string> arguments = {"curve", "--x=1", "-o", "f", "--force", "--y", "2"};
    const std::string_view allowed[] = {"--x", "--y", "-o", "--force"};
    std::string stored;
    const std::vector<std::string> seen =
        ReadCliOptions(arguments, 1, allowed, "curve",
                       [&](const std::string& name, const std::string& value) { stored += name + value; });
    EXPECT_EQ(stored, "--x1-of--force--y2");
    EXPECT_TRUE(CliOptionSeen(seen, "-o"));
    EXPECT_FALSE(CliOptionSeen(seen, "--part"));
    EXPECT_THROW(RequireCliOption(CliOptionSeen(seen, "--part"), "curve", "--part"), CliUsageError);
    EXPECT_NO_THROW(RequireCliOption(CliOptionSeen(seen, "--x"), "curve", "--x"));
}

// The last of two values would silently win, writing a file the user did not ask for.
TEST(CliProgramTest, AnOptionGivenTwiceOrASwitchWithAValueIsRefused) {
    const std::string_view allowed[] = {"--x", "-o", "--force"};
    const auto read = [&](std::vector<std::string> arguments) {
        try {
            ReadCliOptions(arguments, 1, allowed, "curve", [](const std::string&, const std::string&) {});
        } catch (const CliUsageError& refusal) {
            return std::string(refusal.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(read({"curve", "--x", "1", "--x", "2"}), "curve takes --x only once");
    EXPECT_EQ(read({"curve", "-o", "a", "--output=b"}), "curve takes -o only once");
    EXPECT_EQ(read({"curve", "--force", "--force"}), "curve takes --force only once");
    EXPECT_EQ(read({"curve", "--force=yes"}), "--force takes no value");
    EXPECT_EQ(read({"curve", "--x", "1", "-o", "a", "--force"}), "accepted");
}

TEST(CliProgramTest, ALibraryThatCannotBeReadIsReportedWithItsFolder) {
    std::ostringstream err;
    EXPECT_TRUE(CliProgram::LoadLibrary("lib", err, [] { return true; }));
    EXPECT_EQ(err.str(), "");
    EXPECT_FALSE(CliProgram::LoadLibrary("lib", err, [] { return false; }));
    EXPECT_EQ(err.str(), "Sort Error!\n");
    err.str("");
    EXPECT_FALSE(CliProgram::LoadLibrary("/data/lib", err,
                                         []() -> bool { throw RuntimeError(error::kFileNotFound); }));
    EXPECT_EQ(err.str(), "Unexpected Error 53\nFile not found\n(library folder /data/lib)\n");
}

}  // namespace
// Output that could not be written is a failure, whatever the command thought of its
// work: a script must never take lost output for a result.
TEST(CliProgramTest, OutputThatCannotBeWrittenTurnsTheStatusIntoAFailure) {
    std::ostringstream fine;
    std::ostringstream err;
    fine << "written";
    EXPECT_EQ(CliProgram::FinishOutput(fine, err, kCliRefused), kCliRefused);
    EXPECT_EQ(err.str(), "");

    std::ofstream full("/dev/full");
    ASSERT_TRUE(full.is_open());
    full << std::string(100, 'x');
    EXPECT_EQ(CliProgram::FinishOutput(full, err, kCliDone), kCliFailed);
    EXPECT_EQ(err.str(), "Unexpected Error 61\nDisk full\nstandard output: No space left on device\n");
}

}  // namespace shared
