#include "shared/platform/qt/qt_single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace shared {

namespace {

QString LockFolder(const QString& folder) {
    if (!folder.isEmpty()) {
        return folder;
    }
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace

QtSingleInstance::QtSingleInstance(const std::string& programName, const QString& folder)
    : path_(QDir(LockFolder(folder)).filePath(QString::fromStdString(programName) + QStringLiteral(".lock"))),
      lock_(path_) {
    // 0: a lock is stale only when its process is gone, never because it is old.
    lock_.setStaleLockTime(0);
}

bool QtSingleInstance::Acquire() {
    return lock_.isLocked() || lock_.tryLock(0);
}

}  // namespace shared
