#include "shared/platform/atomic_file_writer.h"

#include "shared/errors/runtime_error.h"

#include <cerrno>
#include <clocale>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <locale.h>
#include <string.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace shared {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
constexpr int kCreateAttempts = 100;
constexpr const char* kSource = "AtomicFileWriter";

// A link as target: replace the file it points to, not the link.
std::string ResolveTarget(const std::string& targetPath) {
    std::error_code error;
    if (std::filesystem::is_symlink(targetPath, error)) {
        const auto resolved = std::filesystem::weakly_canonical(targetPath, error);
        if (!error) {
            return resolved.string();
        }
    }
    return targetPath;
}

}  // namespace

std::string SystemErrorText(int errorNumber) {
    // In English like every other text of the programs: strerror and the error
    // category follow the user's LC_MESSAGES, which would put a German reason under an
    // English report. The "C" locale's texts are the system's own wording.
    static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    if (cLocale != locale_t{}) {
        return ::strerror_l(errorNumber, cLocale);
    }
    return std::generic_category().message(errorNumber);
}

RuntimeError FileSystemFailure(int errorNumber, const std::string& path) {
    const int number = FileErrorNumber(errorNumber);
    return RuntimeError(
        number, path, StandardErrorDescription(number) + "\r\n" + path + ": " + SystemErrorText(errorNumber));
}

int FileErrorNumber(int errorNumber) noexcept {
    switch (errorNumber) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return error::kDiskFull;
        case EACCES:
        case EPERM:
        case EROFS:
            return error::kPermissionDenied;
        default:
            return error::kPathFileAccessError;
    }
}

AtomicFileWriter::AtomicFileWriter(std::string targetPath)
    : givenPath_(targetPath), targetPath_(ResolveTarget(targetPath)) {
    // A device or a pipe (/dev/stdout, a FIFO) cannot be replaced by renaming a file
    // over it without destroying it: such a target is written straight through, once
    // the whole text is known. The path is opened as given, since a link such as
    // /dev/stdout may lead to something no canonical path names.
    struct stat special {};
    if (::stat(targetPath.c_str(), &special) == 0 && !S_ISREG(special.st_mode)) {
        if (S_ISDIR(special.st_mode)) {
            Raise(EISDIR);
        }
        targetPath_ = std::move(targetPath);
        direct_ = true;
        return;
    }
    const std::filesystem::path target(targetPath_);
    if (target.filename().empty()) {
        Raise(EISDIR);
    }
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    // The name starts with "." so a file manager does not show it while it is written;
    // O_EXCL guarantees it is ours alone. Mode 0666 lets the umask decide, as for any
    // new file.
    static unsigned counter = 0;
    for (int attempt = 0; attempt < kCreateAttempts && fd_ < 0; ++attempt) {
        tempPath_ = (folder / ("." + target.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                               std::to_string(++counter)))
                        .string();
        fd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) {
            const int failure = errno;
            tempPath_.clear();
            Raise(failure);
        }
    }
    if (fd_ < 0) {
        tempPath_.clear();
        Raise(EEXIST);
    }
    // A replaced file keeps the permissions its owner gave it.
    struct stat existing {};
    if (::stat(targetPath_.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ::fchmod(fd_, existing.st_mode & 07777);
    }
    buffer_.reserve(kBufferSize);
}

AtomicFileWriter::~AtomicFileWriter() {
    if (!committed_) {
        Discard();
    }
}

void AtomicFileWriter::Write(std::string_view bytes) {
    if (committed_ || (fd_ < 0 && !direct_)) {
        throw RuntimeError(error::kPathFileAccessError, kSource);
    }
    if (direct_) {
        buffer_.append(bytes);
        return;
    }
    if (buffer_.size() + bytes.size() > kBufferSize) {
        Flush();
    }
    if (bytes.size() >= kBufferSize) {
        WriteAll(bytes);
    } else {
        buffer_.append(bytes);
    }
}

void AtomicFileWriter::Commit() {
    if (committed_ || (fd_ < 0 && !direct_)) {
        throw RuntimeError(error::kPathFileAccessError, kSource);
    }
    if (direct_) {
        CommitDirect();
        return;
    }
    Flush();
    if (::fsync(fd_) != 0) {
        Fail(errno);
    }
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) {
        Fail(errno);
    }
    if (::rename(tempPath_.c_str(), targetPath_.c_str()) != 0) {
        Fail(errno);
    }
    committed_ = true;
    // Make the rename itself durable; the file is already complete, so a failure here
    // changes nothing the user could act on.
    std::filesystem::path folder = std::filesystem::path(targetPath_).parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
}

void AtomicFileWriter::CommitDirect() {
    fd_ = ::open(targetPath_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd_ < 0) {
        Fail(errno);
    }
    Flush();
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) {
        Fail(errno);
    }
    committed_ = true;
}

void AtomicFileWriter::Flush() {
    if (!buffer_.empty()) {
        WriteAll(buffer_);
        buffer_.clear();
    }
}

void AtomicFileWriter::WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void AtomicFileWriter::Fail(int errorNumber) {
    Discard();
    Raise(errorNumber);
}

void AtomicFileWriter::Raise(int errorNumber) const {
    throw FileSystemFailure(errorNumber, givenPath_);
}

void AtomicFileWriter::Discard() noexcept {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
    buffer_.clear();
}

std::unique_ptr<FileSink> OpenAtomicFileWriter(const std::string& targetPath) {
    return std::make_unique<AtomicFileWriter>(targetPath);
}

}  // namespace shared
