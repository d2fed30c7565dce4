#include "shared/files/file_bytes.h"

#include "shared/errors/runtime_error.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
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

}  // namespace

std::string ReadFileBytes(const std::string& path) {
    if (path.empty()) {
        throw RuntimeError(error::kFileNotFound, path);
    }
    // fopen succeeds on a folder on POSIX systems; only the read would fail, with a
    // less telling error, so a folder is refused here.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        throw RuntimeError(error::kPathFileAccessError, path);
    }
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw RuntimeError(OpenErrorNumber(errno), path);
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, got);
        if (got < sizeof buffer) {
            break;
        }
    }
    if (std::ferror(file.get())) {
        throw RuntimeError(error::kPathFileAccessError, path);
    }
    return bytes;
}

}  // namespace shared
