#ifndef PELMO_CLI_EXPORT_ALL_H
#define PELMO_CLI_EXPORT_ALL_H

#include "pelmo/cli/cli_options.h"
#include "pelmo/export/export_subject.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/code_system.h"
#include "shared/platform/file_sink.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace pelmo {

struct Library;

// Every part of a kind exported as the window would export it right after the part is
// chosen (lowest frequency, reference temperature, 0 V, series), each file named as the
// save dialog proposes. Parts are independent, so workers take them in turn from a
// shared counter; the library is only read. Each file goes through its own sink, so a
// failed part never leaves a partial file and never stops the others.
struct ExportAllRequest {
    ExportFormat Format = ExportFormat::Touchstone;
    ProductKind Kind = ProductKind::Capacitor;
    shared::CodeSystem CodeSystem = shared::Eia;
    std::string Folder;  // must exist
    unsigned Jobs = 1;   // worker threads, at least 1
    char Separator = '.';
};

// A part whose file was not written, with the messages the window would have shown
// (line ends as on a console).
struct ExportAllFailure {
    std::string PartNumber;
    std::string Messages;
};

struct ExportAllOutcome {
    std::size_t Parts = 0;                   // parts of the kind in the notation
    std::vector<std::string> FileNames;      // written, in table order
    std::vector<ExportAllFailure> Failures;  // in table order
};

// Why no file can be made in folder (an existing folder the user may not write, a
// read-only file system, /proc): the failure, naming the folder and the system's reason,
// or nothing when a file can be made there. Every part would fail the same way, so the
// command reports this once instead of once per part. The trial file is removed.
std::optional<shared::RuntimeError> FolderRefusesFiles(const std::string& folder);

// The names of the files the export would write that already exist in the folder, in
// table order: the command refuses to replace them unless told to.
std::vector<std::string> ExistingExportFiles(const Library& library, const ExportAllRequest& request);

// Runs the export; thread-safe as long as nothing changes library meanwhile.
ExportAllOutcome ExportAllParts(const Library& library, const ExportAllRequest& request,
                                const shared::FileSinkOpener& openSink);

}  // namespace pelmo

#endif
