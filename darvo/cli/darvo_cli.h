#ifndef DARVO_CLI_DARVO_CLI_H
#define DARVO_CLI_DARVO_CLI_H

#include "darvo/export/date_time_text.h"

#include "shared/cli/cli_environment.h"

#include <iosfwd>
#include <locale>
#include <span>
#include <string>

namespace darvo {

// What darvo-cli takes from its process rather than from its arguments: the tools'
// common environment (the data file is written in the locale's separator; JSON always
// uses ".") and the clock and locale of the data file's date line.
struct CliEnvironment : shared::CliEnvironment {
    WallClock Clock = [] { return std::chrono::system_clock::now(); };
    std::locale TimeLocale = std::locale::classic();
};

// The whole program after the program name: reads the arguments, loads and sorts the
// product files in the notation asked for and runs the command. Returns the exit status
// (kCliDone, kCliFailed, kCliRefused; a command line that cannot be read is refused
// with the usage on err). Sets the process's decimal separator for its duration, so it
// must not run beside another call with a different separator.
int RunDarvoCli(std::span<const std::string> arguments, std::ostream& out, std::ostream& err,
                const CliEnvironment& environment);

}  // namespace darvo

#endif
