#ifndef PELMO_CLI_CLI_COMMANDS_H
#define PELMO_CLI_CLI_COMMANDS_H

#include <iosfwd>

namespace pelmo {

struct CliOptions;
struct Library;

// Exit statuses: a script tells refused input (nothing was computed or written, the
// window's message is on the error stream) from a failure while working (an "Unexpected
// Error" report: a calculation or a file write failed).
inline constexpr int kCliDone = 0;
inline constexpr int kCliFailed = 1;
inline constexpr int kCliRefused = 2;

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
// command writes, through a temporary file that replaces the target only when complete.
int RunExport(const CliOptions& options, const Library& library, char separator, std::ostream& out,
              std::ostream& err);

}  // namespace pelmo

#endif
