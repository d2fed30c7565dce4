#ifndef SHARED_FILES_FIELD_READER_H
#define SHARED_FILES_FIELD_READER_H

#include <cstddef>
#include <string>
#include <vector>

namespace shared {

// Sequential reader of comma-separated text fields, as the library index files
// (cap.idx, ind.idx, product.idx) are read. The files were written for the classic
// sequential "input" of BASIC and are read the same way, field by field, so a record
// may be split over several lines and line ends count as separators.
//
// The rules, in the order they apply when a field is read:
// - Blanks (space, tab) before a field are skipped.
// - A field that starts with a double quote runs to the next double quote and is taken
//   without the quotes; it keeps commas and blanks. A line end before the closing quote
//   also ends it, so one unbalanced quote spoils one field, not the rest of the file.
//   After the closing quote, blanks are skipped and a following comma or line end is
//   taken as the separator; any other character starts the next field (so "1,2""X" is
//   read as the two fields 1,2 and X).
// - Any other field ends at the next comma or line end and loses its trailing blanks.
//   Double quotes inside such a field are kept as data.
// - The separator after a field (a comma, or a line end: CR LF, LF or CR) is consumed.
//   Hence an empty line, ",," and a comma at the end of a line each give one empty
//   field, and a field cut off by the end of the file is complete.
// - When nothing but blanks and line ends follows a field, the reader moves to the end,
//   so trailing empty lines do not add a record.
// - Reading when the end has been reached raises RuntimeError 62 "Input past end of
//   file".
// Bytes are taken as they are (no character set conversion); any byte sequence gives
// fields or error 62, never a crash or a hang.
class FieldReader {
public:
    // Reads from bytes held in memory. The source names the input in errors.
    explicit FieldReader(std::string bytes, std::string source = {});

    // Reads the whole file. Raises RuntimeError 53 when it does not exist, 70 when it
    // may not be read and 75 for any other failure (a folder, a read error).
    static FieldReader OpenFile(const std::string& path);

    // True when no field is left.
    bool AtEnd() const noexcept { return position_ >= bytes_.size(); }

    // The next field. RuntimeError 62 at the end.
    std::string ReadField();

    // The next fieldCount fields. RuntimeError 62 when the end comes first; the fields
    // read before that are consumed.
    std::vector<std::string> ReadRecord(std::size_t fieldCount);

    // Reads records of fieldsPerRecord fields until the end and returns how many there
    // were, as the library start counts its records before reading them. An incomplete
    // last record raises RuntimeError 62. A count above limit raises RuntimeError 6
    // "Overflow", as a 16-bit record counter would, and stops reading there.
    long CountRecords(std::size_t fieldsPerRecord, long limit = 32767);

private:
    // "<file name> line <n>" of the reading position, for messages.
    std::string WhereNow() const;
    void SkipBlanks() noexcept;
    // Consumes one separator (comma or line end) if one is next.
    void ConsumeSeparator() noexcept;
    // Moves to the end when only blanks and line ends remain.
    void SkipTrailingEmptyLines() noexcept;

    std::string bytes_;
    std::string source_;
    std::string shiftedAt_;  // where text first followed a closing quote
    std::size_t position_ = 0;
    // One past the last byte that is neither a blank nor a line end.
    std::size_t contentEnd_ = 0;
};

}  // namespace shared

#endif
