#ifndef PELMO_APP_PROGRAM_SERVICES_H
#define PELMO_APP_PROGRAM_SERVICES_H

#include <string>

namespace shared {
class Clipboard;
class CommonDialogBackend;
class Cursor;
class Messages;
class Printer;
class Settings;
class Shell;
}  // namespace shared

namespace pelmo {

// The platform services and start-up facts every pelmo window works with. The program
// fills it with the Qt backends once in Main; window tests fill it with the scripted
// fakes of shared/platform/testing, so no window reaches the platform on its own.
struct ProgramServices {
    shared::Messages& Messages;
    shared::Cursor& Cursor;
    shared::CommonDialogBackend& Dialogs;
    shared::Printer& Printer;
    shared::Clipboard& Clipboard;
    shared::Shell& Shell;
    shared::Settings& Settings;
    std::string ProgramFolder{};  // ends with the path separator
    int HelpLanguage = 2;       // 1 Japanese help file present, 2 English
    std::string DegreeSign = "\u00B0";
    // The help PDF Help > Contents opens ("pelmojhlp.pdf" or "pelmoehlp.pdf"); empty when
    // neither lies in the program folder, so the command says there is no help file.
    std::string HelpFileName{};
};

}  // namespace pelmo

#endif
