#include "shared/desktop/desktop_services.h"

#include <QClipboard>
#include <QGuiApplication>

namespace shared {

DesktopServices::DesktopServices(const std::string& settingsProgram)
    : clipboard_(*QGuiApplication::clipboard()), settings_(settingsProgram) {}

void DesktopServices::SetOwner(QWidget* owner) {
    messages_.SetOwner(owner);
    dialogs_.SetOwner(owner);
}

}  // namespace shared
