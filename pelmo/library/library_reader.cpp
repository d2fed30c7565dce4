#include "pelmo/library/library_reader.h"

#include "pelmo/library/library_files.h"

#include "shared/errors/runtime_error.h"
#include "shared/files/little_endian.h"
#include "shared/text/number_text.h"

#include <cstdint>

namespace pelmo {

namespace {

constexpr std::size_t kSingleSize = 4;

// Reads consecutive singles from offset into the given fields, in order.
class SingleCursor {
public:
    SingleCursor(std::string_view bytes, std::size_t offset) : bytes_(bytes), offset_(offset) {}
    float Next() {
        const float value = shared::ReadSingleLe(bytes_, offset_);
        offset_ += kSingleSize;
        return value;
    }

private:
    std::string_view bytes_;
    std::size_t offset_;
};

void RequireFieldCount(const std::vector<std::string>& fields, std::size_t count, const char* source) {
    if (fields.size() != count) {
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall, source);
    }
}

void RequireRecordSize(std::string_view bytes, std::size_t size, const char* source) {
    if (bytes.size() < size) {
        throw shared::RuntimeError(shared::error::kSubscriptOutOfRange, source);
    }
}

float ChipShapeOf(const std::string& field) {
    if (field.find_first_not_of(" \t") == std::string::npos) {
        return 0.0F;
    }
    const auto value = shared::ParseFileSingle(field);
    if (!value) {
        throw shared::RuntimeError(shared::error::kTypeMismatch, kCapacitorIndexFile,
                                   shared::StandardErrorDescription(shared::error::kTypeMismatch) +
                                       ": the chip shape (field 10) " + ShownField(field) + " is no number");
    }
    return *value;
}

}  // namespace

std::string ShownField(const std::string& text) {
    constexpr std::size_t kLongest = 32;
    std::string shown = "\"";
    for (const char c : text.substr(0, kLongest)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte >= 0x7F ? '?' : c;
    }
    if (text.size() > kLongest) {
        shown += "...";
    }
    shown += '"';
    return shown;
}

void ReadCapacitorIndexFields(const std::vector<std::string>& fields, CapacitorRecord& record) {
    RequireFieldCount(fields, kCapacitorIndexFields, kCapacitorIndexFile);
    record.PartNumber[shared::Eia] = fields[0];
    record.PartNumber[shared::Jis] = fields[1];
    record.UseText = fields[2];
    record.SizeCode[shared::Eia] = fields[3];
    record.SizeCode[shared::Jis] = fields[4];
    record.TempChar[shared::Eia] = fields[5];
    record.TempChar[shared::Jis] = fields[6];
    // The file lists capacitance before rated voltage; the record keeps them the other
    // way round.
    record.NominalCapacitance = fields[7];
    record.RatedVoltage = fields[8];
    record.ChipShape = ChipShapeOf(fields[9]);
    for (std::size_t i = 0; i < record.SizeSheet.size(); ++i) {
        record.SizeSheet[i] = fields[10 + i];
    }
}

void ReadCapacitorModel(std::string_view bytes, CapacitorRecord& record) {
    RequireRecordSize(bytes, kCapacitorModelSize, kCapacitorModelFile);
    SingleCursor branches(bytes, kCapacitorBranchOffset);
    record.C1 = branches.Next();
    record.L1 = branches.Next();
    record.Ra = branches.Next();
    record.Rb = branches.Next();
    record.Rc = branches.Next();
    record.C2 = branches.Next();
    record.L2 = branches.Next();
    record.R2 = branches.Next();
    record.C3 = branches.Next();
    record.L3 = branches.Next();
    record.R3 = branches.Next();

    record.ModelType = shared::ReadInt16Le(bytes, kCapacitorModelTypeOffset);

    SingleCursor polynomials(bytes, kCapacitorPolynomialOffset);
    record.UpperFrequency = polynomials.Next();
    record.RcExponent = polynomials.Next();
    // The file holds the highest power first.
    for (std::size_t power = 6; power >= 1; --power) {
        record.BiasCoef[power] = polynomials.Next();
    }
    for (std::size_t power = 6; power >= 1; --power) {
        record.TempCoef[power] = polynomials.Next();
    }
    for (std::size_t power = 3; power >= 1; --power) {
        record.ResTempB[power] = polynomials.Next();
    }
    for (std::size_t power = 3; power >= 1; --power) {
        record.ResTempA[power] = polynomials.Next();
    }

    SingleCursor peak(bytes, kCapacitorPeakOffset);
    record.PeakAmplitude = peak.Next();
    record.PeakOffset = peak.Next();
    record.PeakTempV2 = peak.Next();
    record.PeakTempV1 = peak.Next();
    record.PeakTemp0 = peak.Next();
    record.SharpBelowV2 = peak.Next();
    record.SharpBelowV1 = peak.Next();
    record.SharpBelow0 = peak.Next();
    record.SharpAboveV2 = peak.Next();
    record.SharpAboveV1 = peak.Next();
    record.SharpAbove0 = peak.Next();
    record.ExpBelow = peak.Next();
    record.ExpAbove = peak.Next();
}

void ReadInductorIndexFields(const std::vector<std::string>& fields, InductorRecord& record) {
    RequireFieldCount(fields, kInductorIndexFields, kInductorIndexFile);
    record.PartNumber = fields[0];
    record.SizeCode[shared::Eia] = fields[1];
    record.SizeCode[shared::Jis] = fields[2];
    record.Inductance = fields[3];
    record.RatedCurrent = fields[4];
    for (std::size_t i = 0; i < record.SizeSheet.size(); ++i) {
        record.SizeSheet[i] = fields[5 + i];
    }
}

void ReadInductorModel(std::string_view bytes, InductorRecord& record) {
    RequireRecordSize(bytes, kInductorModelSize, kInductorModelFile);
    SingleCursor values(bytes, 0);
    record.L0 = values.Next();
    record.L0Exponent = values.Next();
    record.RsCoef = values.Next();
    record.RsExponent = values.Next();
    record.Cp = values.Next();
    record.L1 = values.Next();
    record.R1 = values.Next();
    record.R0 = values.Next();
    record.SelfResonance = values.Next();
    record.UpperFrequency = values.Next();
}

}  // namespace pelmo
