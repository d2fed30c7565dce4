#include "shared/platform/qt/qt_single_instance.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace shared {

namespace {

// A live copy writes its lock file within microseconds of making it; one that has
// named no owner for this long never will.
constexpr qint64 kOwnerlessSeconds = 10;

QString LockFolder(const QString& folder) {
    if (!folder.isEmpty()) {
        return folder;
    }
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

// A lock file that names no owner (a copy killed between making the file and writing
// it, or a power cut before the text reached the disk) is one QLockFile never judges
// stale, which would refuse every later start. It is removed when it has been ownerless
// for a while and no process holds the file lock a live copy keeps on it.
bool RemoveOwnerlessLock(const QLockFile& lock, const QString& path) {
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application)) {
        return false;  // an owner is named: QLockFile has judged it already
    }
    const QFileInfo info(path);
    if (!info.exists() || info.lastModified().secsTo(QDateTime::currentDateTime()) < kOwnerlessSeconds) {
        return false;
    }
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool removed = false;
    struct stat opened {};
    struct stat named {};
    // The same file still under that name: another start may have replaced it already.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
        ::stat(name.constData(), &named) == 0 && opened.st_dev == named.st_dev &&
        opened.st_ino == named.st_ino) {
        removed = ::unlink(name.constData()) == 0;
    }
    ::close(fd);
    return removed;
}

}  // namespace

QtSingleInstance::QtSingleInstance(const std::string& programName, const QString& folder)
    : path_(QDir(LockFolder(folder)).filePath(QString::fromStdString(programName) + QStringLiteral(".lock"))),
      lock_(path_) {
    // 0: a lock is stale only when its process is gone, never because it is old.
    lock_.setStaleLockTime(0);
}

bool QtSingleInstance::Acquire() {
    if (lock_.isLocked() || lock_.tryLock(0)) {
        return true;
    }
    return lock_.error() == QLockFile::LockFailedError && RemoveOwnerlessLock(lock_, path_) &&
           lock_.tryLock(0);
}

}  // namespace shared
