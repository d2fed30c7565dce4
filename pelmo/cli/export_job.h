#ifndef PELMO_CLI_EXPORT_JOB_H
#define PELMO_CLI_EXPORT_JOB_H

#include "pelmo/cli/cli_options.h"
#include "pelmo/export/export_command.h"

#include "shared/platform/file_sink.h"

#include <functional>
#include <optional>
#include <string>

namespace shared {
class Messages;
}

namespace pelmo {

struct Library;

// One save command of the selection window without its dialog: the same checks before
// the file, the same file bytes, the same confirmation. The single export and every
// file of export-all go through it, so both write what the window writes.
struct ExportJob {
    ExportFormat Format = ExportFormat::Touchstone;
    // The window's state: the part number in the library's spelling, the notation, the
    // connection and the condition texts as typed.
    ExportSelection Selection;
    // The frequency field [MHz]: the impedance header's readouts are evaluated at it, a
    // SPICE model takes it where the simulator has no frequency; nothing for the part's
    // lower limit, the value the window shows after choosing the part.
    std::optional<std::string> FrequencyText;
};

enum class ExportJobResult { Saved, Refused, Failed };

// Where the file goes once the part is settled; export-all names it after the subject.
using ExportPathFor = std::function<std::string(const ExportSubject& subject)>;

// Runs the job: the checks (part, conditions, class; for the impedance table and the
// SPICE model also the frequency; the readouts heading the table are refreshed at the
// table's conditions first), then writes through openSink and confirms. Refused: a check failed and its
// message was shown, nothing was opened. Failed: the "Unexpected Error " report was
// shown and no file was made or replaced. messages receives everything the window
// would show; it must belong to the calling thread.
ExportJobResult RunExportJob(const Library& library, const ExportJob& job, const ExportPathFor& pathFor,
                             char separator, const shared::FileSinkOpener& openSink,
                             shared::Messages& messages);

}  // namespace pelmo

#endif
