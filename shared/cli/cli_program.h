#ifndef SHARED_CLI_CLI_PROGRAM_H
#define SHARED_CLI_CLI_PROGRAM_H

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace shared {

class RuntimeError;

// Exit statuses of both tools: a script tells refused input (nothing was computed or
// written, the window's message is on the error stream) from a failure while working
// (the library could not be read, or an "Unexpected Error" report: a calculation or a
// file write failed).
inline constexpr int kCliDone = 0;
inline constexpr int kCliFailed = 1;
inline constexpr int kCliRefused = 2;

// The frame both command-line tools run their commands in: one name and one usage text,
// one way to refuse a command line and one way to report a library that cannot be read.
class CliProgram {
public:
    // name and usage must outlive the object (both tools pass literals).
    CliProgram(std::string_view name, std::string_view usage) noexcept;

    // Runs the program's work. A CliUsageError thrown from it, while reading the
    // arguments or later when a value turns out to be outside the library's choices, is
    // refused: its text after the program name, then the usage, on err (kCliRefused).
    // Any other exception is a failure while working: its error report on err
    // (kCliFailed).
    int Run(std::ostream& err, const std::function<int()>& work) const;

    // The answer to "help": the usage on out.
    int ShowUsage(std::ostream& out) const;

    // Reads the library through loadAndSort, which returns false when its parts cannot
    // be put in catalogue order. Returns false after reporting on err why not: the sort
    // message, or the failure's report followed by the folder it was read from.
    static bool LoadLibrary(const std::string& folder, std::ostream& err,
                            const std::function<bool()>& loadAndSort);

    // A failure as the console shows an "Unexpected Error" report, one line for the
    // number and one for the description.
    static void ReportFailure(std::ostream& err, const RuntimeError& failure);

    // The exit status once out has been handed on: output that could not be written (a
    // full disk, /dev/full) is reported on err, naming the standard output and the
    // system's reason, and turns any status into kCliFailed, so that no script takes
    // lost output for a result.
    static int FinishOutput(std::ostream& out, std::ostream& err, int status);

private:
    std::string_view name_;
    std::string_view usage_;
};

}  // namespace shared

#endif
