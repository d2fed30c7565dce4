#include "shared/files/fixed_record_reader.h"

#include "shared/errors/runtime_error.h"
#include "shared/files/file_bytes.h"

#include <limits>
#include <utility>

namespace shared {

FixedRecordReader::FixedRecordReader(std::string bytes, std::size_t recordSize, std::size_t count,
                                     std::string source)
    : bytes_(std::move(bytes)), recordSize_(recordSize), count_(count) {
    if (recordSize_ == 0) {
        throw RuntimeError(error::kInvalidProcedureCall, source);
    }
    // Compared by division so that an absurd count cannot wrap the product around.
    if (count_ > 0 && (count_ > std::numeric_limits<std::size_t>::max() / recordSize_ ||
                       bytes_.size() < count_ * recordSize_)) {
        throw RuntimeError(error::kInputPastEndOfFile, source);
    }
    bytes_.resize(count_ * recordSize_);
}

FixedRecordReader FixedRecordReader::OpenFile(const std::string& path, std::size_t recordSize,
                                              std::size_t count) {
    // Only the records the index promises are read, so bytes appended to the file (or a
    // file that never ends) cost nothing.
    if (recordSize == 0 || (count > 0 && count > std::numeric_limits<std::size_t>::max() / recordSize)) {
        throw RuntimeError(error::kInputPastEndOfFile, path);
    }
    return FixedRecordReader(ReadFileBytes(path, count * recordSize, true), recordSize, count, path);
}

std::string_view FixedRecordReader::Record(std::size_t index) const {
    if (index >= count_) {
        throw RuntimeError(error::kSubscriptOutOfRange);
    }
    return std::string_view(bytes_).substr(index * recordSize_, recordSize_);
}

}  // namespace shared
