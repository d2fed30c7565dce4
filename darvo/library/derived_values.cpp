#include "darvo/library/derived_values.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/part_number_codes.h"
#include "shared/text/number_text.h"

#include <optional>

namespace darvo {

namespace {

[[noreturn]] void DataError(const std::string& partNumber, const std::string& what) {
    throw shared::RuntimeError(shared::error::kTypeMismatch, partNumber, "Part " + partNumber + ": " + what);
}

}  // namespace

const std::string& DerivationPartNumber(const ProductRecord& record, shared::CodeSystem codeSystem) {
    const std::string& own = record.PartNumber[codeSystem];
    return own.empty() ? record.PartNumber[shared::OtherCodeSystem(codeSystem)] : own;
}

void DeriveProductValues(ProductRecord& record, shared::CodeSystem codeSystem, char separator) {
    const std::string& partNumber = DerivationPartNumber(record, codeSystem);
    if (partNumber.empty()) {
        throw shared::RuntimeError(shared::error::kTypeMismatch, kProductIndexFile,
                                   "A product has no part number in either notation.");
    }

    std::optional<float> capacitance;
    try {
        // The code's text carries the separator, so it is read with it.
        capacitance = shared::ParseSingle(shared::ParseCapacitanceCode(partNumber, separator), separator);
    } catch (const shared::RuntimeError&) {
        capacitance.reset();
    }
    if (!capacitance) {
        DataError(partNumber,
                  "the capacitance code \"" + shared::MidText(partNumber, 11, 3) + "\" is not a number.");
    }

    const std::string voltageText = shared::RatedVoltageFromCode(partNumber);
    const std::optional<float> voltage = shared::ParseFileSingle(voltageText);
    if (voltageText.empty() || !voltage) {
        DataError(partNumber,
                  "the rated-voltage code \"" + shared::MidText(partNumber, 9, 2) + "\" is not known.");
    }

    record.NominalCapacitance = *capacitance;
    record.RatedVoltage = *voltage;
    const std::string& characteristic = record.TempChar[codeSystem];
    const bool peaked = (characteristic == "Y5V" && !record.PolynomialModel) || characteristic == "F";
    const double factor = peaked ? 1.2 : 1.05;
    record.CapacitanceBasis = static_cast<float>(static_cast<double>(record.NominalCapacitance) * factor);
}

}  // namespace darvo
