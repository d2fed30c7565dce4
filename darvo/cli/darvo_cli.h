#ifndef DARVO_CLI_DARVO_CLI_H
#define DARVO_CLI_DARVO_CLI_H

#include "darvo/export/date_time_text.h"

#include "shared/platform/file_sink.h"

#include <iosfwd>
#include <locale>
#include <span>
#include <string>

namespace darvo {

// What darvo-cli takes from its process rather than from its arguments; tests pass
// their own.
struct CliEnvironment {
    // The folder of the executable: the product files are read from there unless
    // --library names another, as the desktop program reads them from its own folder.
    std::string ProgramFolder;
    // The locale's decimal separator, for typed numbers, messages and the data file. JSON
    // always uses ".".
    char DecimalSeparator = '.';
    // The clock and the locale of the data file's date line.
    WallClock Clock = [] { return std::chrono::system_clock::now(); };
    std::locale TimeLocale = std::locale::classic();
    // How a data file is written; the atomic writer unless a test fails it on purpose.
    shared::FileSinkOpener Open;
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
