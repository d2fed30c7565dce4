#ifndef SHARED_CLI_CLI_OPTION_READER_H
#define SHARED_CLI_CLI_OPTION_READER_H

#include "shared/cli/cli_usage_error.h"
#include "shared/parts/code_system.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace shared {

// One option of a command line and its value.
struct CliOption {
    std::string Name;
    std::string Value;
};

// Reads the option at arguments[next], written either "--name=value" or as the name
// followed by its value, and leaves next on the last argument it used. "--output" is
// read as its short form "-o", so callers check one spelling. Throws CliUsageError,
// naming commandText, when the command does not take the option or its value is
// missing: every option of both tools but the switch --force takes a value, so a
// dangling name is a mistake.
CliOption ReadCliOption(std::span<const std::string> arguments, std::size_t& next,
                        std::span<const std::string_view> allowed, const std::string& commandText);

// One row of a tool's command table: a spelling on the command line and its command.
// Several spellings may name one command ("help", "--help", "-h"); the first row of a
// command gives its name in messages.
template <class Command>
struct CliCommandName {
    std::string_view Name;
    Command Value;
};

// The command that arguments[0] names; throws CliUsageError when there is none or the
// table does not know it.
template <class Command, std::size_t N>
Command FindCliCommand(std::span<const std::string> arguments, const CliCommandName<Command> (&table)[N]) {
    if (arguments.empty()) {
        throw CliUsageError("no command given");
    }
    for (const CliCommandName<Command>& row : table) {
        if (row.Name == arguments[0]) {
            return row.Value;
        }
    }
    throw CliUsageError("unknown command \"" + arguments[0] + "\"");
}

// The name of command in messages: its first spelling in table.
template <class Command, std::size_t N>
std::string CliCommandText(Command command, const CliCommandName<Command> (&table)[N]) {
    for (const CliCommandName<Command>& row : table) {
        if (row.Value == command) {
            return std::string(row.Name);
        }
    }
    return {};
}

// Receives each option read, by its short name, with its value.
using CliOptionStore = std::function<void(const std::string& name, const std::string& value)>;

// Reads every option from arguments[first] to the end through ReadCliOption and hands
// each to store. Returns the names read, in order, for the required-option checks. An
// option given twice is refused (CliUsageError).
std::vector<std::string> ReadCliOptions(std::span<const std::string> arguments, std::size_t first,
                                        std::span<const std::string_view> allowed,
                                        const std::string& commandText, const CliOptionStore& store);

// Whether name is among the names ReadCliOptions returned.
bool CliOptionSeen(std::span<const std::string> seen, std::string_view name);

// Throws CliUsageError "<commandText> needs <what>" unless present.
void RequireCliOption(bool present, const std::string& commandText, std::string_view what);

// The notation named by the value of --code, "eia" or "jis" exactly, so both tools take
// the same spellings; throws CliUsageError for anything else.
CodeSystem ParseCliCodeSystem(const std::string& value);

}  // namespace shared

#endif
