#include "darvo/cli/cli_options.h"

#include "darvo/cli/cli_usage_error.h"

#include "shared/cli/cli_option_reader.h"

#include <algorithm>
#include <vector>

namespace darvo {

namespace {

struct CommandName {
    std::string_view name;
    CliCommand command;
};

constexpr CommandName kCommands[] = {
    {"help", CliCommand::Help}, {"--help", CliCommand::Help}, {"-h", CliCommand::Help},
    {"list", CliCommand::List}, {"curve", CliCommand::Curve}, {"save", CliCommand::Save},
};

// The options each command takes; anything else is refused rather than ignored.
std::vector<std::string_view> AllowedOptions(CliCommand command) {
    std::vector<std::string_view> allowed = {"--library", "--code", "--chart-type"};
    if (command == CliCommand::Curve || command == CliCommand::Save) {
        allowed.insert(allowed.end(), {"--part", "--x", "--y", "--dc", "--heat", "--freq", "--ambient", "--param",
                                       "--param-value"});
    }
    if (command == CliCommand::Save) {
        allowed.push_back("-o");
    }
    return allowed;
}

std::string CommandText(CliCommand command) {
    for (const CommandName& entry : kCommands) {
        if (entry.command == command) {
            return std::string(entry.name);
        }
    }
    return {};
}

int ParseChartType(const std::string& value) {
    if (value.size() == 1 && value[0] >= '0' && value[0] <= '4') {
        return value[0] - '0';
    }
    throw CliUsageError("--chart-type takes 0, 1, 2, 3 or 4, not \"" + value + "\"");
}

void Store(CliOptions& options, std::string_view name, const std::string& value) {
    if (name == "--library") {
        options.LibraryFolder = value;
    } else if (name == "--code") {
        options.CodeSystem = shared::ParseCliCodeSystem(value);
    } else if (name == "--chart-type") {
        options.ChartType = ParseChartType(value);
    } else if (name == "--part") {
        options.PartNumber = value;
    } else if (name == "--x") {
        options.XAxisName = value;
    } else if (name == "--y") {
        options.YAxisName = value;
    } else if (name == "--dc") {
        options.DCBiasText = value;
    } else if (name == "--heat") {
        options.HeatText = value;
    } else if (name == "--freq") {
        options.FrequencyText = value;
    } else if (name == "--ambient") {
        options.AmbientText = value;
    } else if (name == "--param") {
        options.ParameterName = value;
    } else if (name == "--param-value") {
        options.ParameterText = value;
    } else if (name == "-o") {
        options.OutputPath = value;
    }
}

}  // namespace

CliOptions ParseCliOptions(std::span<const std::string> arguments) {
    CliOptions options;
    if (arguments.empty()) {
        throw CliUsageError("no command given");
    }
    const auto command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                      [&](const CommandName& entry) { return entry.name == arguments[0]; });
    if (command == std::end(kCommands)) {
        throw CliUsageError("unknown command \"" + arguments[0] + "\"");
    }
    options.Command = command->command;
    if (options.Command == CliCommand::Help) {
        return options;
    }

    const auto allowed = AllowedOptions(options.Command);
    std::vector<std::string> seen;
    for (std::size_t next = 1; next < arguments.size(); ++next) {
        const shared::CliOption option =
            shared::ReadCliOption(arguments, next, allowed, CommandText(options.Command));
        const std::string& name = option.Name;
        Store(options, name, option.Value);
        seen.push_back(name);
    }

    if (options.Command == CliCommand::Curve || options.Command == CliCommand::Save) {
        for (const std::string_view required : {"--part", "--chart-type", "--x", "--y"}) {
            if (std::find(seen.begin(), seen.end(), required) == seen.end()) {
                throw CliUsageError(CommandText(options.Command) + " needs " + std::string(required));
            }
        }
    }
    if (options.Command == CliCommand::Save && options.OutputPath.empty()) {
        throw CliUsageError("save needs -o FILE");
    }
    return options;
}

}  // namespace darvo
