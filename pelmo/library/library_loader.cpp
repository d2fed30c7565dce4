#include "pelmo/library/library_loader.h"

#include "pelmo/library/library_files.h"
#include "pelmo/library/library_reader.h"

#include "shared/errors/runtime_error.h"
#include "shared/errors/start_failure.h"
#include "shared/files/field_reader.h"
#include "shared/files/file_bytes.h"
#include "shared/files/fixed_record_reader.h"
#include "shared/parts/key_collection.h"
#include "shared/platform/atomic_file_writer.h"
#include "shared/platform/error_report.h"
#include "shared/platform/program_folder.h"
#include "shared/text/number_text.h"

#include <cerrno>
#include <cstdint>
#include <exception>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace pelmo {

namespace {

std::string LibraryFile(const std::string& programFolder, const char* name) {
    return shared::JoinFolderAndName(programFolder, name);
}

// Runs one start-up procedure and gives any failure the procedure's title, so the
// report names where the start stopped.
template <class Body>
void RunTitled(const char* title, Body body) {
    try {
        body();
    } catch (const shared::StartFailure&) {
        throw;
    } catch (const std::exception& failure) {
        throw shared::StartFailure(title, shared::AsRuntimeError(failure));
    } catch (...) {
        throw shared::StartFailure(title, shared::RuntimeError(shared::error::kInvalidProcedureCall));
    }
}

void ConvertInPlace(std::string& text) {
    text = shared::DotToComma(text);
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Why a library file could not be read, in the operating system's words where it has
// them: the readers keep only the classic number.
std::string ReadFailureReason(const shared::RuntimeError& failure, const std::string& path) {
    std::string remark = shared::DescriptionBeyondStandard(failure);
    if (!remark.empty()) {
        return remark;
    }
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return shared::SystemErrorText(errno);
    }
    if (S_ISDIR(status.st_mode)) {
        return shared::SystemErrorText(EISDIR);
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return shared::SystemErrorText(errno);
    }
    ::close(fd);
    return "it could not be read";
}

// The open or read failure of a library file, naming the file and the reason and then
// the path it was looked for at.
[[noreturn]] void FailToRead(const shared::RuntimeError& failure, const std::string& path) {
    throw shared::WithDetailLine(
        failure, FileNameOf(path) + ": " + ReadFailureReason(failure, path) + " (" + path + ")");
}

// A failure inside record (1-based) of an index file: the record reader's reason, or the
// standard text when it gave none.
[[noreturn]] void FailAtRecord(const shared::RuntimeError& failure, const std::string& path,
                               std::size_t record) {
    std::string reason = shared::DescriptionBeyondStandard(failure);
    if (reason.empty()) {
        reason = shared::StandardErrorDescription(failure.Number());
    }
    throw shared::WithDetailLine(failure,
                                 FileNameOf(path) + " record " + std::to_string(record) + ": " + reason);
}

shared::FieldReader OpenIndex(const std::string& path) {
    try {
        return shared::FieldReader::OpenFile(path);
    } catch (const shared::RuntimeError& failure) {
        FailToRead(failure, path);
    }
}

// The next record of an index file, field by field, so that a file ending inside the
// record tells how far it got.
std::vector<std::string> ReadIndexRecord(shared::FieldReader& reader, const std::string& path,
                                         std::size_t record, std::size_t fieldsPerRecord) {
    std::vector<std::string> fields;
    fields.reserve(fieldsPerRecord);
    try {
        while (fields.size() < fieldsPerRecord) {
            fields.push_back(reader.ReadField());
        }
    } catch (const shared::RuntimeError& failure) {
        std::string reason = "the file ends after " + std::to_string(fields.size()) + " of its " +
                             std::to_string(fieldsPerRecord) + " fields";
        // The reader's remark on a quote that shifted the fields says where to look.
        if (const std::string remark = shared::DescriptionBeyondStandard(failure); !remark.empty()) {
            reason += " (" + remark + ")";
        }
        throw shared::WithDetailLine(failure,
                                     FileNameOf(path) + " record " + std::to_string(record) + ": " + reason);
    }
    return fields;
}

// count records of recordSize bytes from a model file, as its index lists them; a file
// that holds fewer says how many it holds.
shared::FixedRecordReader OpenModel(const std::string& path, std::size_t recordSize, std::size_t count,
                                    const char* indexFile, const char* what) {
    std::string bytes;
    try {
        bytes = shared::ReadFileBytes(path, count * recordSize, true);
    } catch (const shared::RuntimeError& failure) {
        FailToRead(failure, path);
    }
    if (bytes.size() < count * recordSize) {
        const std::size_t complete = bytes.size() / recordSize;
        std::string detail = FileNameOf(path) + ": it holds " + std::to_string(complete) +
                             " complete record" + (complete == 1 ? "" : "s") + " of " +
                             std::to_string(recordSize) + " bytes";
        if (bytes.size() % recordSize != 0) {
            detail += " and " + std::to_string(bytes.size() % recordSize) + " bytes more";
        }
        detail += ", but " + std::string(indexFile) + " lists " + std::to_string(count) + " " + what + " (" +
                  path + ")";
        throw shared::WithDetailLine(shared::RuntimeError(shared::error::kInputPastEndOfFile, path), detail);
    }
    return shared::FixedRecordReader(std::move(bytes), recordSize, count, path);
}

void AddInductorPartNumber(shared::KeyCollection& lookup, const std::string& partNumber,
                           const std::string& path, std::size_t index) {
    const std::optional<std::int32_t> earlier = lookup.Find(partNumber);
    try {
        lookup.Add(partNumber, static_cast<std::int32_t>(index));
    } catch (const shared::RuntimeError& failure) {
        std::string reason;
        if (earlier) {
            reason = "the part number " + ShownField(partNumber) + " is there already in record " +
                     std::to_string(*earlier + 1);
            const std::string spelling = lookup.Spelling(partNumber).value_or(partNumber);
            if (spelling != partNumber) {
                reason += " as " + ShownField(spelling);
            }
        } else if (partNumber.empty()) {
            reason = "the part number is empty";
        } else {
            reason = shared::StandardErrorDescription(failure.Number());
        }
        throw shared::WithDetailLine(
            failure, FileNameOf(path) + " record " + std::to_string(index + 1) + ": " + reason);
    }
}

}  // namespace

std::size_t CountIndexRecords(const std::string& path, std::size_t fieldsPerRecord,
                              const IndexRecordCheck& check) {
    if (fieldsPerRecord == 0) {
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall, path);
    }
    shared::FieldReader reader = OpenIndex(path);
    std::size_t count = 0;
    while (!reader.AtEnd()) {
        // The counter of the windows is 16-bit: one record more would overflow it.
        if (count >= static_cast<std::size_t>(kMaxLibraryRecords)) {
            throw shared::WithDetailLine(
                shared::RuntimeError(shared::error::kOverflow, path),
                FileNameOf(path) + ": more than " + std::to_string(kMaxLibraryRecords) + " records");
        }
        const std::vector<std::string> fields = ReadIndexRecord(reader, path, count + 1, fieldsPerRecord);
        if (check) {
            try {
                check(fields);
            } catch (const shared::RuntimeError& failure) {
                FailAtRecord(failure, path, count + 1);
            }
        }
        ++count;
    }
    return count;
}

Library CreateLibraryTables(const std::string& programFolder) {
    Library library;
    // The counting pass reads each record into a scratch record, as the tables are
    // filled later, so a chip shape that is no number already stops it.
    library.CapacitorTable.resize(CountIndexRecords(LibraryFile(programFolder, kCapacitorIndexFile),
                                                    kCapacitorIndexFields,
                                                    [](const std::vector<std::string>& fields) {
                                                        CapacitorRecord scratch;
                                                        ReadCapacitorIndexFields(fields, scratch);
                                                    }));
    library.InductorTable.resize(
        CountIndexRecords(LibraryFile(programFolder, kInductorIndexFile), kInductorIndexFields));
    return library;
}

void GetData(const std::string& programFolder, Library& library) {
    std::vector<CapacitorRecord>& capacitors = library.CapacitorTable;
    {
        const auto model = OpenModel(LibraryFile(programFolder, kCapacitorModelFile), kCapacitorModelSize,
                                     capacitors.size(), kCapacitorIndexFile, "capacitors");
        for (std::size_t i = 0; i < capacitors.size(); ++i) {
            ReadCapacitorModel(model.Record(i), capacitors[i]);
        }
    }
    {
        const std::string path = LibraryFile(programFolder, kCapacitorIndexFile);
        auto index = OpenIndex(path);
        for (std::size_t i = 0; i < capacitors.size(); ++i) {
            const auto fields = ReadIndexRecord(index, path, i + 1, kCapacitorIndexFields);
            try {
                ReadCapacitorIndexFields(fields, capacitors[i]);
            } catch (const shared::RuntimeError& failure) {
                FailAtRecord(failure, path, i + 1);
            }
        }
    }

    std::vector<InductorRecord>& inductors = library.InductorTable;
    {
        const auto model = OpenModel(LibraryFile(programFolder, kInductorModelFile), kInductorModelSize,
                                     inductors.size(), kInductorIndexFile, "inductors");
        for (std::size_t i = 0; i < inductors.size(); ++i) {
            ReadInductorModel(model.Record(i), inductors[i]);
        }
    }
    {
        const std::string path = LibraryFile(programFolder, kInductorIndexFile);
        auto index = OpenIndex(path);
        library.InductorPartIndex.Clear();
        for (std::size_t i = 0; i < inductors.size(); ++i) {
            const auto fields = ReadIndexRecord(index, path, i + 1, kInductorIndexFields);
            try {
                ReadInductorIndexFields(fields, inductors[i]);
            } catch (const shared::RuntimeError& failure) {
                FailAtRecord(failure, path, i + 1);
            }
            // Two inductors with one part number (in any letter case) would make the
            // second unreachable by its number, so the start stops with 457.
            AddInductorPartNumber(library.InductorPartIndex, inductors[i].PartNumber, path, i);
        }
    }
}

void ApplyDecimalSeparator(Library& library, char decimalSeparator) {
    if (decimalSeparator != ',') {
        return;
    }
    for (CapacitorRecord& record : library.CapacitorTable) {
        ConvertInPlace(record.NominalCapacitance);
        ConvertInPlace(record.RatedVoltage);
        for (std::string& text : record.SizeSheet) {
            ConvertInPlace(text);
        }
    }
    for (InductorRecord& record : library.InductorTable) {
        ConvertInPlace(record.Inductance);
        ConvertInPlace(record.RatedCurrent);
        for (std::string& text : record.SizeSheet) {
            ConvertInPlace(text);
        }
    }
}

Library LoadLibrary(const std::string& programFolder, char decimalSeparator) {
    Library library;
    RunTitled(kMainFailureTitle, [&] { library = CreateLibraryTables(programFolder); });
    RunTitled(kGetDataFailureTitle, [&] {
        GetData(programFolder, library);
        ApplyDecimalSeparator(library, decimalSeparator);
    });
    return library;
}

}  // namespace pelmo
