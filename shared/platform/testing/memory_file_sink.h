#ifndef SHARED_PLATFORM_MEMORY_FILE_SINK_H
#define SHARED_PLATFORM_MEMORY_FILE_SINK_H

#include "shared/errors/runtime_error.h"
#include "shared/platform/file_sink.h"

#include <string>
#include <string_view>

namespace shared {

// Keeps a writer's bytes in memory; Committed tells whether the writer finished. With
// a failure point it raises the given error once that many bytes have been written,
// keeping only the bytes before it, as a full disk would.
class MemoryFileSink : public FileSink {
public:
    MemoryFileSink() = default;
    MemoryFileSink(std::size_t failAfterBytes, int errorNumber)
        : failAfterBytes_(failAfterBytes), errorNumber_(errorNumber) {}

    void Write(std::string_view bytes) override {
        if (committed_) {
            throw RuntimeError(error::kPathFileAccessError, "MemoryFileSink");
        }
        if (errorNumber_ != 0 && bytes_.size() + bytes.size() > failAfterBytes_) {
            bytes_.append(bytes.substr(0, failAfterBytes_ - bytes_.size()));
            throw RuntimeError(errorNumber_, "MemoryFileSink");
        }
        bytes_.append(bytes);
    }

    void Commit() override {
        if (committed_) {
            throw RuntimeError(error::kPathFileAccessError, "MemoryFileSink");
        }
        committed_ = true;
    }

    const std::string& Bytes() const noexcept { return bytes_; }
    bool Committed() const noexcept { return committed_; }

private:
    std::string bytes_;
    bool committed_ = false;
    std::size_t failAfterBytes_ = 0;
    int errorNumber_ = 0;  // 0: never fails
};

}  // namespace shared

#endif
