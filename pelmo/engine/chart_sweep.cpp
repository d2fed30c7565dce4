#include "pelmo/engine/chart_sweep.h"

#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/chart_kind.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/inductor_evaluation.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/library/records.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/part_number_codes.h"

#include <vector>

namespace pelmo {

namespace {

ChartSweepPlan PlanFor(int rangeClass, ChartKind chart, float upperFrequency, double srf) {
    ChartSweepPlan plan;
    plan.RangeClass = rangeClass;
    const std::optional<FrequencySpan> span = ChartFrequencySpan(rangeClass, chart, upperFrequency, srf);
    if (!span) {
        plan.Refusal = ChartSweepRefusal::NoFrequencyRangeClass;
        return plan;
    }
    plan.Span = *span;
    return plan;
}

std::vector<double> GridOf(const ChartSweepPlan& plan) {
    if (plan.Refusal != ChartSweepRefusal::None) {
        // A refused plan has no grid; sweeping it anyway is a caller's fault.
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall);
    }
    return LogFrequencyGrid(plan.Span, kChartPointCount);
}

}  // namespace

ChartSweepPlan PlanCapacitorChart(const CapacitorRecord& record, const CapacitorConditions& conditions,
                                  ChartKind chart, OperatingPointResult& result, shared::Messages* messages) {
    const int rangeClass = shared::FrequencyRangeClass(conditions.PartNumber);
    if (rangeClass == 0) {
        ChartSweepPlan plan;
        plan.Refusal = ChartSweepRefusal::NoFrequencyRangeClass;
        return plan;
    }
    double srf = 0.0;
    const bool apparentInductance = chart == ChartKind::ApparentInductance;
    if (apparentInductance || chart == ChartKind::ApparentCapacitance) {
        EvaluateCapacitor(record, 1.0, conditions, result, messages);
        srf = result.ResonantFrequency;
    }
    if (apparentInductance && (static_cast<float>(srf) > record.UpperFrequency ||
                               static_cast<float>(1.1 * srf) >= record.UpperFrequency)) {
        ChartSweepPlan plan;
        plan.Refusal = ChartSweepRefusal::ApparentInductanceNotAvailable;
        plan.RangeClass = rangeClass;
        return plan;
    }
    return PlanFor(rangeClass, chart, record.UpperFrequency, srf);
}

ChartSweepPlan PlanInductorChart(const InductorRecord& record, ChartKind chart) {
    const int rangeClass = shared::FrequencyRangeClass(record.PartNumber);
    return PlanFor(rangeClass, chart, record.UpperFrequency, record.SelfResonance);
}

void SweepCapacitorChart(const CapacitorRecord& record, const CapacitorConditions& conditions,
                         const ChartSweepPlan& plan, OperatingPointResult& result, ChartPointTable& points,
                         shared::Messages* messages) {
    const std::vector<double> grid = GridOf(plan);
    const PreparedCapacitor prepared = PrepareCapacitor(record, conditions);
    for (int i = 0; i < kChartPointCount; ++i) {
        EvaluatePreparedCapacitor(record, prepared, AngularFrequency(grid[i]), conditions.Connection, result,
                                  messages);
        points[i] = ChartPointFrom(grid[i], result);
    }
}

void SweepInductorChart(const InductorRecord& record, const ChartSweepPlan& plan,
                        OperatingPointResult& result, ChartPointTable& points, shared::Messages* messages) {
    const std::vector<double> grid = GridOf(plan);
    for (int i = 0; i < kChartPointCount; ++i) {
        EvaluateInductor(record, AngularFrequency(grid[i]), result, messages);
        points[i] = ChartPointFrom(grid[i], result);
    }
}

ChartPoint ChartPointFrom(double frequency, const OperatingPointResult& result) noexcept {
    return {frequency,
            result.SReal[0],
            result.SImag[0],
            result.SReal[1],
            result.SImag[1],
            result.SMagnitudeDb[0],
            result.SMagnitudeDb[1],
            result.SPhaseDeg[0],
            result.SPhaseDeg[1],
            result.ImpedanceMagnitude,
            result.Resistance,
            result.Reactance,
            result.SeriesCapacitance,
            result.QualityFactor,
            result.DissipationFactor,
            result.ApparentCapacitance,
            result.ApparentInductance};
}

}  // namespace pelmo
