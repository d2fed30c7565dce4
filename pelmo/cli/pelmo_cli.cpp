#include "pelmo/cli/pelmo_cli.h"

#include "pelmo/cli/cli_commands.h"
#include "pelmo/cli/cli_options.h"
#include "pelmo/cli/export_all.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/library/load_failure.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/part_sort.h"
#include "shared/platform/atomic_file_writer.h"
#include "shared/platform/console_messages.h"
#include "shared/text/number_text.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <system_error>
#include <thread>

namespace pelmo {

namespace {

void ReportFailure(std::ostream& err, const shared::RuntimeError& failure) {
    err << shared::ConsoleText(shared::ErrorReportText(failure.Number(), failure.Description())) << '\n';
}

// The library in the notation's catalogue order, or nothing after reporting why not.
std::optional<Library> LoadSortedLibrary(const std::string& folder, shared::CodeSystem codeSystem, char separator,
                                         std::ostream& err) {
    try {
        Library library = LoadLibrary(folder, separator);
        if (!SortCapacitors(library, codeSystem)) {
            err << shared::kSortErrorMessage << '\n';
            return std::nullopt;
        }
        return library;
    } catch (const shared::RuntimeError& failure) {
        ReportFailure(err, failure);
        err << "(library folder " << folder << ")\n";
        return std::nullopt;
    }
}

int RunExportAll(const CliOptions& options, const Library& library, char separator, std::ostream& out,
                 std::ostream& err) {
    std::error_code error;
    const std::filesystem::path folder(options.OutputFolder);
    if (std::filesystem::exists(folder, error) && !std::filesystem::is_directory(folder, error)) {
        err << options.OutputFolder << " is not a folder\n";
        return kCliRefused;
    }
    std::filesystem::create_directories(folder, error);
    if (error) {
        ReportFailure(err, shared::RuntimeError(shared::error::kPathFileAccessError, options.OutputFolder));
        return kCliFailed;
    }

    ExportAllRequest request;
    request.Format = options.Format;
    request.Kind = options.Kind;
    request.CodeSystem = options.CodeSystem;
    request.Folder = options.OutputFolder;
    request.Separator = separator;
    request.Jobs = options.Jobs != 0 ? options.Jobs : std::max(1U, std::thread::hardware_concurrency());
    const ExportAllOutcome outcome = ExportAllParts(library, request, shared::OpenAtomicFileWriter);
    for (const ExportAllFailure& failure : outcome.Failures) {
        err << failure.PartNumber << ": " << failure.Messages;
    }
    out << outcome.FileNames.size() << " of " << outcome.Parts << " files written to " << options.OutputFolder
        << '\n';
    return outcome.Failures.empty() ? kCliDone : kCliFailed;
}

}  // namespace

int RunPelmoCli(std::span<const std::string> arguments, std::ostream& out, std::ostream& err,
                const CliEnvironment& environment) {
    CliOptions options;
    try {
        options = ParseCliOptions(arguments);
    } catch (const CliUsageError& usage) {
        err << "pelmo-cli: " << usage.what() << '\n' << kCliUsage;
        return kCliRefused;
    }
    if (options.Command == CliCommand::Help) {
        out << kCliUsage;
        return kCliDone;
    }

    const shared::ScopedDecimalSeparator separatorInForce(environment.DecimalSeparator);
    const char separator = environment.DecimalSeparator;
    const std::optional<Library> library = LoadSortedLibrary(
        options.LibraryFolder.value_or(environment.ProgramFolder), options.CodeSystem, separator, err);
    if (!library) {
        return kCliFailed;
    }
    switch (options.Command) {
    case CliCommand::List:
        return RunList(options, *library, out);
    case CliCommand::Evaluate:
        return RunEvaluate(options, *library, separator, out, err);
    case CliCommand::Sweep:
        return RunSweep(options, *library, separator, out, err);
    case CliCommand::Export:
        return RunExport(options, *library, separator, out, err);
    case CliCommand::ExportAll:
        return RunExportAll(options, *library, separator, out, err);
    case CliCommand::Help:
        break;
    }
    return kCliDone;
}

}  // namespace pelmo
