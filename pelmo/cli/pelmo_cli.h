#ifndef PELMO_CLI_PELMO_CLI_H
#define PELMO_CLI_PELMO_CLI_H

#include <iosfwd>
#include <span>
#include <string>

namespace pelmo {

// What pelmo-cli takes from its process rather than from its arguments; tests pass
// their own.
struct CliEnvironment {
    // The folder of the executable: the library is read from there unless --library
    // names another, as the desktop program reads it from its own folder.
    std::string ProgramFolder;
    // The locale's decimal separator, for typed numbers and human-facing texts (the
    // library's shown texts, messages, the impedance table). Touchstone rows, JSON and
    // CSV always use ".".
    char DecimalSeparator = '.';
};

// The whole program after the program name: reads the arguments, loads and sorts the
// library and runs the command. Returns the exit status (kCliDone, kCliFailed,
// kCliRefused; a command line that cannot be read is refused with the usage on err).
// Sets the process's decimal separator for its duration, so it must not run beside
// another call with a different separator.
int RunPelmoCli(std::span<const std::string> arguments, std::ostream& out, std::ostream& err,
                const CliEnvironment& environment);

}  // namespace pelmo

#endif
