#ifndef SHARED_CLI_CLI_OPTION_READER_H
#define SHARED_CLI_CLI_OPTION_READER_H

#include "shared/parts/code_system.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

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
// missing: every option of both tools takes a value, so a dangling name is a mistake.
CliOption ReadCliOption(std::span<const std::string> arguments, std::size_t& next,
                        std::span<const std::string_view> allowed, const std::string& commandText);

// The notation named by the value of --code, "eia" or "jis" exactly, so both tools take
// the same spellings; throws CliUsageError for anything else.
CodeSystem ParseCliCodeSystem(const std::string& value);

}  // namespace shared

#endif
