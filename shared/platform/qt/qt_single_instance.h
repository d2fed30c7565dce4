#ifndef SHARED_PLATFORM_QT_SINGLE_INSTANCE_H
#define SHARED_PLATFORM_QT_SINGLE_INSTANCE_H

#include "shared/platform/single_instance.h"

#include <QLockFile>
#include <QString>

namespace shared {

// One copy per user through a lock file named after the program in the runtime folder
// (the temporary folder when there is none). The lock is held until the object ends.
// A lock left by a copy that crashed is taken over: QLockFile checks whether the
// recorded process still runs, and age alone never makes a live copy's lock stale. A
// lock file that names no owner is taken over once it is old and no process holds it.
class QtSingleInstance : public SingleInstance {
public:
    // folder: where the lock file lives; empty for the runtime folder.
    explicit QtSingleInstance(const std::string& programName, const QString& folder = {});
    QtSingleInstance(const QtSingleInstance&) = delete;
    QtSingleInstance& operator=(const QtSingleInstance&) = delete;

    bool Acquire() override;

    const QString& LockFilePath() const noexcept { return path_; }

private:
    QString path_;
    QLockFile lock_;
};

}  // namespace shared

#endif
