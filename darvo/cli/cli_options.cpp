#include "darvo/cli/cli_options.h"

#include "shared/cli/cli_option_reader.h"

#include <vector>

namespace darvo {

namespace {

constexpr shared::CliCommandName<CliCommand> kCommands[] = {
    {"help", CliCommand::Help}, {"--help", CliCommand::Help}, {"-h", CliCommand::Help},
    {"list", CliCommand::List}, {"curve", CliCommand::Curve}, {"save", CliCommand::Save},
};

// The options each command takes; anything else is refused rather than ignored.
std::vector<std::string_view> AllowedOptions(CliCommand command) {
    std::vector<std::string_view> allowed = {"--library", "--code", "--chart-type"};
    if (command == CliCommand::Curve || command == CliCommand::Save) {
        allowed.insert(allowed.end(), {"--part", "--x", "--y", "--dc", "--heat", "--freq", "--ambient",
                                       "--param", "--param-value"});
    }
    if (command == CliCommand::Save) {
        allowed.push_back("-o");
    }
    return allowed;
}

int ParseChartType(const std::string& value) {
    if (value.size() == 1 && value[0] >= '0' && value[0] <= '4') {
        return value[0] - '0';
    }
    throw shared::CliUsageError("--chart-type takes 0, 1, 2, 3 or 4, not \"" + value + "\"");
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
    options.Command = shared::FindCliCommand(arguments, kCommands);
    if (options.Command == CliCommand::Help) {
        return options;
    }
    const std::string command = shared::CliCommandText(options.Command, kCommands);

    const auto allowed = AllowedOptions(options.Command);
    const std::vector<std::string> seen = shared::ReadCliOptions(
        arguments, 1, allowed, command,
        [&](const std::string& name, const std::string& value) { Store(options, name, value); });

    if (options.Command == CliCommand::Curve || options.Command == CliCommand::Save) {
        for (const std::string_view required : {"--part", "--chart-type", "--x", "--y"}) {
            shared::RequireCliOption(shared::CliOptionSeen(seen, required), command, required);
        }
    }
    if (options.Command == CliCommand::Save) {
        shared::RequireCliOption(!options.OutputPath.empty(), command, "-o FILE");
    }
    return options;
}

}  // namespace darvo
