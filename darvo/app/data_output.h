#ifndef DARVO_APP_DATA_OUTPUT_H
#define DARVO_APP_DATA_OUTPUT_H

#include "darvo/engine/chart_data_record.h"
#include "darvo/library/product_library.h"
#include "darvo/selection/plot_conditions.h"

#include "shared/platform/file_sink.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace shared {
class Messages;
struct Services;
}  // namespace shared

namespace darvo {

class ChartTable;
class LibrarySelection;

// What the data output reads from the selection window when it runs: the chart type,
// the part-number text, the axis quantities and the condition boxes with the parameter
// option. Neither output reads a chart window.
struct OutputSelection {
    ChartIdentity Identity;  // the chart type and the two axis quantities
    std::string PartNumberText;
    ConditionTexts Conditions;
};

// What the selection window shows now, as the data outputs read it.
OutputSelection OutputSelectionOf(const LibrarySelection& selection);

// The exclamation box of an output asked for while the part-number text names no part
// (a text typed after the part was chosen): nothing is computed or written.
inline constexpr const char* kNoPartForOutputText = "Orvane Part Number is not selected!";

// The curve of a data output, computed and already discarded from the table.
struct OutputRecord {
    ChartDataRecord Record;
    std::string PartNumber;  // the product's part number in the notation in force
};

// CheckConditions of the selection window: every check the chart type needs, each
// showing its own message; true when all pass.
using ConditionsCheck = std::function<bool()>;

// The first step of both data outputs: the part of the part-number text in the notation
// in force, then CheckConditions (checks, or the same checks run here on the texts of
// selection when none is given). The part's table index when all pass.
std::optional<std::int32_t> CheckOutputConditions(const OutputSelection& selection,
                                                  const ProductLibrary& products, shared::Messages& messages,
                                                  char separator, const ConditionsCheck& checks = {});

// The record header WriteChartData would write for part, and the curve computed in a
// temporary record at element ChartCount of table. The table is shrunk back before this
// returns, on every path. Nothing when the engine refused (its message shown); a
// numerical failure of the engine is reported as "Unexpected Error " titled with the
// engine's routine.
std::optional<OutputRecord> ComputeDataOutput(const OutputSelection& selection, std::int32_t part,
                                              const ProductLibrary& products, ChartTable& table,
                                              shared::Messages& messages, char separator);

// Both steps, as the save command runs them.
std::optional<OutputRecord> PrepareDataOutput(const OutputSelection& selection,
                                              const ProductLibrary& products, ChartTable& table,
                                              shared::Messages& messages, char separator,
                                              const ConditionsCheck& checks = {});

enum class SaveOutcome {
    Refused,    // a check or the engine refused; its message was shown
    Cancelled,  // Cancel in the save dialog: no message, no file, no setting changed
    Failed,     // the "Unexpected Error " report was shown; no file made or replaced
    Saved,      // the file is in place and "darvo Data saved to " was shown
};

// Where the save command writes and what it stamps the file with.
struct SaveEnvironment {
    std::string CurrentFolder;  // where the dialog opens when no folder was remembered
    shared::FileSinkOpener OpenSink;
    std::function<std::string()> DateTimeText;  // the locale's general date form of now
    char Separator = '.';
    // The selection window's own checks, which also put the focus back into a refused
    // box; the same checks on the texts of the selection when none is given.
    ConditionsCheck CheckConditions;
};

// The save dialog's filter and flags (ask before overwriting, no read-only box).
inline constexpr const char* kDvxFilter = "darvo Data Files (*.dvx)|*.dvx|All Files (*.*)|*.*|";
inline constexpr int kDvxDialogFlags = 6;

// File > OutPut Data > Save Data To File...: PrepareDataOutput; the save dialog (flags
// 6, the ".dvx" filter, the remembered folder "Settings"/"FilePath" or CurrentFolder,
// the part-number text + ".dvx" proposed; Cancel ends silently); the chosen folder is
// remembered; under the hourglass the file is written whole through a sink of OpenSink
// and "darvo Data saved to " + path confirmed with the normal pointer back. A failure is
// reported as "Unexpected Error " + number and leaves an earlier file of that name
// untouched. ChartTable and ChartCount are as before in every outcome.
SaveOutcome RunSaveDataCommand(const OutputSelection& selection, const ProductLibrary& products,
                               ChartTable& table, const shared::Services& services,
                               const SaveEnvironment& environment);

}  // namespace darvo

#endif
