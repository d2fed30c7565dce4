#include "tools/libgen/command_line.h"

#include "support/test_names.h"

#include "shared/errors/runtime_error.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace pelmo::libgen {
namespace {

struct ArgumentCase {
    std::vector<std::string_view> arguments;
    bool valid;
    std::string folder;
    std::size_t records;  // 0: none given
};

class CommandLineTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(CommandLineTest, ReadsOrRefuses) {
    const ArgumentCase& c = GetParam();
    if (!c.valid) {
        try {
            ParseCommandLine(c.arguments);
            FAIL() << "accepted an invalid command line";
        } catch (const shared::RuntimeError& error) {
            EXPECT_EQ(error.Number(), shared::error::kInvalidProcedureCall);
            EXPECT_FALSE(error.Description().empty());
        }
        return;
    }
    const CommandLine line = ParseCommandLine(c.arguments);
    EXPECT_EQ(line.outFolder, c.folder);
    if (c.records == 0) {
        EXPECT_FALSE(line.records.has_value());
    } else {
        ASSERT_TRUE(line.records.has_value());
        EXPECT_EQ(*line.records, c.records);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineTest, ::testing::Values(
    ArgumentCase{{"--out", "lib"}, true, "lib", 0},
    ArgumentCase{{"--records", "500", "--out", "d"}, true, "d", 500},
    ArgumentCase{{"--out", "d", "--records", "1"}, true, "d", 1},
    ArgumentCase{{"--out", "d", "--records", "32767"}, true, "d", 32767},
    ArgumentCase{{"--out", "d", "--records", "32768"}, false, "", 0},
    ArgumentCase{{"--out", "d", "--records", "0"}, false, "", 0},
    ArgumentCase{{"--out", "d", "--records", "-5"}, false, "", 0},
    ArgumentCase{{"--out", "d", "--records", "12x"}, false, "", 0},
    ArgumentCase{{"--out", "d", "--records"}, false, "", 0},
    ArgumentCase{{"--records", "10"}, false, "", 0},
    ArgumentCase{{}, false, "", 0},
    ArgumentCase{{"--out", ""}, false, "", 0},
    ArgumentCase{{"--out", "d", "--seed", "4"}, false, "", 0}),
    [](const auto& info) {
        return info.param.arguments.empty() ? std::string("NoArguments")
                                            : ::shared::testing::TestName(info.param.arguments);
    });
// clang-format on

TEST(CommandLine, HelpNeedsNoFolder) {
    const std::vector<std::string_view> arguments = {"--help"};
    EXPECT_TRUE(ParseCommandLine(arguments).help);
}

}  // namespace
}  // namespace pelmo::libgen
