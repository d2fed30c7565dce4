#include "shared/files/file_bytes.h"

#include "shared/errors/runtime_error.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <system_error>

namespace shared {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};

int OpenErrorNumber(int errnoValue) {
    switch (errnoValue) {
        case ENOENT:
        case ENOTDIR:
            return error::kFileNotFound;
        case EACCES:
        case EPERM:
            return error::kPermissionDenied;
        default:
            return error::kPathFileAccessError;
    }
}

RuntimeError NotARegularFile(const std::string& path) {
    return RuntimeError(error::kPathFileAccessError, path,
                        StandardErrorDescription(error::kPathFileAccessError) + ": not a regular file");
}

}  // namespace

std::string ReadFileBytes(const std::string& path, std::size_t maxBytes, bool truncate) {
    if (path.empty()) {
        throw RuntimeError(error::kFileNotFound, path);
    }
    // fopen succeeds on a folder on POSIX systems; only the read would fail, with a
    // less telling error, so a folder is refused here.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        throw RuntimeError(error::kPathFileAccessError, path);
    }
    // Checked before opening too, because opening a FIFO would wait for a writer.
    struct stat before {};
    if (::stat(path.c_str(), &before) == 0 && !S_ISREG(before.st_mode)) {
        throw NotARegularFile(path);
    }
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw RuntimeError(OpenErrorNumber(errno), path);
    }
    struct stat status {};
    if (::fstat(::fileno(file.get()), &status) != 0 || !S_ISREG(status.st_mode)) {
        throw NotARegularFile(path);
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const std::size_t room = maxBytes - bytes.size();
        const std::size_t want = room < sizeof buffer ? room : sizeof buffer;
        const std::size_t got = want == 0 ? 0 : std::fread(buffer, 1, want, file.get());
        bytes.append(buffer, got);
        if (bytes.size() == maxBytes) {
            // Full: the file may still hold more, which a caller that needs all of it must hear.
            if (!truncate && std::fgetc(file.get()) != EOF) {
                throw RuntimeError(error::kOutOfMemory, path,
                                   StandardErrorDescription(error::kOutOfMemory) + ": larger than " +
                                       std::to_string(maxBytes) + " bytes");
            }
            break;
        }
        if (got < want) {
            break;
        }
    }
    if (std::ferror(file.get())) {
        throw RuntimeError(error::kPathFileAccessError, path);
    }
    return bytes;
}

}  // namespace shared
