#ifndef SHARED_PLATFORM_TESTING_FAKE_SERVICES_H
#define SHARED_PLATFORM_TESTING_FAKE_SERVICES_H

#include "shared/platform/services.h"
#include "shared/platform/testing/fake_clipboard.h"
#include "shared/platform/testing/fake_cursor.h"
#include "shared/platform/testing/fake_messages.h"
#include "shared/platform/testing/fake_printer.h"
#include "shared/platform/testing/fake_shell.h"
#include "shared/platform/testing/memory_settings.h"
#include "shared/platform/testing/scripted_common_dialog_backend.h"

namespace shared {

// Every platform service as a scripted fake, bundled the way Main bundles the desktop
// backends. Not copyable: the bundle refers to the fakes beside it.
struct FakeServices {
    FakeServices() = default;
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    FakeMessages messages;
    FakeCursor cursor;
    ScriptedCommonDialogBackend dialogs;
    FakePrinter printer;
    FakeClipboard clipboard;
    FakeShell shell;
    MemorySettings settings;
    Services services{messages, cursor, dialogs, printer, clipboard, shell, settings};
};

}  // namespace shared

#endif
