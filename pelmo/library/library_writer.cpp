#include "pelmo/library/library_writer.h"

#include "pelmo/library/library_files.h"

#include "shared/errors/runtime_error.h"
#include "shared/files/little_endian.h"
#include "shared/platform/atomic_file_writer.h"
#include "shared/platform/program_folder.h"
#include "shared/text/number_text.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace pelmo {

namespace {

// Appends a text field in double quotes. The reader ends a quoted field at the next
// quote or line end, so a text holding one is refused rather than written to be misread.
void AppendQuoted(std::string& line, const std::string& text, const char* source) {
    if (text.find_first_of("\"\r\n") != std::string::npos) {
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall, source);
    }
    line += '"';
    line += text;
    line += '"';
}

void AppendSeparator(std::string& line) {
    line += ',';
}

void EndRecord(std::string& line) {
    line += "\r\n";
}

void AppendSingles(std::string& bytes, std::initializer_list<float> values) {
    for (const float value : values) {
        shared::AppendSingleLe(bytes, value);
    }
}

template <class Record, class Serialise>
std::string Concatenate(const std::vector<Record>& records, Serialise serialise) {
    std::string text;
    for (const Record& record : records) {
        text += serialise(record);
    }
    return text;
}

}  // namespace

std::string CapacitorIndexLine(const CapacitorRecord& record) {
    std::string line;
    const auto text = [&line](const std::string& value) {
        AppendQuoted(line, value, kCapacitorIndexFile);
        AppendSeparator(line);
    };
    text(record.PartNumber[shared::Eia]);
    text(record.PartNumber[shared::Jis]);
    text(record.UseText);
    text(record.SizeCode[shared::Eia]);
    text(record.SizeCode[shared::Jis]);
    text(record.TempChar[shared::Eia]);
    text(record.TempChar[shared::Jis]);
    text(record.NominalCapacitance);
    text(record.RatedVoltage);
    if (!std::isfinite(record.ChipShape)) {
        throw shared::RuntimeError(shared::error::kOverflow, kCapacitorIndexFile);
    }
    line += shared::GeneralNumberTextSingle(record.ChipShape, '.');
    for (const std::string& value : record.SizeSheet) {
        AppendSeparator(line);
        AppendQuoted(line, value, kCapacitorIndexFile);
    }
    EndRecord(line);
    return line;
}

std::string InductorIndexLine(const InductorRecord& record) {
    std::string line;
    AppendQuoted(line, record.PartNumber, kInductorIndexFile);
    for (const std::string* value : {&record.SizeCode[shared::Eia], &record.SizeCode[shared::Jis],
                                     &record.Inductance, &record.RatedCurrent}) {
        AppendSeparator(line);
        AppendQuoted(line, *value, kInductorIndexFile);
    }
    for (const std::string& value : record.SizeSheet) {
        AppendSeparator(line);
        AppendQuoted(line, value, kInductorIndexFile);
    }
    EndRecord(line);
    return line;
}

std::string CapacitorModelBytes(const CapacitorRecord& record) {
    if (record.ModelType < std::numeric_limits<std::int16_t>::min() ||
        record.ModelType > std::numeric_limits<std::int16_t>::max()) {
        throw shared::RuntimeError(shared::error::kOverflow, kCapacitorModelFile);
    }
    std::string bytes;
    bytes.reserve(kCapacitorModelSize);
    AppendSingles(bytes, {record.C1, record.L1, record.Ra, record.Rb, record.Rc, record.C2, record.L2,
                          record.R2, record.C3, record.L3, record.R3});
    shared::AppendInt16Le(bytes, static_cast<std::int16_t>(record.ModelType));
    AppendSingles(bytes, {record.UpperFrequency, record.RcExponent});
    for (std::size_t power = 6; power >= 1; --power) {
        shared::AppendSingleLe(bytes, record.BiasCoef[power]);
    }
    for (std::size_t power = 6; power >= 1; --power) {
        shared::AppendSingleLe(bytes, record.TempCoef[power]);
    }
    for (std::size_t power = 3; power >= 1; --power) {
        shared::AppendSingleLe(bytes, record.ResTempB[power]);
    }
    for (std::size_t power = 3; power >= 1; --power) {
        shared::AppendSingleLe(bytes, record.ResTempA[power]);
    }
    AppendSingles(bytes, {record.PeakAmplitude, record.PeakOffset, record.PeakTempV2, record.PeakTempV1,
                          record.PeakTemp0, record.SharpBelowV2, record.SharpBelowV1, record.SharpBelow0,
                          record.SharpAboveV2, record.SharpAboveV1, record.SharpAbove0, record.ExpBelow,
                          record.ExpAbove});
    return bytes;
}

std::string InductorModelBytes(const InductorRecord& record) {
    std::string bytes;
    bytes.reserve(kInductorModelSize);
    const float ratedCurrent = shared::ParseFileSingle(record.RatedCurrent).value_or(0.0F);
    AppendSingles(bytes,
                  {record.L0, record.L0Exponent, record.RsCoef, record.RsExponent, record.Cp, record.L1,
                   record.R1, record.R0, record.SelfResonance, record.UpperFrequency, ratedCurrent});
    return bytes;
}

std::string CapacitorIndexText(const std::vector<CapacitorRecord>& records) {
    return Concatenate(records, CapacitorIndexLine);
}

std::string CapacitorModelFile(const std::vector<CapacitorRecord>& records) {
    return Concatenate(records, CapacitorModelBytes);
}

std::string InductorIndexText(const std::vector<InductorRecord>& records) {
    return Concatenate(records, InductorIndexLine);
}

std::string InductorModelFile(const std::vector<InductorRecord>& records) {
    return Concatenate(records, InductorModelBytes);
}

void WriteLibraryFiles(const std::string& folder, const std::vector<CapacitorRecord>& capacitors,
                       const std::vector<InductorRecord>& inductors, const shared::FileSinkOpener& open) {
    const std::pair<const char*, std::string> files[] = {
        {kCapacitorIndexFile, CapacitorIndexText(capacitors)},
        {kCapacitorModelFile, CapacitorModelFile(capacitors)},
        {kInductorIndexFile, InductorIndexText(inductors)},
        {kInductorModelFile, InductorModelFile(inductors)},
    };
    const shared::FileSinkOpener opener = open ? open : shared::OpenAtomicFileWriter;
    for (const auto& [name, bytes] : files) {
        auto sink = opener(shared::JoinFolderAndName(folder, name));
        sink->Write(bytes);
        sink->Commit();
    }
}

}  // namespace pelmo
