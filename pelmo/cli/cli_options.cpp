#include "pelmo/cli/cli_options.h"

#include "shared/cli/cli_option_reader.h"

#include <charconv>
#include <string>
#include <vector>

namespace pelmo {

namespace {

constexpr shared::CliCommandName<CliCommand> kCommands[] = {
    {"help", CliCommand::Help},     {"--help", CliCommand::Help},          {"-h", CliCommand::Help},
    {"list", CliCommand::List},     {"evaluate", CliCommand::Evaluate},    {"sweep", CliCommand::Sweep},
    {"export", CliCommand::Export}, {"export-all", CliCommand::ExportAll},
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

ProductKind ParseKind(const std::string& value) {
    if (value == "cap") {
        return ProductKind::Capacitor;
    }
    if (value == "ind") {
        return ProductKind::Inductor;
    }
    throw shared::CliUsageError("--kind takes cap or ind, not \"" + value + "\"");
}

CircuitMode ParseMode(const std::string& value) {
    if (value == "series") {
        return CircuitMode::Series;
    }
    if (value == "shunt") {
        return CircuitMode::Shunt;
    }
    throw shared::CliUsageError("--mode takes series or shunt, not \"" + value + "\"");
}

unsigned ParseJobs(const std::string& value) {
    unsigned jobs = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), jobs);
    if (error != std::errc() || end != value.data() + value.size() || jobs < 1 || jobs > 256) {
        throw shared::CliUsageError("--jobs takes a whole number from 1 to 256, not \"" + value + "\"");
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
    throw shared::CliUsageError("the export format is s2p, impedance or spice, not \"" + value + "\"");
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

}  // namespace

CliOptions ParseCliOptions(std::span<const std::string> arguments) {
    CliOptions options;
    options.Command = shared::FindCliCommand(arguments, kCommands);
    if (options.Command == CliCommand::Help) {
        return options;
    }
    const std::string command = shared::CliCommandText(options.Command, kCommands);

    std::size_t first = 1;
    if (options.Command == CliCommand::Export || options.Command == CliCommand::ExportAll) {
        if (arguments.size() < 2) {
            throw shared::CliUsageError(command + " needs the format s2p, impedance or spice");
        }
        options.Format = ParseFormat(arguments[1]);
        first = 2;
    }

    const auto allowed = AllowedOptions(options.Command, options.Format);
    const std::vector<std::string> seen = shared::ReadCliOptions(
        arguments, first, allowed, command,
        [&](const std::string& name, const std::string& value) { Store(options, name, value); });
    const auto require = [&](std::string_view option, std::string_view what, bool filled = true) {
        shared::RequireCliOption(shared::CliOptionSeen(seen, option) && filled, command, what);
    };

    switch (options.Command) {
        case CliCommand::Evaluate:
            require("--part", "--part");
            break;
        case CliCommand::Sweep:
            require("--part", "--part");
            require("--chart", "--chart");
            break;
        case CliCommand::Export:
            require("--part", "--part");
            require("-o", "-o FILE", !options.OutputPath.empty());
            break;
        case CliCommand::ExportAll:
            require("--out", "--out DIR", !options.OutputFolder.empty());
            break;
        case CliCommand::Help:
        case CliCommand::List:
            break;
    }
    return options;
}

}  // namespace pelmo
