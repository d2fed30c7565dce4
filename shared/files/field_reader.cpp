#include "shared/files/field_reader.h"

#include "shared/errors/runtime_error.h"
#include "shared/files/file_bytes.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

namespace shared {

namespace {

bool IsBlank(char c) noexcept {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) noexcept {
    return c == '\r' || c == '\n';
}

}  // namespace

FieldReader::FieldReader(std::string bytes, std::string source)
    : bytes_(std::move(bytes)), source_(std::move(source)) {
    contentEnd_ = bytes_.size();
    while (contentEnd_ > 0 && (IsBlank(bytes_[contentEnd_ - 1]) || IsLineEnd(bytes_[contentEnd_ - 1]))) {
        --contentEnd_;
    }
    // A file holding only empty lines has no record, like one that is empty.
    SkipTrailingEmptyLines();
}

FieldReader FieldReader::OpenFile(const std::string& path) {
    return FieldReader(ReadFileBytes(path), path);
}

std::string FieldReader::ReadField() {
    if (AtEnd()) {
        if (!shiftedAt_.empty()) {
            throw RuntimeError(error::kInputPastEndOfFile, source_,
                               StandardErrorDescription(error::kInputPastEndOfFile) +
                                   " (a field ends in text after its closing quote at " + shiftedAt_ + ")");
        }
        throw RuntimeError(error::kInputPastEndOfFile, source_);
    }
    SkipBlanks();
    std::string field;
    if (position_ < bytes_.size() && bytes_[position_] == '"') {
        ++position_;
        const std::size_t start = position_;
        while (position_ < bytes_.size() && bytes_[position_] != '"' && !IsLineEnd(bytes_[position_])) {
            ++position_;
        }
        field.assign(bytes_, start, position_ - start);
        if (position_ < bytes_.size() && bytes_[position_] == '"') {
            ++position_;
        }
        SkipBlanks();
        if (shiftedAt_.empty() && position_ < bytes_.size() && bytes_[position_] != ',' &&
            !IsLineEnd(bytes_[position_])) {
            // Text after a closing quote (or a doubled quote) starts a field of its own, as
            // the classic reader does, and shifts every later field; when the file then
            // runs out of fields, this is where to look.
            shiftedAt_ = WhereNow();
        }
    } else {
        const std::size_t start = position_;
        while (position_ < bytes_.size() && bytes_[position_] != ',' && !IsLineEnd(bytes_[position_])) {
            ++position_;
        }
        std::size_t end = position_;
        while (end > start && IsBlank(bytes_[end - 1])) {
            --end;
        }
        field.assign(bytes_, start, end - start);
    }
    ConsumeSeparator();
    SkipTrailingEmptyLines();
    return field;
}

std::vector<std::string> FieldReader::ReadRecord(std::size_t fieldCount) {
    std::vector<std::string> fields;
    fields.reserve(fieldCount);
    for (std::size_t i = 0; i < fieldCount; ++i) {
        fields.push_back(ReadField());
    }
    return fields;
}

long FieldReader::CountRecords(std::size_t fieldsPerRecord, long limit) {
    long count = 0;
    while (!AtEnd()) {
        if (count >= limit) {
            throw RuntimeError(error::kOverflow, source_);
        }
        if (fieldsPerRecord == 0) {
            // A record without fields never moves the reader; refuse instead of looping.
            throw RuntimeError(error::kInvalidProcedureCall, source_);
        }
        for (std::size_t i = 0; i < fieldsPerRecord; ++i) {
            ReadField();
        }
        ++count;
    }
    return count;
}

std::string FieldReader::WhereNow() const {
    const std::size_t line =
        1 + static_cast<std::size_t>(
                std::count(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(position_), '\n'));
    const std::size_t slash = source_.find_last_of('/');
    const std::string name = slash == std::string::npos ? source_ : source_.substr(slash + 1);
    return (name.empty() ? std::string("line ") : name + " line ") + std::to_string(line);
}

void FieldReader::SkipBlanks() noexcept {
    while (position_ < bytes_.size() && IsBlank(bytes_[position_])) {
        ++position_;
    }
}

void FieldReader::ConsumeSeparator() noexcept {
    if (position_ >= bytes_.size()) {
        return;
    }
    const char c = bytes_[position_];
    if (c == ',' || c == '\n') {
        ++position_;
    } else if (c == '\r') {
        ++position_;
        if (position_ < bytes_.size() && bytes_[position_] == '\n') {
            ++position_;
        }
    }
}

void FieldReader::SkipTrailingEmptyLines() noexcept {
    if (position_ >= contentEnd_) {
        position_ = bytes_.size();
    }
}

}  // namespace shared
