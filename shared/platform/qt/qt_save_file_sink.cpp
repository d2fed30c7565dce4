#include "shared/platform/qt/qt_save_file_sink.h"

#include "shared/errors/runtime_error.h"

#include <QFileInfo>

namespace shared {

namespace {

constexpr const char* kSource = "QtSaveFileSink";

int ErrorNumberFor(const QSaveFile& file) {
    switch (file.error()) {
        case QFileDevice::PermissionsError:
            return error::kPermissionDenied;
        case QFileDevice::ResourceError:  // the toolkit's report of a full disk
            return error::kDiskFull;
        default:
            break;
    }
    // An open refused for want of rights is reported as a plain open error; tell it
    // apart by the folder.
    const QFileInfo folder(QFileInfo(file.fileName()).absolutePath());
    if (file.error() == QFileDevice::OpenError && folder.isDir() && !folder.isWritable()) {
        return error::kPermissionDenied;
    }
    return error::kPathFileAccessError;
}

}  // namespace

QtSaveFileSink::QtSaveFileSink(const std::string& targetPath)
    : file_(QString::fromStdString(targetPath)), path_(targetPath) {
    if (!file_.open(QIODevice::WriteOnly)) {
        Fail();
    }
}

void QtSaveFileSink::Write(std::string_view bytes) {
    if (committed_ || !file_.isOpen()) {
        throw RuntimeError(error::kPathFileAccessError, kSource);
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file_.write(bytes.data(), size) != size) {
        Fail();
    }
}

void QtSaveFileSink::Commit() {
    if (committed_ || !file_.isOpen()) {
        throw RuntimeError(error::kPathFileAccessError, kSource);
    }
    if (!file_.commit()) {
        Fail();
    }
    committed_ = true;
}

void QtSaveFileSink::Fail() {
    const int number = ErrorNumberFor(file_);
    // The toolkit words the system's reason ("Permission denied", "No such file or
    // directory"); the report adds it and the path under the standard text.
    std::string reason = file_.errorString().toStdString();
    if (reason.empty() || file_.errorString() == QStringLiteral("Unknown error")) {
        reason = "the file could not be written";
    }
    file_.cancelWriting();
    throw RuntimeError(number, kSource, StandardErrorDescription(number) + "\r\n" + path_ + ": " + reason);
}

std::unique_ptr<FileSink> OpenQtSaveFile(const std::string& targetPath) {
    return std::make_unique<QtSaveFileSink>(targetPath);
}

}  // namespace shared
