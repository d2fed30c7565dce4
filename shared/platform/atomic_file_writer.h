#ifndef SHARED_PLATFORM_ATOMIC_FILE_WRITER_H
#define SHARED_PLATFORM_ATOMIC_FILE_WRITER_H

#include "shared/errors/runtime_error.h"
#include "shared/platform/file_sink.h"

#include <memory>
#include <string>
#include <string_view>

namespace shared {

// Writes a file through a temporary file in the target's own folder (same file system,
// so the final rename is atomic): write, flush, fsync, then rename over the target only
// after the last byte. The replaced file keeps its permissions; a symbolic link as
// target stays a link and the file it points to is replaced. A target that exists and
// is no regular file (a device such as /dev/stdout, a FIFO) is never replaced: the
// whole text is written straight into it at Commit; a folder is refused.
// Single-threaded use.
class AtomicFileWriter : public FileSink {
public:
    // Creates the temporary file; raises when the folder cannot take it.
    explicit AtomicFileWriter(std::string targetPath);
    // Removes the temporary file unless Commit succeeded.
    ~AtomicFileWriter() override;
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void Write(std::string_view bytes) override;
    void Commit() override;

    // The temporary file's path while writing (for diagnostics and tests).
    const std::string& TemporaryPath() const noexcept { return tempPath_; }

private:
    void CommitDirect();
    void Flush();
    void WriteAll(std::string_view bytes);
    // Closes and removes the temporary file, then raises the error for errno value.
    [[noreturn]] void Fail(int errorNumber);
    // Raises the error for errno value, naming the target as the caller gave it.
    [[noreturn]] void Raise(int errorNumber) const;
    void Discard() noexcept;

    std::string givenPath_;  // as the caller named it, for failure reports
    std::string targetPath_;
    std::string tempPath_;
    std::string buffer_;
    int fd_ = -1;
    bool committed_ = false;
    bool direct_ = false;  // a device or pipe, written through at Commit
};

// A FileSinkOpener for the plain writer.
std::unique_ptr<FileSink> OpenAtomicFileWriter(const std::string& targetPath);

// The classic error number for a failed file-system call's errno value: 61 for a full
// disk or quota (or a file-size limit), 70 for refused access or a read-only file
// system, 75 for everything else.
int FileErrorNumber(int errorNumber) noexcept;

// The operating system's own words for an errno value ("No such file or directory",
// "Permission denied", "Is a directory", "Read-only file system").
std::string SystemErrorText(int errorNumber);

// The failure of a file-system call on path: FileErrorNumber's classic number and
// standard description, and under them the line "path: " + the system's reason, so the
// report says which file and why, not only that something failed.
RuntimeError FileSystemFailure(int errorNumber, const std::string& path);

}  // namespace shared

#endif
