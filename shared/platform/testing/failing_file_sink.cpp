#include "shared/platform/testing/failing_file_sink.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/atomic_file_writer.h"

#include <utility>

namespace shared {

FailingFileSink::FailingFileSink(std::unique_ptr<FileSink> inner, std::size_t failAfterBytes, int errorNumber)
    : inner_(std::move(inner)), remaining_(failAfterBytes), errorNumber_(errorNumber) {}

void FailingFileSink::Write(std::string_view bytes) {
    if (bytes.size() > remaining_) {
        inner_->Write(bytes.substr(0, remaining_));
        remaining_ = 0;
        throw RuntimeError(errorNumber_, "FailingFileSink");
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
                                                 errorNumber);
    };
}

}  // namespace shared
