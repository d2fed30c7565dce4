#include "darvo/library/product_writer.h"

#include "shared/errors/runtime_error.h"
#include "shared/files/little_endian.h"
#include "shared/parts/code_system.h"
#include "shared/platform/atomic_file_writer.h"
#include "shared/platform/program_folder.h"

#include <cstdint>
#include <utility>

namespace darvo {

namespace {

// The reader ends a quoted field at the next quote or line end, so a text holding one
// is refused rather than written to be misread.
void AppendQuoted(std::string& line, const std::string& text) {
    if (text.find_first_of("\"\r\n") != std::string::npos) {
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall, kProductIndexFile,
                                   "A product text holds a double quote or a line end.");
    }
    line += '"';
    line += text;
    line += '"';
}

template <class Serialise>
std::string Concatenate(const std::vector<ProductRecord>& records, Serialise serialise) {
    std::string text;
    for (const ProductRecord& record : records) {
        text += serialise(record);
    }
    return text;
}

}  // namespace

std::string ProductIndexLine(const ProductRecord& record) {
    std::string line;
    const std::string* fields[] = {&record.PartNumber[shared::Eia], &record.PartNumber[shared::Jis],
                                   &record.SizeCode[shared::Eia],   &record.SizeCode[shared::Jis],
                                   &record.TempChar[shared::Eia],   &record.TempChar[shared::Jis]};
    for (const std::string* field : fields) {
        if (field != fields[0]) {
            line += ',';
        }
        AppendQuoted(line, *field);
    }
    line += "\r\n";
    return line;
}

std::string ProductModelBytes(const ProductRecord& record) {
    std::string bytes(kProductUnreadBytes, '\0');
    bytes.reserve(kProductModelSize);
    shared::AppendInt16Le(bytes, record.PolynomialModel ? std::int16_t{-1} : std::int16_t{0});
    for (const float value : record.CapModel) {
        shared::AppendSingleLe(bytes, value);
    }
    for (const float value : record.HeatModel) {
        shared::AppendSingleLe(bytes, value);
    }
    return bytes;
}

std::string ProductIndexText(const std::vector<ProductRecord>& records) {
    return Concatenate(records, ProductIndexLine);
}

std::string ProductModelFile(const std::vector<ProductRecord>& records) {
    return Concatenate(records, ProductModelBytes);
}

void WriteProductFiles(const std::string& folder, const std::vector<ProductRecord>& records,
                       const shared::FileSinkOpener& open) {
    const std::pair<const char*, std::string> files[] = {
        {kProductIndexFile, ProductIndexText(records)},
        {kProductModelFile, ProductModelFile(records)},
    };
    const shared::FileSinkOpener opener = open ? open : shared::OpenAtomicFileWriter;
    for (const auto& [name, bytes] : files) {
        auto sink = opener(shared::JoinFolderAndName(folder, name));
        sink->Write(bytes);
        sink->Commit();
    }
}

}  // namespace darvo
