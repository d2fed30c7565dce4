#ifndef PELMO_EXPORT_EXPORT_COMMAND_H
#define PELMO_EXPORT_EXPORT_COMMAND_H

#include "pelmo/engine/circuit_mode.h"
#include "pelmo/export/export_grid.h"
#include "pelmo/export/export_subject.h"
#include "pelmo/export/grid_point_evaluator.h"
#include "pelmo/export/impedance_table_writer.h"
#include "pelmo/export/spice_model.h"

#include "shared/parts/code_system.h"
#include "shared/platform/file_sink.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace shared {
class Messages;
}

namespace pelmo {

struct Library;

// The parts of the save commands that need no window: the checks before the save
// dialog, the dialog's settings, and writing, committing and confirming the file. The
// desktop program shows the dialog and the hourglass in between; the command-line
// export calls the same pieces with names of its own choosing.

// Texts and dialog settings, as users and their help desks know them.
inline constexpr const char* kPartNotSelectedText = "Product Number is invalid or not selected!";
inline constexpr const char* kTouchstoneFilter = "S parameter Data Files (*.s2p)|*.s2p|All Files (*.*)|*.*|";
inline constexpr const char* kImpedanceFilter = "Impedance Data Files (*.txt)|*.txt|All Files (*.*)|*.*|";
inline constexpr const char* kSpiceFilter = "SPICE Model Files (*.cir)|*.cir|All Files (*.*)|*.*|";
// Ask before overwriting, hide the read-only check box.
inline constexpr std::int32_t kExportDialogFlags = 6;
inline constexpr std::int32_t kExportFilterIndex = 1;

// "S Parameter Data saved to " / "Impedance Data saved to " / "SPICE Model saved to " +
// the full path.
std::string TouchstoneSavedText(const std::string& path);
std::string ImpedanceSavedText(const std::string& path);
std::string SpiceSavedText(const std::string& path);

// The selection window's state when a save command starts.
struct ExportSelection {
    ProductKind Product = ProductKind::Capacitor;
    std::string PartNumber;  // the part-number box text
    shared::CodeSystem CodeSystem = shared::Eia;
    CircuitMode Connection = CircuitMode::Series;
    std::string TemperatureText;
    std::string BiasText;
};

// What a command has settled before its dialog: the part and its grid.
struct ExportPlan {
    ExportSubject Subject;
    ExportGrid Grid;
};

// The checks before the save dialog, in the command's order:
// 1. the part number must be in the lookup of its kind (capacitors: the lookup of the
//    notation in force), else "Product Number is invalid or not selected!"
//    (exclamation icon, program title);
// 2. capacitors: operatingConditionCheck must pass; it shows its own messages (an empty
//    function checks nothing, for callers that have checked their numbers already);
// 3. the part must have a frequency grid (a class and a positive upper frequency), else
//    the "Unexpected Error " report, so a part the class rules miss never gets as far as
//    a dialog or a file.
// On success the subject carries the part number in the library's spelling, so the
// file and its name read as the library writes the part whatever case was typed.
// Returns nothing when a check failed; its message has then been shown. failed, when
// given, tells a failure of step 3 (the part's data give no grid: an error report) from
// a refusal of steps 1 and 2.
std::optional<ExportPlan> PrepareExport(const Library& library, const ExportSelection& selection,
                                        const std::function<bool()>& operatingConditionCheck,
                                        shared::Messages& messages, bool* failed = nullptr);

// Writes the Touchstone file for path through a sink from openSink, commits it and shows
// "S Parameter Data saved to " + path (information icon, program title). Any failure (the
// sink cannot be opened, a write or the commit fails, an evaluation fails) shows the
// "Unexpected Error " report instead and leaves the old file, if any, untouched. Returns
// whether the file was saved.
bool SaveTouchstoneExport(const ExportPlan& plan, const GridPointEvaluator& evaluate, const std::string& path,
                          const shared::FileSinkOpener& openSink, shared::Messages& messages);

// The same for the impedance table, with the refreshed readouts for its header and the
// locale's separator; confirms with "Impedance Data saved to " + path.
bool SaveImpedanceExport(const ExportPlan& plan, const ImpedanceReadouts& readouts,
                         const GridPointEvaluator& evaluate, char separator, const std::string& path,
                         const shared::FileSinkOpener& openSink, shared::Messages& messages);

// The same for the SPICE model of the part; confirms with "SPICE Model saved to " + path.
bool SaveSpiceExport(const ExportPlan& plan, const SpiceModel& model, const std::string& path,
                     const shared::FileSinkOpener& openSink, shared::Messages& messages);

}  // namespace pelmo

#endif
