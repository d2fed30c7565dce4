#ifndef PELMO_CLI_CLI_OPTIONS_H
#define PELMO_CLI_CLI_OPTIONS_H

#include "pelmo/engine/circuit_mode.h"
#include "pelmo/export/export_subject.h"

#include "shared/parts/code_system.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pelmo {

// The commands of pelmo-cli. Each stands for something a user does in the selection
// window, so that a script gets the numbers, messages and files the window would give.
enum class CliCommand { Help, List, Evaluate, Sweep, Export, ExportAll };

// The save commands of the File menu.
enum class ExportFormat { Touchstone, Impedance, Spice };

// The command line, read but not yet checked against the library. The condition texts
// stay texts: the checks and the files need them exactly as typed, as the window's
// fields hold them.
struct CliOptions {
    CliCommand Command = CliCommand::Help;
    ExportFormat Format = ExportFormat::Touchstone;  // export and export-all
    std::optional<std::string> LibraryFolder;        // --library; else the program folder
    ProductKind Kind = ProductKind::Capacitor;       // list and export-all
    shared::CodeSystem CodeSystem = shared::Eia;
    std::string PartNumber;                        // --part
    std::optional<std::string> FrequencyText;      // --freq [MHz]
    std::optional<std::string> TemperatureText;    // --temp [C]
    std::optional<std::string> BiasText;           // --bias [V]
    CircuitMode Connection = CircuitMode::Series;  // --mode
    std::string ChartName;                         // --chart
    std::optional<std::string> SParameter;         // --sparam
    std::string OutputPath;                        // export -o
    std::string OutputFolder;                      // export-all --out
    unsigned Jobs = 0;                             // 0: one worker per core
};

inline constexpr std::string_view kCliUsage =
    "usage: pelmo-cli <command> [options]\n"
    "  list [--kind cap|ind] [--code eia|jis]\n"
    "  evaluate --part PN [--code eia|jis] [--freq MHZ] [--temp C] [--bias V] [--mode series|shunt]\n"
    "  sweep --part PN --chart NAME [--sparam S11|S21] [--code eia|jis] [--temp C] [--bias V]\n"
    "        [--mode series|shunt]\n"
    "  export s2p|impedance --part PN [--code eia|jis] [--freq MHZ] [--temp C] [--bias V]\n"
    "        [--mode series|shunt] -o FILE\n"
    "  export spice --part PN [--code eia|jis] [--freq MHZ] [--temp C] [--bias V] -o FILE\n"
    "  export-all s2p|impedance|spice --out DIR [--kind cap|ind] [--code eia|jis] [--jobs N]\n"
    "  help\n"
    "Every command takes --library DIR (default: the folder of pelmo-cli).\n"
    "Defaults are those of the selection window: the lowest frequency of the part's class,\n"
    "the reference temperature of the notation (25 C EIA, 20 C JIS), 0 V and series.\n"
    "--freq applies to evaluate, to export impedance (the header's readouts) and to\n"
    "export spice (the element values where the simulator has no frequency).\n"
    "Exit status: 0 done, 1 failed while working, 2 refused input (nothing written).\n";

// Reads the arguments after the program name. Raises shared::CliUsageError.
CliOptions ParseCliOptions(std::span<const std::string> arguments);

}  // namespace pelmo

#endif
