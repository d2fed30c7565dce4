#ifndef PELMO_APP_SAVE_COMMANDS_H
#define PELMO_APP_SAVE_COMMANDS_H

#include "shared/platform/file_sink.h"

#include <string>

namespace shared {
struct Services;
}  // namespace shared

namespace pelmo {

class LibrarySelection;
struct Library;

enum class SaveFormat { Touchstone, Impedance, Spice };

// How a save command ended, for the window to refresh what it shows.
enum class SaveOutcome {
    Refused,    // a check before the dialog failed; its message was shown
    Cancelled,  // Cancel in the save dialog: no message, no file, no setting changed
    Failed,     // the "Unexpected Error " report was shown; no file made or replaced
    Saved       // the file is in place and the confirmation was shown
};

// Where a save command writes: the folder its dialog opens in when none has been
// remembered yet, and the sink that makes the file (the toolkit's atomic save file in
// the program, plain or failing sinks in tests).
struct SaveEnvironment {
    std::string CurrentFolder;
    shared::FileSinkOpener OpenSink;
};

// File > Save Data to File > S Parameter... / Impedance... / SPICE Model...: the part,
// conditions and connection chosen in the selection window now (also when started from a
// chart window that shows another part), in this order:
// 1. the checks of the part, its conditions and its class (PrepareExport); the impedance
//    table and the SPICE model also check the frequency and evaluate at the fields as
//    Enter would, so the table's header and the readouts describe the conditions the
//    file is computed at (the model's C1 is the one the readouts use);
// 2. the save dialog (clsComdlg, flags 6, the filter of the format, the remembered
//    folder "Settings"/"FilePath" or currentFolder, the proposed name of the part);
//    Cancel ends the command silently, any other dialog failure is reported;
// 3. the chosen folder is remembered;
// 4. under the hourglass the file is written and committed, then
//    "S Parameter Data saved to " / "Impedance Data saved to " / "SPICE Model saved to "
//    + path is confirmed with the normal pointer back. A failure leaves an earlier file
//    of that name untouched.
// The selection's readouts may change in step 1 (impedance and SPICE model only);
// nothing else does.
SaveOutcome RunSaveCommand(SaveFormat format, LibrarySelection& selection, const Library& library,
                           const shared::Services& services, const SaveEnvironment& environment);

}  // namespace pelmo

#endif
