#include "darvo/engine/calculate_data_s.h"

#include "darvo/engine/capacitance_model.h"
#include "darvo/engine/capacitance_series.h"
#include "darvo/engine/engine_failure.h"

#include "shared/platform/messages.h"

namespace darvo {

namespace {

// The temperature range of the peaked class follows the notation.
constexpr int kPeakedTmin[2] = {-30, -25};
constexpr int kPeakedTmax = 85;

}  // namespace

bool CalculateDataS(ChartTable& table, const ProductRecord& part, shared::CodeSystem codeSystem,
                    shared::Messages& messages) {
    ChartDataRecord& record = table.Prepared();
    if (record.ChartType != CapacitanceTemperature && record.ChartType != CapacitanceDcVoltage &&
        record.ChartType != CapacitanceAcVoltage) {
        return true;
    }
    const auto refuse = [&] {
        table.DiscardPrepared();
        messages.Show(kTempRangeErrorText, shared::MessageIcon::None, kEngineMessageTitle);
        return false;
    };
    const int modelClass = GetCapacitanceClass(part, codeSystem);
    if (modelClass == kNoCapacitanceClass) {
        return refuse();
    }
    try {
        const CapacitanceModel model(part, modelClass, codeSystem);
        if (record.ChartType == CapacitanceTemperature) {
            int tmin = kPeakedTmin[codeSystem == shared::Jis ? 1 : 0];
            int tmax = kPeakedTmax;
            if (modelClass == kPolynomialClass &&
                !GetTempRange(part.TempChar[static_cast<std::size_t>(codeSystem)], tmin, tmax)) {
                return refuse();
            }
            CapTempSeries(record, model, record.DCBiasVoltage, tmin, tmax);
        } else if (record.ChartType == CapacitanceDcVoltage) {
            CapDCSeries(record, model, record.AmbientTemperature, part.RatedVoltage);
        } else {
            CapACSeries(record, model, part.CapModel[30], part.CapacitanceBasis);
        }
        RequireFiniteRecord(record, kCalculateDataSSource);
    } catch (...) {
        table.DiscardPrepared();
        throw;
    }
    return true;
}

}  // namespace darvo
