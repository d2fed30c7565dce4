#ifndef SHARED_DESKTOP_DESKTOP_SERVICES_H
#define SHARED_DESKTOP_DESKTOP_SERVICES_H

#include "shared/platform/qt/qt_clipboard.h"
#include "shared/platform/qt/qt_common_dialog_backend.h"
#include "shared/platform/qt/qt_cursor.h"
#include "shared/platform/qt/qt_messages.h"
#include "shared/platform/qt/qt_printer.h"
#include "shared/platform/qt/qt_settings.h"
#include "shared/platform/qt/qt_shell.h"
#include "shared/platform/services.h"

#include <QPrinter>

#include <string>

class QWidget;

namespace shared {

// The desktop backends of every platform service for one run of a program, bundled as
// its windows take them. Made after the application object, before any window.
class DesktopServices {
public:
    // settingsProgram names the program's settings ("Pelmo").
    explicit DesktopServices(const std::string& settingsProgram);
    DesktopServices(const DesktopServices&) = delete;
    DesktopServices& operator=(const DesktopServices&) = delete;

    const Services& Bundle() const noexcept { return services_; }
    QtMessages& MessageBoxes() noexcept { return messages_; }

    // The window every box and dialog the services open is modal over: message boxes,
    // the file dialogs and print setup alike.
    void SetOwner(QWidget* owner);

private:
    QtMessages messages_;
    // The program's printer for the session: Print Setup changes this one object, never
    // the system's defaults.
    QPrinter printer_{QPrinter::HighResolution};
    QtPrinter programPrinter_{printer_};
    QtCommonDialogBackend dialogs_{nullptr, &printer_};
    QtClipboard clipboard_;
    QtShell shell_;
    QtSettings settings_;
    QtCursor cursor_;
    Services services_{messages_, cursor_, dialogs_, programPrinter_, clipboard_, shell_, settings_};
};

}  // namespace shared

#endif
