#include "pelmo/cli/pelmo_cli.h"

#include "pelmo/cli/cli_commands.h"
#include "pelmo/cli/cli_options.h"
#include "pelmo/cli/export_all.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/library_loader.h"

#include "shared/cli/cli_program.h"
#include "shared/errors/runtime_error.h"
#include "shared/parts/part_sort.h"
#include "shared/platform/atomic_file_writer.h"
#include "shared/platform/error_report.h"
#include "shared/text/number_text.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <system_error>
#include <thread>

namespace pelmo {

namespace {

// The library in the notation's catalogue order, or nothing after reporting why not.
std::optional<Library> LoadSortedLibrary(const std::string& folder, shared::CodeSystem codeSystem,
                                         char separator, std::ostream& err) {
    std::optional<Library> library;
    if (!shared::CliProgram::LoadLibrary(folder, err, [&] {
            library = LoadLibrary(folder, separator);
            return SortCapacitors(*library, codeSystem, separator);
        })) {
        return std::nullopt;
    }
    return library;
}

int RunExportAll(const CliOptions& options, const Library& library, char separator,
                 const shared::FileSinkOpener& open, std::ostream& out, std::ostream& err) {
    std::error_code error;
    const std::filesystem::path folder(options.OutputFolder);
    if (std::filesystem::exists(folder, error) && !std::filesystem::is_directory(folder, error)) {
        err << options.OutputFolder << " is not a folder\n";
        return kCliRefused;
    }
    std::filesystem::create_directories(folder, error);
    if (error) {
        shared::CliProgram::ReportFailure(
            err, shared::WithDetailLine(shared::RuntimeError(shared::FileErrorNumber(error.value())),
                                        options.OutputFolder + ": the folder cannot be made (" +
                                            error.message() + "); nothing written"));
        return kCliFailed;
    }
    // A folder that takes no file fails every part alike: one report, not one per part.
    if (const std::optional<shared::RuntimeError> refusal = FolderRefusesFiles(options.OutputFolder)) {
        shared::CliProgram::ReportFailure(err, *refusal);
        return kCliFailed;
    }

    ExportAllRequest request;
    request.Format = options.Format;
    request.Kind = options.Kind;
    request.CodeSystem = options.CodeSystem;
    request.Folder = options.OutputFolder;
    request.Separator = separator;
    request.Jobs = options.Jobs != 0 ? options.Jobs : std::max(1U, std::thread::hardware_concurrency());
    if (!options.Force) {
        // The desktop program asks before it replaces a file; a tool that cannot ask refuses.
        const std::vector<std::string> existing = ExistingExportFiles(library, request);
        if (!existing.empty()) {
            err << options.OutputFolder << " already holds " << existing.size()
                << " of the files to write (the first: " << existing.front()
                << "); nothing written. Give --force to replace them.\n";
            return kCliRefused;
        }
    }
    const ExportAllOutcome outcome = ExportAllParts(library, request, open);
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
    const shared::CliProgram program("pelmo-cli", kCliUsage);
    return program.Run(err, [&] {
        const CliOptions options = ParseCliOptions(arguments);
        if (options.Command == CliCommand::Help) {
            return program.ShowUsage(out);
        }

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
                return RunExport(options, *library, separator, environment.Open, out, err);
            case CliCommand::ExportAll:
                return RunExportAll(options, *library, separator, environment.Open, out, err);
            case CliCommand::Help:
                break;
        }
        return kCliDone;
    });
}

}  // namespace pelmo
