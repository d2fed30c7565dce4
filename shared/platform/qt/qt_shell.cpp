#include "shared/platform/qt/qt_shell.h"

#include "shared/errors/runtime_error.h"

#include <QDesktopServices>
#include <QString>

namespace shared {

QUrl QtShell::EncodedUrl(const std::string& url) {
    return QUrl::fromEncoded(QByteArray::fromStdString(url), QUrl::StrictMode);
}

QUrl QtShell::DocumentUrl(const std::string& path) {
    return QUrl::fromLocalFile(QString::fromStdString(path));
}

void QtShell::OpenUrl(const std::string& url) {
    const QUrl address = EncodedUrl(url);
    if (!address.isValid()) {
        throw RuntimeError(error::kInvalidProcedureCall, "Shell",
                           "Invalid address: " + address.errorString().toStdString());
    }
    QDesktopServices::openUrl(address);
}

void QtShell::OpenDocument(const std::string& path) {
    QDesktopServices::openUrl(DocumentUrl(path));
}

}  // namespace shared
