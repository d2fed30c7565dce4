#ifndef SHARED_FILES_FIXED_RECORD_READER_H
#define SHARED_FILES_FIXED_RECORD_READER_H

#include <cstddef>
#include <string>
#include <string_view>

namespace shared {

// A file of fixed-length binary records without header, read whole: the model files
// cap.dat (178 bytes), ind.dat (44 bytes) and product.dat (290 bytes). Record k of the
// file belongs to record k of its index file, so the caller asks for exactly as many
// records as the index holds.
//
// A file shorter than count x record size raises RuntimeError 62 "Input past end of
// file". Records are never zero-filled: a silently zeroed model would chart as a
// plausible but wrong part. Bytes after the last requested record are ignored.
class FixedRecordReader {
public:
    // Takes count records of recordSize bytes from the start of bytes. A record size of
    // 0 raises RuntimeError 5; the source names the input in errors.
    FixedRecordReader(std::string bytes, std::size_t recordSize, std::size_t count, std::string source = {});

    // Reads the file; open failures raise 53, 70 or 75 as ReadFileBytes does.
    static FixedRecordReader OpenFile(const std::string& path, std::size_t recordSize, std::size_t count);

    std::size_t Count() const noexcept { return count_; }
    std::size_t RecordSize() const noexcept { return recordSize_; }

    // The bytes of record index (0-based); valid while the reader lives. An index at or
    // beyond Count() raises RuntimeError 9.
    std::string_view Record(std::size_t index) const;

private:
    std::string bytes_;
    std::size_t recordSize_;
    std::size_t count_;
};

}  // namespace shared

#endif
