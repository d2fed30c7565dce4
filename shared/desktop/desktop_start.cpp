#include "shared/desktop/desktop_start.h"

#include <QApplication>
#include <QLocale>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace shared {

namespace {

// The settled picture: the main window has laid out its child windows and loaded.
constexpr int kScreenshotDelayMs = 1500;

QString ScreenshotFile(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--screenshot"));
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

}  // namespace

char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80) {
        return static_cast<char>(point.at(0).unicode());
    }
    return '.';
}

int RunDesktopEventLoop(QApplication& application, QWidget& mainWindow) {
    const QString screenshot = ScreenshotFile(QApplication::arguments());
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(kScreenshotDelayMs, &mainWindow, [&mainWindow, screenshot] {
            const bool saved = mainWindow.grab().save(screenshot);
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return application.exec();
}

}  // namespace shared
