#ifndef SHARED_PLATFORM_SAVE_FLOW_H
#define SHARED_PLATFORM_SAVE_FLOW_H

#include "shared/errors/runtime_error.h"

#include <cstdint>
#include <functional>
#include <string>

namespace shared {

class Messages;
struct Services;

// What the save dialog of a command offers.
struct SaveDialogSpec {
    std::string ProgramTitle;  // the dialog's and the error report's title
    std::int32_t Flags = 0;
    std::string Filter;
    int FilterIndex = 1;
    std::string ProposedName;   // the file name the dialog opens with
    std::string CurrentFolder;  // where the dialog opens when no folder was remembered
    ErrorNumberForm ReportForm = ErrorNumberForm::TrailingBlank;
};

enum class SaveFlowOutcome {
    Cancelled,  // Cancel in the save dialog: no message, no file, no setting changed
    Failed,     // a failure was reported; no file made or replaced
    Saved       // the writer made the file and confirmed it
};

// Writes the chosen file and shows its confirmation or failure through messages; true
// when the file is in place.
using SaveWriter = std::function<bool(const std::string& fileName, Messages& messages)>;

// The save flow every File > Save command shares:
// 1. the save dialog (clsComdlg with spec's flags, filter, proposed name, opening in the
//    remembered folder "Settings"/"FilePath" or spec.CurrentFolder). Cancel ends the
//    command silently; any other dialog failure is reported under the program title;
// 2. the chosen folder is remembered;
// 3. under the hourglass the writer makes the file. Its boxes are shown with the normal
//    pointer back: the file is closed by then, and a user reading a box under an
//    hourglass thinks the program is still busy.
SaveFlowOutcome RunSaveFlow(const Services& services, const SaveDialogSpec& spec, const SaveWriter& write);

}  // namespace shared

#endif
