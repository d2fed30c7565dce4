#include "pelmo/library/library_loader.h"

#include "pelmo/library/library_files.h"
#include "pelmo/library/library_reader.h"

#include "shared/errors/runtime_error.h"
#include "shared/errors/start_failure.h"
#include "shared/files/field_reader.h"
#include "shared/files/fixed_record_reader.h"
#include "shared/platform/error_report.h"
#include "shared/platform/program_folder.h"
#include "shared/text/number_text.h"

#include <cstdint>
#include <exception>

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

}  // namespace

std::size_t CountIndexRecords(const std::string& path, std::size_t fieldsPerRecord,
                              const IndexRecordCheck& check) {
    if (fieldsPerRecord == 0) {
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall, path);
    }
    shared::FieldReader reader = shared::FieldReader::OpenFile(path);
    std::size_t count = 0;
    while (!reader.AtEnd()) {
        // The counter of the windows is 16-bit: one record more would overflow it.
        if (count >= static_cast<std::size_t>(kMaxLibraryRecords)) {
            throw shared::RuntimeError(shared::error::kOverflow, path);
        }
        const std::vector<std::string> fields = reader.ReadRecord(fieldsPerRecord);
        if (check) {
            check(fields);
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
        const auto model = shared::FixedRecordReader::OpenFile(
            LibraryFile(programFolder, kCapacitorModelFile), kCapacitorModelSize, capacitors.size());
        for (std::size_t i = 0; i < capacitors.size(); ++i) {
            ReadCapacitorModel(model.Record(i), capacitors[i]);
        }
    }
    {
        auto index = shared::FieldReader::OpenFile(LibraryFile(programFolder, kCapacitorIndexFile));
        for (CapacitorRecord& record : capacitors) {
            ReadCapacitorIndexFields(index.ReadRecord(kCapacitorIndexFields), record);
        }
    }

    std::vector<InductorRecord>& inductors = library.InductorTable;
    {
        const auto model = shared::FixedRecordReader::OpenFile(LibraryFile(programFolder, kInductorModelFile),
                                                               kInductorModelSize, inductors.size());
        for (std::size_t i = 0; i < inductors.size(); ++i) {
            ReadInductorModel(model.Record(i), inductors[i]);
        }
    }
    {
        auto index = shared::FieldReader::OpenFile(LibraryFile(programFolder, kInductorIndexFile));
        library.InductorPartIndex.Clear();
        for (std::size_t i = 0; i < inductors.size(); ++i) {
            ReadInductorIndexFields(index.ReadRecord(kInductorIndexFields), inductors[i]);
            // Two inductors with one part number (in any letter case) would make the
            // second unreachable by its number, so the start stops with 457.
            library.InductorPartIndex.Add(inductors[i].PartNumber, static_cast<std::int32_t>(i));
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
