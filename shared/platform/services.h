#ifndef SHARED_PLATFORM_SERVICES_H
#define SHARED_PLATFORM_SERVICES_H

namespace shared {

class Clipboard;
class CommonDialogBackend;
class Cursor;
class Messages;
class Printer;
class Settings;
class Shell;

// The platform services every window of a program works with. Main fills it with the
// desktop backends once; window tests fill it with the scripted fakes, so no window
// reaches the platform on its own. The program's own start-up facts (folder, help file,
// degree sign) are each program's and travel beside it.
struct Services {
    shared::Messages& Messages;
    shared::Cursor& Cursor;
    shared::CommonDialogBackend& Dialogs;
    shared::Printer& Printer;
    shared::Clipboard& Clipboard;
    shared::Shell& Shell;
    shared::Settings& Settings;

    // The same bundle with another printer, for a run that prints through a real printer
    // or one that watches the job.
    shared::Services WithPrinter(shared::Printer& other) const {
        return {Messages, Cursor, Dialogs, other, Clipboard, Shell, Settings};
    }
};

}  // namespace shared

#endif
