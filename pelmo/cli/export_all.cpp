#include "pelmo/cli/export_all.h"

#include "pelmo/cli/cli_part.h"
#include "pelmo/cli/export_job.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/export/export_file_names.h"
#include "pelmo/library/records.h"
#include "pelmo/selection/operating_conditions.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/atomic_file_writer.h"
#include "shared/platform/console_messages.h"
#include "shared/platform/error_report.h"
#include "shared/platform/program_folder.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace pelmo {

namespace {

std::string FileNameOf(ExportFormat format, const ExportSubject& subject) {
    switch (format) {
        case ExportFormat::Touchstone:
            return TouchstoneFileName(subject);
        case ExportFormat::Impedance:
            return ImpedanceFileName(subject);
        case ExportFormat::Spice:
            return SpiceFileName(subject);
    }
    return {};
}

struct PartOutcome {
    std::optional<std::string> FileName;  // set when written
    std::string Messages;
};

PartOutcome ExportOne(const Library& library, const ExportAllRequest& request, const std::string& partNumber,
                      const shared::FileSinkOpener& openSink) {
    std::ostringstream confirmations;
    std::ostringstream complaints;
    shared::ConsoleMessages messages(confirmations, complaints);

    ExportJob job;
    job.Format = request.Format;
    job.Selection.Product = request.Kind;
    job.Selection.PartNumber = partNumber;
    job.Selection.CodeSystem = request.CodeSystem;
    job.Selection.Connection = CircuitMode::Series;
    job.Selection.TemperatureText = DefaultTemperatureText(request.CodeSystem, request.Separator);
    job.Selection.BiasText = kDefaultBiasText;

    PartOutcome outcome;
    std::string fileName;
    const auto pathFor = [&](const ExportSubject& subject) {
        fileName = FileNameOf(request.Format, subject);
        // A part number is a file name here, never a path into another folder.
        if (fileName.find('/') != std::string::npos || fileName.find('\\') != std::string::npos) {
            throw shared::RuntimeError(shared::error::kBadFileNameOrNumber, fileName);
        }
        return shared::JoinFolderAndName(request.Folder, fileName);
    };
    ExportJobResult result = ExportJobResult::Failed;
    try {
        result = RunExportJob(library, job, pathFor, request.Separator, openSink, messages);
    } catch (const std::exception& failure) {
        // A refused file name, or anything else escaping the job: reported like a failed
        // write, since an exception must never leave a worker thread.
        const shared::RuntimeError error = shared::AsRuntimeError(failure);
        complaints << shared::ConsoleText(shared::ErrorReportText(error.Number(), error.Description(),
                                                                  shared::ErrorNumberForm::TrailingBlank))
                   << '\n';
    }
    if (result == ExportJobResult::Saved) {
        outcome.FileName = fileName;
    }
    outcome.Messages = complaints.str();
    return outcome;
}

}  // namespace

std::optional<shared::RuntimeError> FolderRefusesFiles(const std::string& folder) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string trial = shared::JoinFolderAndName(
            folder, ".pelmo-cli-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        const int fd = ::open(trial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(trial.c_str());
            return std::nullopt;
        }
        const int failure = errno;
        if (failure != EEXIST) {
            return shared::WithDetailLine(shared::RuntimeError(shared::FileErrorNumber(failure), folder),
                                          folder + ": no file can be made in this folder (" +
                                              shared::SystemErrorText(failure) + "); nothing written");
        }
    }
    return std::nullopt;  // only taken names: the files themselves will tell
}

std::vector<std::string> ExistingExportFiles(const Library& library, const ExportAllRequest& request) {
    std::vector<std::string> existing;
    for (const std::string& partNumber : PartNumbersOf(library, request.Kind, request.CodeSystem)) {
        // The subject as the job forms it for a part listed in the library's spelling.
        ExportSubject subject;
        subject.Product = request.Kind;
        subject.PartNumber = partNumber;
        subject.TemperatureText = DefaultTemperatureText(request.CodeSystem, request.Separator);
        subject.BiasText = kDefaultBiasText;
        if (request.Kind == ProductKind::Capacitor) {
            const auto index = library.PartIndex[request.CodeSystem].Find(partNumber);
            subject.ConditionDependent =
                index && HasConditionModel(library.CapacitorTable.at(static_cast<std::size_t>(*index)));
        }
        const std::string name = FileNameOf(request.Format, subject);
        std::error_code error;
        if (std::filesystem::exists(shared::JoinFolderAndName(request.Folder, name), error)) {
            existing.push_back(name);
        }
    }
    return existing;
}

ExportAllOutcome ExportAllParts(const Library& library, const ExportAllRequest& request,
                                const shared::FileSinkOpener& openSink) {
    const std::vector<std::string> parts = PartNumbersOf(library, request.Kind, request.CodeSystem);
    std::vector<PartOutcome> outcomes(parts.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next.fetch_add(1); i < parts.size(); i = next.fetch_add(1)) {
            outcomes[i] = ExportOne(library, request, parts[i], openSink);
        }
    };
    const std::size_t workers =
        std::clamp<std::size_t>(request.Jobs, 1, std::max<std::size_t>(parts.size(), 1));
    std::vector<std::thread> threads;
    threads.reserve(workers - 1);
    for (std::size_t w = 1; w < workers; ++w) {
        threads.emplace_back(work);
    }
    work();
    for (std::thread& thread : threads) {
        thread.join();
    }

    ExportAllOutcome result;
    result.Parts = parts.size();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (outcomes[i].FileName) {
            result.FileNames.push_back(*outcomes[i].FileName);
        } else {
            result.Failures.push_back({parts[i], outcomes[i].Messages});
        }
    }
    return result;
}

}  // namespace pelmo
