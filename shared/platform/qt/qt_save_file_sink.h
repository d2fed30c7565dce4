#ifndef SHARED_PLATFORM_QT_SAVE_FILE_SINK_H
#define SHARED_PLATFORM_QT_SAVE_FILE_SINK_H

#include "shared/platform/file_sink.h"

#include <QSaveFile>

#include <memory>
#include <string>
#include <string_view>

namespace shared {

// The desktop programs' file sink over QSaveFile: the same contract as AtomicFileWriter
// (nothing replaces the target before Commit; a failure or an uncommitted end leaves
// the old file), with the toolkit's handling of permissions and links.
class QtSaveFileSink : public FileSink {
public:
    // Raises 70 or 75 when the file cannot be started in its folder. Every failure's
    // description adds a line naming the path and the reason.
    explicit QtSaveFileSink(const std::string& targetPath);

    void Write(std::string_view bytes) override;
    void Commit() override;

private:
    [[noreturn]] void Fail();

    QSaveFile file_;
    std::string path_;  // as the caller named it, for failure reports
    bool committed_ = false;
};

// A FileSinkOpener for the desktop programs.
std::unique_ptr<FileSink> OpenQtSaveFile(const std::string& targetPath);

}  // namespace shared

#endif
