#include "darvo/engine/calculate_data_t.h"

#include "darvo/engine/engine_failure.h"
#include "darvo/engine/heat_terms.h"
#include "darvo/engine/parameter_limit.h"
#include "darvo/engine/thermal_series.h"

#include "shared/platform/messages.h"

namespace darvo {

bool CalculateDataT(ChartTable& table, const ProductRecord& part, shared::Messages& messages,
                    char separator) {
    ChartDataRecord& record = table.Prepared();
    if (record.ChartType != TemperatureRise && record.ChartType != AllowablePower) {
        return true;
    }
    try {
        const HeatTerms terms = ComputeHeatTerms(part, record, kCalculateDataTSource);
        if (record.ChartType == AllowablePower) {
            AllowablePowerSeries(record, terms);
        } else if (record.XAxisName == Quantity::Frequency) {
            const ParameterLimitResult check =
                ParameterLimit(record.ParameterName, record.ParameterValue, kTemperatureRiseLimit, terms);
            if (!check.Ok) {
                const std::string text = ParameterLimitMessage(record.ParameterName, check.Pmax, separator);
                table.DiscardPrepared();
                messages.Show(text, shared::MessageIcon::Exclamation, kEngineMessageTitle);
                return false;
            }
            TempRiseOverFrequency(record, terms);
        } else {
            // The condition box holds kHz; the model works in Hz.
            TempRiseSeries(record, terms, 1000.0F * record.Frequency);
        }
        RequireFiniteRecord(record, kCalculateDataTSource);
    } catch (...) {
        table.DiscardPrepared();
        throw;
    }
    return true;
}

}  // namespace darvo
