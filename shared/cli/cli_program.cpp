#include "shared/cli/cli_program.h"

#include "shared/cli/cli_usage_error.h"
#include "shared/errors/runtime_error.h"
#include "shared/parts/part_sort.h"
#include "shared/platform/atomic_file_writer.h"
#include "shared/platform/console_messages.h"
#include "shared/platform/error_report.h"

#include <cerrno>
#include <ostream>

namespace shared {

CliProgram::CliProgram(std::string_view name, std::string_view usage) noexcept : name_(name), usage_(usage) {}

int CliProgram::Run(std::ostream& err, const std::function<int()>& work) const {
    try {
        return work();
    } catch (const CliUsageError& usage) {
        err << name_ << ": " << usage.what() << '\n' << usage_;
        return kCliRefused;
    } catch (const RuntimeError& failure) {
        // A failure while working (bad numbers in a library, a file that broke off) is
        // reported like every other, never left to end the process with an abort.
        ReportFailure(err, failure);
        return kCliFailed;
    } catch (const std::exception& failure) {
        ReportFailure(err, RuntimeError(error::kInvalidProcedureCall, {}, failure.what()));
        return kCliFailed;
    }
}

int CliProgram::ShowUsage(std::ostream& out) const {
    out << usage_;
    return kCliDone;
}

bool CliProgram::LoadLibrary(const std::string& folder, std::ostream& err,
                             const std::function<bool()>& loadAndSort) {
    try {
        if (!loadAndSort()) {
            err << kSortErrorMessage << '\n';
            return false;
        }
        return true;
    } catch (const RuntimeError& failure) {
        ReportFailure(err, failure);
        err << "(library folder " << folder << ")\n";
        return false;
    }
}

int CliProgram::FinishOutput(std::ostream& out, std::ostream& err, int status) {
    // A write that failed earlier leaves the stream refusing to flush; cleared, the
    // flush tries the rest again and the system says why it fails.
    const bool failedEarlier = !out;
    out.clear();
    errno = 0;
    out.flush();
    if (out && !failedEarlier) {
        return status;
    }
    const int reason = errno != 0 ? errno : EIO;
    const int number = FileErrorNumber(reason);
    ReportFailure(err, WithDetailLine(RuntimeError(number), "standard output: " + SystemErrorText(reason)));
    return kCliFailed;
}

void CliProgram::ReportFailure(std::ostream& err, const RuntimeError& failure) {
    err << ConsoleText(ErrorReportText(failure.Number(), failure.Description())) << '\n';
}

}  // namespace shared
