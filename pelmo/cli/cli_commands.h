#ifndef PELMO_CLI_CLI_COMMANDS_H
#define PELMO_CLI_CLI_COMMANDS_H

#include "shared/cli/cli_program.h"
#include "shared/platform/file_sink.h"

#include <iosfwd>

namespace pelmo {

struct CliOptions;
struct Library;

using shared::kCliDone;
using shared::kCliFailed;
using shared::kCliRefused;

// The commands on a loaded library whose capacitors are in the order of
// options.CodeSystem. Results go to out, the window's messages to err (confirmations to
// out). separator is the locale's, for typed numbers and human-facing texts; every
// function returns its exit status.

// The part numbers of a list box, one per line.
int RunList(const CliOptions& options, const Library& library, std::ostream& out);

// The selection window's evaluation after choosing the part and entering the
// conditions: the same checks and messages, then OperatingPointResult as JSON.
int RunEvaluate(const CliOptions& options, const Library& library, char separator, std::ostream& out,
                std::ostream& err);

// A chart request: the part lookup, the chart menu's availability for the part, the
// condition check and the sweep plan's refusals, then the 201 chart points as CSV.
int RunSweep(const CliOptions& options, const Library& library, char separator, std::ostream& out,
             std::ostream& err);

// A save command with the file name given instead of chosen: the bytes the window's
// command writes, through open (the tool's atomic writer: a temporary file that replaces
// the target only when complete).
int RunExport(const CliOptions& options, const Library& library, char separator,
              const shared::FileSinkOpener& open, std::ostream& out, std::ostream& err);

}  // namespace pelmo

#endif
