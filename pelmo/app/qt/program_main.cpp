#include "pelmo/app/qt/program_main.h"

#include "pelmo/app/program_services.h"
#include "pelmo/app/program_start.h"
#include "pelmo/app/qt/frm_main.h"
#include "pelmo/library/program_identity.h"

#include "shared/platform/qt/qt_clipboard.h"
#include "shared/platform/qt/qt_common_dialog_backend.h"
#include "shared/platform/qt/qt_cursor.h"
#include "shared/platform/qt/qt_messages.h"
#include "shared/platform/qt/qt_printer.h"
#include "shared/platform/qt/qt_settings.h"
#include "shared/platform/qt/qt_shell.h"
#include "shared/platform/qt/qt_single_instance.h"
#include "shared/text/number_text.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QPixmap>
#include <QPrinter>
#include <QTimer>

namespace pelmo {

namespace {

// The desktop program takes the separator of the system locale as the toolkit sees it;
// one that is not a single ASCII character cannot be typed into the boxes as such, so
// the program keeps ".".
char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80) {
        return static_cast<char>(point.at(0).unicode());
    }
    return '.';
}

// "--screenshot FILE": the program shows itself, saves a picture of its main window
// and ends. Lets a newcomer without a display see it start (under Xvfb).
QString ScreenshotFile(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--screenshot"));
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

}  // namespace

int Main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kProgramTitle));

    shared::QtMessages messages;
    shared::QtSingleInstance instance("pelmo");
    shared::SetDecimalSeparator(SystemDecimalSeparator());
    std::optional<StartedProgram> started = StartProgram(
        instance, messages, QCoreApplication::applicationDirPath().toStdString(), shared::DecimalSeparator());
    if (!started) {
        return 1;
    }

    // The program's printer for the session: Print Setup changes this one object, never
    // the system's defaults.
    QPrinter printer(QPrinter::HighResolution);
    shared::QtPrinter programPrinter(printer);
    shared::QtCommonDialogBackend dialogs(nullptr, &printer);
    shared::QtClipboard clipboard(*QGuiApplication::clipboard());
    shared::QtShell shell;
    shared::QtSettings settings(kProgramTitle);
    shared::QtCursor cursor;
    const ProgramStartFacts& facts = started->Facts;
    const ProgramServices services{messages,           cursor,   dialogs,           programPrinter,
                                   clipboard,          shell,    settings,          facts.ProgramFolder,
                                   facts.Help.language, facts.DegreeSign, facts.Help.fileName};

    FrmMain frmMain(started->Parts, services);
    messages.SetOwner(&frmMain);
    frmMain.show();
    frmMain.MDIForm_Load();
    if (frmMain.ExitRequested()) {
        return 1;
    }
    const QString screenshot = ScreenshotFile(QApplication::arguments());
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(1500, &frmMain, [&frmMain, screenshot] {
            const bool saved = frmMain.grab().save(screenshot);
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return application.exec();
}

}  // namespace pelmo
