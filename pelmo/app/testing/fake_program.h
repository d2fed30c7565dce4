#ifndef PELMO_APP_TESTING_FAKE_PROGRAM_H
#define PELMO_APP_TESTING_FAKE_PROGRAM_H

#include "pelmo/app/program_services.h"

#include "shared/platform/testing/fake_clipboard.h"
#include "shared/platform/testing/fake_cursor.h"
#include "shared/platform/testing/fake_messages.h"
#include "shared/platform/testing/fake_printer.h"
#include "shared/platform/testing/fake_shell.h"
#include "shared/platform/testing/memory_settings.h"
#include "shared/platform/testing/scripted_common_dialog_backend.h"

#include <string>
#include <utility>

namespace pelmo::testing {

// Every platform service as a scripted fake, bundled the way Main bundles the real
// ones, for window tests and the screenshot tools. Not copyable: the bundle refers to
// the fakes beside it.
struct FakeProgram {
    explicit FakeProgram(std::string programFolder = {}, std::string helpFileName = {})
        : services{messages, cursor, dialogs, printer, clipboard, shell, settings,
                   std::move(programFolder), 2, "\u00B0", std::move(helpFileName)} {}
    FakeProgram(const FakeProgram&) = delete;
    FakeProgram& operator=(const FakeProgram&) = delete;

    // The same bundle with another printer in place of the fake one, for a run that
    // prints through a real printer or one that watches the job.
    ProgramServices ServicesWithPrinter(shared::Printer& other) const {
        return ProgramServices{
            services.Messages,     services.Cursor,     services.Dialogs,     other,
            services.Clipboard,    services.Shell,      services.Settings,    services.ProgramFolder,
            services.HelpLanguage, services.DegreeSign, services.HelpFileName};
    }

    shared::FakeMessages messages;
    shared::FakeCursor cursor;
    shared::ScriptedCommonDialogBackend dialogs;
    shared::FakePrinter printer;
    shared::FakeClipboard clipboard;
    shared::FakeShell shell;
    shared::MemorySettings settings;
    ProgramServices services;
};

}  // namespace pelmo::testing

#endif
