#include "pelmo/cli/cli_options.h"

#include "shared/cli/cli_option_reader.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

namespace pelmo {

namespace {

struct CommandName {
    std::string_view name;
    CliCommand command;
};

constexpr CommandName kCommands[] = {
    {"help", CliCommand::Help},       {"--help", CliCommand::Help},    {"-h", CliCommand::Help},
    {"list", CliCommand::List},       {"evaluate", CliCommand::Evaluate},
    {"sweep", CliCommand::Sweep},     {"export", CliCommand::Export},  {"export-all", CliCommand::ExportAll},
};

// The options each command takes; anything else is refused rather than ignored, so a
// mistyped or misplaced option never silently gives the defaults.
std::vector<std::string_view> AllowedOptions(CliCommand command, ExportFormat format) {
    switch (command) {
    case CliCommand::List:
        return {"--library", "--kind", "--code"};
    case CliCommand::Evaluate:
        return {"--library", "--part", "--code", "--freq", "--temp", "--bias", "--mode"};
    case CliCommand::Sweep:
        return {"--library", "--part", "--code", "--chart", "--sparam", "--temp", "--bias", "--mode"};
    case CliCommand::Export:
        // The frequency only decides the impedance header's readouts; a Touchstone file
        // always covers the part's whole range.
        if (format == ExportFormat::Impedance) {
            return {"--library", "--part", "--code", "--freq", "--temp", "--bias", "--mode", "-o"};
        }
        // A SPICE model is the part alone; the circuit around it is the user's.
        if (format == ExportFormat::Spice) {
            return {"--library", "--part", "--code", "--freq", "--temp", "--bias", "-o"};
        }
        return {"--library", "--part", "--code", "--temp", "--bias", "--mode", "-o"};
    case CliCommand::ExportAll:
        return {"--library", "--out", "--kind", "--code", "--jobs"};
    case CliCommand::Help:
        break;
    }
    return {};
}

std::string CommandText(CliCommand command) {
    for (const CommandName& entry : kCommands) {
        if (entry.command == command) {
            return std::string(entry.name);
        }
    }
    return {};
}

ExportProduct ParseKind(const std::string& value) {
    if (value == "cap") {
        return ExportProduct::Capacitor;
    }
    if (value == "ind") {
        return ExportProduct::Inductor;
    }
    throw CliUsageError("--kind takes cap or ind, not \"" + value + "\"");
}

CircuitMode ParseMode(const std::string& value) {
    if (value == "series") {
        return CircuitMode::Series;
    }
    if (value == "shunt") {
        return CircuitMode::Shunt;
    }
    throw CliUsageError("--mode takes series or shunt, not \"" + value + "\"");
}

unsigned ParseJobs(const std::string& value) {
    unsigned jobs = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), jobs);
    if (error != std::errc() || end != value.data() + value.size() || jobs < 1 || jobs > 256) {
        throw CliUsageError("--jobs takes a whole number from 1 to 256, not \"" + value + "\"");
    }
    return jobs;
}

ExportFormat ParseFormat(const std::string& value) {
    if (value == "s2p") {
        return ExportFormat::Touchstone;
    }
    if (value == "impedance") {
        return ExportFormat::Impedance;
    }
    if (value == "spice") {
        return ExportFormat::Spice;
    }
    throw CliUsageError("the export format is s2p, impedance or spice, not \"" + value + "\"");
}

void Store(CliOptions& options, std::string_view name, const std::string& value) {
    if (name == "--library") {
        options.LibraryFolder = value;
    } else if (name == "--kind") {
        options.Kind = ParseKind(value);
    } else if (name == "--code") {
        options.CodeSystem = shared::ParseCliCodeSystem(value);
    } else if (name == "--part") {
        options.PartNumber = value;
    } else if (name == "--freq") {
        options.FrequencyText = value;
    } else if (name == "--temp") {
        options.TemperatureText = value;
    } else if (name == "--bias") {
        options.BiasText = value;
    } else if (name == "--mode") {
        options.Connection = ParseMode(value);
    } else if (name == "--chart") {
        options.ChartName = value;
    } else if (name == "--sparam") {
        options.SParameter = value;
    } else if (name == "-o") {
        options.OutputPath = value;
    } else if (name == "--out") {
        options.OutputFolder = value;
    } else if (name == "--jobs") {
        options.Jobs = ParseJobs(value);
    }
}

void Require(bool present, CliCommand command, std::string_view option) {
    if (!present) {
        throw CliUsageError(CommandText(command) + " needs " + std::string(option));
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

    std::size_t next = 1;
    if (options.Command == CliCommand::Export || options.Command == CliCommand::ExportAll) {
        if (arguments.size() < 2) {
            throw CliUsageError(CommandText(options.Command) + " needs the format s2p, impedance or spice");
        }
        options.Format = ParseFormat(arguments[1]);
        next = 2;
    }

    const auto allowed = AllowedOptions(options.Command, options.Format);
    bool seenPart = false;
    bool seenChart = false;
    bool seenOutput = false;
    bool seenFolder = false;
    for (; next < arguments.size(); ++next) {
        const shared::CliOption option =
            shared::ReadCliOption(arguments, next, allowed, CommandText(options.Command));
        const std::string& name = option.Name;
        Store(options, name, option.Value);
        seenPart = seenPart || name == "--part";
        seenChart = seenChart || name == "--chart";
        seenOutput = seenOutput || name == "-o";
        seenFolder = seenFolder || name == "--out";
    }

    switch (options.Command) {
    case CliCommand::Evaluate:
        Require(seenPart, options.Command, "--part");
        break;
    case CliCommand::Sweep:
        Require(seenPart, options.Command, "--part");
        Require(seenChart, options.Command, "--chart");
        break;
    case CliCommand::Export:
        Require(seenPart, options.Command, "--part");
        Require(seenOutput && !options.OutputPath.empty(), options.Command, "-o FILE");
        break;
    case CliCommand::ExportAll:
        Require(seenFolder && !options.OutputFolder.empty(), options.Command, "--out DIR");
        break;
    case CliCommand::Help:
    case CliCommand::List:
        break;
    }
    return options;
}

}  // namespace pelmo
