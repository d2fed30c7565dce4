#include "darvo/selection/condition_checks.h"

#include "darvo/engine/capacitance_model.h"
#include "darvo/engine/chart_data_record.h"
#include "darvo/engine/engine_failure.h"

#include "shared/platform/messages.h"
#include "shared/text/number_text.h"

#include <optional>

namespace darvo {

namespace {

constexpr const char* kLineBreak = "\r\n";

// A box's number when the text is one under the locale, as a single.
std::optional<float> BoxNumber(std::string_view text, char separator) {
    return shared::ParseSingle(text, separator);
}

}  // namespace

ConditionChecks::ConditionChecks(const ProductRecord& part, ChartType chartType,
                                 shared::CodeSystem codeSystem, shared::Messages& messages,
                                 char separator) noexcept
    : part_(part),
      chartType_(chartType),
      codeSystem_(codeSystem),
      messages_(messages),
      separator_(separator) {}

bool ConditionChecks::Refuse(const std::string& text, ConditionBoxName box) {
    messages_.Show(text, shared::MessageIcon::Exclamation, kEngineMessageTitle);
    if (refused_) {
        refused_(box);
    }
    return false;
}

bool ConditionChecks::CheckDCBiasVol(std::string_view text) {
    const std::optional<float> value = BoxNumber(text, separator_);
    const float rated = part_.RatedVoltage;
    const std::string ratedText = shared::GeneralNumberTextSingle(rated, separator_);
    if (chartType_ == AllowablePower) {
        // The allowable load at the rated voltage itself is zero, which the chart's
        // logarithmic axis cannot show.
        if (value && *value >= 0.0F && *value < rated) {
            return true;
        }
        const char* range =
            value ? "Please enter a Number from 0 under " : "Please enter a Number from 0 to ";
        return Refuse(std::string("DC Bias Voltage is invalid!") + kLineBreak + range + ratedText + "[V]",
                      ConditionBoxName::DCBiasVoltage);
    }
    if (value && *value >= 0.0F && *value <= rated) {
        return true;
    }
    return Refuse(std::string("DC Bias Voltage is invalid!") + kLineBreak +
                      "Please enter a Number from 0 to " + ratedText + "[V]",
                  ConditionBoxName::DCBiasVoltage);
}

bool ConditionChecks::CheckFrequency(std::string_view text) {
    const std::optional<float> value = BoxNumber(text, separator_);
    if (value && *value >= 100.0F && *value <= 1000.0F) {
        return true;
    }
    return Refuse(
        std::string("Frequency is invalid!") + kLineBreak + "Please enter a Number from 100 to 1000 [kHz]",
        ConditionBoxName::Frequency);
}

bool ConditionChecks::CheckHeatResistance(std::string_view text) {
    const std::optional<float> value = BoxNumber(text, separator_);
    if (value && *value > 0.0F) {
        return true;
    }
    return Refuse(
        std::string("Heat Resistance is invalid!") + kLineBreak + "Please enter a Number from 0 [C/W]",
        ConditionBoxName::HeatResistance);
}

bool ConditionChecks::CheckParameter1(std::string_view text) {
    if (BoxNumber(text, separator_)) {
        return true;
    }
    return Refuse("A Non-numerical value exists where numerical value should be in.",
                  ConditionBoxName::Parameter);
}

bool ConditionChecks::CheckAmbientTemp1(std::string_view text) {
    return CheckAmbient(text, false);
}

bool ConditionChecks::CheckAmbientTemp2(std::string_view text) {
    return CheckAmbient(text, true);
}

bool ConditionChecks::CheckAmbient(std::string_view text, bool includeMaximum) {
    int tmin = 0;
    int tmax = 0;
    if (!GetTempRange(part_.TempChar[static_cast<std::size_t>(codeSystem_)], tmin, tmax)) {
        // The range is looked up before the box is read. An unknown characteristic is a
        // data error of one part: refuse it and keep the session.
        messages_.Show(kTempRangeErrorText, shared::MessageIcon::None, kEngineMessageTitle);
        return false;
    }
    const std::optional<float> value = BoxNumber(text, separator_);
    const auto low = static_cast<float>(tmin);
    const auto high = static_cast<float>(tmax);
    if (value && *value >= low && (includeMaximum ? *value <= high : *value < high)) {
        return true;
    }
    return Refuse(std::string("Ambient Temperature is invalid!") + kLineBreak +
                      "Please enter a Number from " + std::to_string(tmin) + " to " + std::to_string(tmax) +
                      " [C]",
                  ConditionBoxName::AmbientTemperature);
}

bool ConditionChecks::CheckAllConditions(const ConditionTexts& texts, Quantity xAxis) {
    const EnabledConditions enabled = EnabledFor(chartType_, xAxis);
    if (enabled.DCBiasVoltage && !CheckDCBiasVol(texts.DCBiasVoltage)) {
        return false;
    }
    if (enabled.Frequency && !CheckFrequency(texts.Frequency)) {
        return false;
    }
    if (enabled.HeatResistance && !CheckHeatResistance(texts.HeatResistance)) {
        return false;
    }
    if (enabled.AmbientTemperature) {
        const bool thermal = chartType_ == TemperatureRise || chartType_ == AllowablePower;
        if (!(thermal ? CheckAmbientTemp1(texts.AmbientTemperature)
                      : CheckAmbientTemp2(texts.AmbientTemperature))) {
            return false;
        }
    }
    return !enabled.Parameter || CheckParameter1(texts.ParameterValue);
}

bool ConditionChecks::CheckConditions(const ConditionTexts& texts, Quantity xAxis) {
    // Every check is run even after a failure, so the user learns of each bad box at once.
    bool ok = true;
    switch (chartType_) {
        case TemperatureRise:
            ok = CheckDCBiasVol(texts.DCBiasVoltage) && ok;
            ok = CheckHeatResistance(texts.HeatResistance) && ok;
            ok = CheckAmbientTemp1(texts.AmbientTemperature) && ok;
            ok = (xAxis == Quantity::Frequency ? CheckParameter1(texts.ParameterValue)
                                               : CheckFrequency(texts.Frequency)) &&
                 ok;
            break;
        case AllowablePower:
            ok = CheckDCBiasVol(texts.DCBiasVoltage) && ok;
            ok = CheckHeatResistance(texts.HeatResistance) && ok;
            ok = CheckAmbientTemp1(texts.AmbientTemperature) && ok;
            break;
        case CapacitanceTemperature:
            ok = CheckDCBiasVol(texts.DCBiasVoltage);
            break;
        case CapacitanceDcVoltage:
            ok = CheckAmbientTemp2(texts.AmbientTemperature);
            break;
        default:
            break;
    }
    return ok;
}

}  // namespace darvo
