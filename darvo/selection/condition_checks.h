#ifndef DARVO_SELECTION_CONDITION_CHECKS_H
#define DARVO_SELECTION_CONDITION_CHECKS_H

#include "darvo/library/product_record.h"
#include "darvo/selection/plot_conditions.h"

#include "shared/parts/code_system.h"

#include <functional>
#include <string>
#include <string_view>

namespace shared {
class Messages;
}

namespace darvo {

// The condition boxes a check reads, so a window can put the focus back into the one
// that was refused.
enum class ConditionBoxName { DCBiasVoltage, Frequency, HeatResistance, AmbientTemperature, Parameter };

// The selection window's checks of the condition boxes for one chosen part, with their
// exact messages (exclamation icon, the program title). A check that fails shows its
// message and returns false.
class ConditionChecks {
public:
    ConditionChecks(const ProductRecord& part, ChartType chartType, shared::CodeSystem codeSystem,
                    shared::Messages& messages, char separator) noexcept;

    // Told the box of every refused check, after its message; the last call names the
    // box the focus belongs in.
    void OnRefused(std::function<void(ConditionBoxName)> refused) { refused_ = std::move(refused); }

    bool CheckDCBiasVol(std::string_view text);
    bool CheckFrequency(std::string_view text);
    bool CheckHeatResistance(std::string_view text);
    bool CheckParameter1(std::string_view text);
    // From the characteristic's minimum up to, but not including, its maximum.
    bool CheckAmbientTemp1(std::string_view text);
    // The whole range of the characteristic.
    bool CheckAmbientTemp2(std::string_view text);

    // The plot request's validation: the enabled boxes in the window's order, stopping
    // at the first failure, so at most one message is shown.
    bool CheckAllConditions(const ConditionTexts& texts, Quantity xAxis);
    // The data output's validation: every check its chart type needs is run, each
    // showing its own message, and all must pass.
    bool CheckConditions(const ConditionTexts& texts, Quantity xAxis);

private:
    bool Refuse(const std::string& text, ConditionBoxName box);
    bool CheckAmbient(std::string_view text, bool includeMaximum);

    const ProductRecord& part_;
    ChartType chartType_;
    shared::CodeSystem codeSystem_;
    shared::Messages& messages_;
    char separator_;
    std::function<void(ConditionBoxName)> refused_;
};

}  // namespace darvo

#endif
