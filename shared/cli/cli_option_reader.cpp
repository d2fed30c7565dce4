#include "shared/cli/cli_option_reader.h"

#include "shared/cli/cli_usage_error.h"

#include <algorithm>
#include <utility>

namespace shared {

namespace {

// The options that are switches: present or not, no value.
constexpr std::string_view kCliSwitches[] = {"--force"};

bool IsSwitch(std::string_view name) {
    return std::find(std::begin(kCliSwitches), std::end(kCliSwitches), name) != std::end(kCliSwitches);
}

}  // namespace

CliOption ReadCliOption(std::span<const std::string> arguments, std::size_t& next,
                        std::span<const std::string_view> allowed, const std::string& commandText) {
    CliOption option;
    option.Name = arguments[next];
    bool hasValue = false;
    if (const auto equals = option.Name.find('=');
        option.Name.rfind("--", 0) == 0 && equals != std::string::npos) {
        option.Value = option.Name.substr(equals + 1);
        option.Name.resize(equals);
        hasValue = true;
    }
    if (option.Name == "--output") {
        option.Name = "-o";
    }
    if (std::find(allowed.begin(), allowed.end(), option.Name) == allowed.end()) {
        throw CliUsageError(commandText + " does not take \"" + option.Name + "\"");
    }
    if (IsSwitch(option.Name)) {
        if (hasValue) {
            throw CliUsageError(option.Name + " takes no value");
        }
        return option;
    }
    if (!hasValue) {
        if (next + 1 >= arguments.size()) {
            throw CliUsageError(option.Name + " needs a value");
        }
        option.Value = arguments[++next];
    }
    return option;
}

std::vector<std::string> ReadCliOptions(std::span<const std::string> arguments, std::size_t first,
                                        std::span<const std::string_view> allowed,
                                        const std::string& commandText, const CliOptionStore& store) {
    std::vector<std::string> seen;
    for (std::size_t next = first; next < arguments.size(); ++next) {
        CliOption option = ReadCliOption(arguments, next, allowed, commandText);
        // Taking the last of two values silently would write a file the user did not ask for.
        if (CliOptionSeen(seen, option.Name)) {
            throw CliUsageError(commandText + " takes " + option.Name + " only once");
        }
        store(option.Name, option.Value);
        seen.push_back(std::move(option.Name));
    }
    return seen;
}

bool CliOptionSeen(std::span<const std::string> seen, std::string_view name) {
    return std::find(seen.begin(), seen.end(), name) != seen.end();
}

void RequireCliOption(bool present, const std::string& commandText, std::string_view what) {
    if (!present) {
        throw CliUsageError(commandText + " needs " + std::string(what));
    }
}

CodeSystem ParseCliCodeSystem(const std::string& value) {
    if (value == "eia") {
        return Eia;
    }
    if (value == "jis") {
        return Jis;
    }
    throw CliUsageError("--code takes eia or jis, not \"" + value + "\"");
}

}  // namespace shared
