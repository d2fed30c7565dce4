#include "shared/platform/testing/failing_file_sink.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/atomic_file_writer.h"
#include "shared/platform/error_report.h"

#include <cerrno>
#include <utility>

namespace shared {

FailingFileSink::FailingFileSink(std::unique_ptr<FileSink> inner, std::size_t failAfterBytes, int errorNumber,
                                 std::string targetPath)
    : inner_(std::move(inner)),
      remaining_(failAfterBytes),
      errorNumber_(errorNumber),
      targetPath_(std::move(targetPath)) {}

void FailingFileSink::Write(std::string_view bytes) {
    if (bytes.size() > remaining_) {
        inner_->Write(bytes.substr(0, remaining_));
        remaining_ = 0;
        if (targetPath_.empty()) {
            throw RuntimeError(errorNumber_, "FailingFileSink");
        }
        const int reason = errorNumber_ == error::kDiskFull           ? ENOSPC
                           : errorNumber_ == error::kPermissionDenied ? EACCES
                                                                      : EIO;
        throw WithDetailLine(RuntimeError(errorNumber_, "FailingFileSink"),
                             targetPath_ + ": " + SystemErrorText(reason));
    }
    remaining_ -= bytes.size();
    inner_->Write(bytes);
}

void FailingFileSink::Commit() {
    inner_->Commit();
}

FileSinkOpener FailingFileSink::Opener(std::size_t failAfterBytes, int errorNumber) {
    return [failAfterBytes, errorNumber](const std::string& targetPath) -> std::unique_ptr<FileSink> {
        return std::make_unique<FailingFileSink>(OpenAtomicFileWriter(targetPath), failAfterBytes,
                                                 errorNumber, targetPath);
    };
}

}  // namespace shared
