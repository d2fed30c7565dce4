#include "pelmo/selection/operating_conditions.h"

#include "pelmo/engine/condition_model.h"
#include "pelmo/engine/temperature_range.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/records.h"

#include "shared/text/number_text.h"

namespace pelmo {

namespace {

std::string WithRange(const char* message, const PartFrequencyRange& range) {
    return std::string(message) + "\n" + kEnterNumberText + FrequencyRangeText(range);
}

}  // namespace

std::optional<PartFrequencyRange> FrequencyRangeOf(int rangeClass, float upperFrequency, char separator) {
    PartFrequencyRange range;
    range.RangeClass = rangeClass;
    switch (rangeClass) {
        case 1:
            range.Lower = 10.0;
            range.LowerText = "10";
            break;
        case 2:
            range.Lower = 100.0;
            range.LowerText = "100";
            break;
        case 3:
        case 4:
        case 6:
            range.Lower = 0.3;
            range.LowerText = shared::GeneralNumberTextSingle(0.3F, separator);
            break;
        case 5:
            range.Lower = 0.03;
            range.LowerText = shared::GeneralNumberTextSingle(0.03F, separator);
            break;
        default:
            return std::nullopt;
    }
    double upper = static_cast<double>(upperFrequency) / 1e6;
    range.Upper = upper;
    if (rangeClass == 1) {
        upper = shared::RoundHalfEven(upper);
    }
    range.UpperText = shared::GeneralNumberText(upper, separator);
    return range;
}

std::string FrequencyRangeText(const PartFrequencyRange& range) {
    return range.LowerText + " - " + range.UpperText + " [MHz]";
}

std::string DefaultFrequencyText(const PartFrequencyRange& range) {
    return range.LowerText;
}

std::string DefaultTemperatureText(shared::CodeSystem codeSystem, char separator) {
    return shared::GeneralNumberText(ReferenceTemperature(codeSystem), separator);
}

std::optional<std::string> FrequencyCheckMessage(std::string_view text, const PartFrequencyRange& range,
                                                 char separator, double* frequency) {
    if (text.empty()) {
        return WithRange(kFrequencyEmptyText, range);
    }
    const std::optional<double> typed = shared::ParseNumber(text, separator);
    if (!typed) {
        return WithRange(kFrequencyInvalidText, range);
    }
    // The upper limit is the number its text reads back as, so a value typed exactly as
    // shown is accepted.
    const std::optional<double> upper = shared::ParseNumber(range.UpperText, separator);
    if (*typed < range.Lower || !upper || *upper < *typed) {
        return WithRange(kFrequencyOutOfRangeText, range);
    }
    if (frequency != nullptr) {
        *frequency = *typed;
    }
    return std::nullopt;
}

std::optional<std::string> OperatingConditionMessage(const Library& library, const CapacitorRecord& record,
                                                     std::string_view partNumber,
                                                     shared::CodeSystem codeSystem,
                                                     std::string_view temperatureText,
                                                     std::string_view biasText, char separator) {
    if (!HasConditionModel(record)) {
        return std::nullopt;
    }
    if (!shared::ParseNumber(temperatureText, separator)) {
        return std::string(kTemperatureInvalidText);
    }
    int lower = 0;
    int upper = 0;
    if (!GetTempRange(record.TempChar[codeSystem], lower, upper)) {
        return std::string(kGetTempRangeErrorText);
    }
    const std::optional<float> temperature = shared::ParseSingle(temperatureText, separator);
    if (!temperature || !(*temperature >= static_cast<float>(lower)) ||
        *temperature > static_cast<float>(upper)) {
        return std::string(kTemperatureOutOfRangeText) + "\n" + kEnterNumberText + std::to_string(lower) +
               " to " + std::to_string(upper) + " [C]";
    }
    if (!shared::ParseNumber(biasText, separator)) {
        return std::string(kBiasInvalidText);
    }
    const std::string rating = RatedVoltageOf(library, partNumber, codeSystem);
    const std::optional<float> bias = shared::ParseSingle(biasText, separator);
    const std::optional<float> rated = shared::ParseSingle(rating, separator);
    if (!bias || !rated || !(*bias >= 0.0F) || !(*rated >= *bias)) {
        return std::string(kBiasOutOfRangeText) + "\n" + kEnterNumberText + "0 to " + rating + " [V]";
    }
    return std::nullopt;
}

}  // namespace pelmo
