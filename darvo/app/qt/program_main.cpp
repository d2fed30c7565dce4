#include "darvo/app/qt/program_main.h"

#include "darvo/app/program_identity.h"
#include "darvo/app/program_start.h"
#include "darvo/app/public.h"
#include "darvo/app/qt/frm_main.h"

#include "shared/desktop/desktop_services.h"
#include "shared/desktop/desktop_start.h"
#include "shared/platform/qt/qt_single_instance.h"

#include <QApplication>

#include <optional>
#include <utility>

namespace darvo {

int Main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kProgramTitle));

    shared::DesktopServices desktop(kProgramTitle);
    shared::QtSingleInstance instance(kProgramTitle);
    // Read once: every window and model receives it from here.
    const char separator = shared::SystemDecimalSeparator();
    std::optional<StartedProgram> started = StartProgram(
        instance, desktop.MessageBoxes(), QCoreApplication::applicationDirPath().toStdString(), separator);
    if (!started) {
        return 1;
    }

    const shared::Services& services = desktop.Bundle();
    Public state(std::move(started->Products), std::move(started->Facts), services.Messages, services.Cursor,
                 separator);
    FrmMain frmMain(state, services);
    desktop.SetOwner(&frmMain);
    frmMain.show();
    frmMain.MDIForm_Load();
    if (frmMain.ExitRequested()) {
        return 1;
    }
    return shared::RunDesktopEventLoop(application, frmMain);
}

}  // namespace darvo
