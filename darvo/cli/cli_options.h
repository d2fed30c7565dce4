#ifndef DARVO_CLI_CLI_OPTIONS_H
#define DARVO_CLI_CLI_OPTIONS_H

#include "shared/parts/code_system.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace darvo {

// The commands of darvo-cli. Each stands for something a user does in the selection
// window or the File menu, so a script gets the lists, numbers, messages and files the
// program would give.
enum class CliCommand { Help, List, Curve, Save };

// The command line, read but not yet checked against the library. Condition values stay
// texts: the checks read them under the locale as the window's boxes do.
struct CliOptions {
    CliCommand Command = CliCommand::Help;
    std::optional<std::string> LibraryFolder;  // --library; else the program folder
    shared::CodeSystem CodeSystem = shared::Eia;
    int ChartType = 0;                         // --chart-type 0 .. 4
    std::string PartNumber;                    // --part
    std::string XAxisName;                     // --x
    std::string YAxisName;                     // --y
    std::optional<std::string> DCBiasText;     // --dc [V]
    std::optional<std::string> HeatText;       // --heat [C/W]
    std::optional<std::string> FrequencyText;  // --freq [kHz]
    std::optional<std::string> AmbientText;    // --ambient [C]
    std::optional<std::string> ParameterName;  // --param
    std::optional<std::string> ParameterText;  // --param-value
    std::string OutputPath;                    // save -o
};

inline constexpr std::string_view kCliUsage =
    "usage: darvo-cli <command> [options]\n"
    "  list [--chart-type N] [--code eia|jis]\n"
    "  curve --part PN --chart-type N --x NAME --y NAME [--dc V] [--heat R] [--freq KHZ]\n"
    "        [--ambient C] [--param NAME] [--param-value V] [--code eia|jis]\n"
    "  save  (the options of curve) -o FILE.dvx\n"
    "  help\n"
    "Every command takes --library DIR (default: the folder of darvo-cli).\n"
    "Chart types: 0 temperature rise, 1 allowable power, 2 capacitance-temperature,\n"
    "3 capacitance-DC voltage, 4 capacitance-AC voltage. Axis and parameter names are\n"
    "those of the selection window (\"Current\", \"Temperature Rise\", ...); a condition\n"
    "the chart type does not use is refused. Defaults are the window's: 0 V, 100 kHz,\n"
    "the part's own heat resistance, 25 C (EIA) or 20 C (JIS), Current at 0.1.\n"
    "Exit status: 0 done, 1 failed while working, 2 refused input (nothing written).\n";

// Reads the arguments after the program name. Raises shared::CliUsageError.
CliOptions ParseCliOptions(std::span<const std::string> arguments);

}  // namespace darvo

#endif
