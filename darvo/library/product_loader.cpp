#include "darvo/library/product_loader.h"

#include "darvo/library/derived_values.h"
#include "darvo/library/product_files.h"
#include "darvo/library/product_reader.h"

#include "shared/errors/runtime_error.h"
#include "shared/errors/start_failure.h"
#include "shared/files/field_reader.h"
#include "shared/files/file_bytes.h"
#include "shared/files/fixed_record_reader.h"
#include "shared/platform/error_report.h"
#include "shared/platform/program_folder.h"

#include <exception>

namespace darvo {

namespace {

// A file failure whose description says which file, so the report is clear without the
// source field the user never sees.
[[noreturn]] void FileFailure(const shared::RuntimeError& error, const char* name,
                              const std::string& detail) {
    throw shared::RuntimeError(error.Number(), name, std::string(name) + ": " + detail);
}

// limit: the model file needs no more than the records the index lists.
std::string ReadProductFile(const std::string& programFolder, const char* name,
                            std::size_t limit = shared::kMaxLibraryFileBytes, bool truncate = false) {
    const std::string path = shared::JoinFolderAndName(programFolder, name);
    try {
        return shared::ReadFileBytes(path, limit, truncate);
    } catch (const shared::RuntimeError& error) {
        FileFailure(error, name, error.Description() + " (" + path + ")");
    }
}

std::size_t CountRecords(std::string bytes, const std::string& source) {
    shared::FieldReader reader(std::move(bytes), source);
    try {
        return static_cast<std::size_t>(reader.CountRecords(kProductIndexFields, kMaxProducts));
    } catch (const shared::RuntimeError& error) {
        if (error.Number() == shared::error::kOverflow) {
            FileFailure(error, kProductIndexFile, "more than " + std::to_string(kMaxProducts) + " products.");
        }
        FileFailure(error, kProductIndexFile,
                    "the last record has fewer than six fields (" + error.Description() + ").");
    }
}

}  // namespace

std::size_t CountProductRecords(const std::string& indexPath) {
    std::string bytes;
    try {
        bytes = shared::ReadFileBytes(indexPath);
    } catch (const shared::RuntimeError& error) {
        FileFailure(error, kProductIndexFile, error.Description() + " (" + indexPath + ")");
    }
    return CountRecords(std::move(bytes), indexPath);
}

ProductLibrary LoadProducts(const std::string& programFolder, char decimalSeparator) {
    try {
        // Counting pass.
        const std::size_t count =
            CountRecords(ReadProductFile(programFolder, kProductIndexFile), kProductIndexFile);
        ProductLibrary library;
        library.ProductTable.resize(count);

        // The binary records, in index order.
        std::string model =
            ReadProductFile(programFolder, kProductModelFile, count * kProductModelSize, true);
        const std::size_t complete = model.size() / kProductModelSize;
        if (complete < count) {
            throw shared::RuntimeError(
                shared::error::kInputPastEndOfFile, kProductModelFile,
                std::string(kProductModelFile) + ": it holds " + std::to_string(complete) +
                    " complete records of " + std::to_string(kProductModelSize) + " bytes, but " +
                    kProductIndexFile + " lists " + std::to_string(count) + " products.");
        }
        const shared::FixedRecordReader records(std::move(model), kProductModelSize, count,
                                                kProductModelFile);
        for (std::size_t i = 0; i < count; ++i) {
            ReadProductModel(records.Record(i), library.ProductTable[i]);
        }

        // Second pass over the index, then the values derived under the start's notation.
        shared::FieldReader index(ReadProductFile(programFolder, kProductIndexFile), kProductIndexFile);
        for (ProductRecord& record : library.ProductTable) {
            ReadProductIndexFields(index.ReadRecord(kProductIndexFields), record);
        }
        for (std::size_t i = 0; i < count; ++i) {
            try {
                DeriveProductValues(library.ProductTable[i], library.CodeSystem, decimalSeparator);
            } catch (const shared::RuntimeError& error) {
                // The record number finds the line even when no part number names it.
                throw shared::RuntimeError(error.Number(), error.Source(),
                                           std::string(kProductIndexFile) + " record " +
                                               std::to_string(i + 1) + ": " + error.Description());
            }
        }
        return library;
    } catch (const shared::StartFailure&) {
        throw;
    } catch (const std::exception& failure) {
        throw shared::StartFailure(kStartFailureTitle, shared::AsRuntimeError(failure));
    }
}

}  // namespace darvo
