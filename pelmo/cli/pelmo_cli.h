#ifndef PELMO_CLI_PELMO_CLI_H
#define PELMO_CLI_PELMO_CLI_H

#include "shared/cli/cli_environment.h"

#include <iosfwd>
#include <span>
#include <string>

namespace pelmo {

// What pelmo-cli takes from its process rather than from its arguments. Its decimal
// separator serves typed numbers and human-facing texts (the library's shown texts,
// messages, the impedance table); Touchstone rows, JSON and CSV always use ".".
using CliEnvironment = shared::CliEnvironment;

// The whole program after the program name: reads the arguments, loads and sorts the
// library and runs the command. Returns the exit status (kCliDone, kCliFailed,
// kCliRefused; a command line that cannot be read is refused with the usage on err).
// Sets the process's decimal separator for its duration, so it must not run beside
// another call with a different separator.
int RunPelmoCli(std::span<const std::string> arguments, std::ostream& out, std::ostream& err,
                const CliEnvironment& environment);

}  // namespace pelmo

#endif
