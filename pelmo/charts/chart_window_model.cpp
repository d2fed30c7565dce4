#include "pelmo/charts/chart_window_model.h"

#include "pelmo/charts/chart_captions.h"
#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/charts/chart_trace.h"
#include "pelmo/charts/drawing_log10.h"
#include "pelmo/charts/rectangular_chart.h"
#include "pelmo/charts/smith_chart.h"

#include "shared/errors/runtime_error.h"
#include "shared/text/number_text.h"

namespace pelmo {

ChartWindowModel::ChartWindowModel(const ChartSlotTable& slots, CircuitMode selectionConnection,
                                   char decimalSeparator)
    : separator_(decimalSeparator) {
    const ChartSlot& slot = slots.Slot(slots.CurrentSlot());
    if (!slot.InUse() || !slot.Kind) throw shared::RuntimeError(shared::error::kInvalidProcedureCall);
    kind_ = *slot.Kind;
    sParameter_ = slot.Parameter;
    connection_ = slot.Parameter == pelmo::SParameter::None ? selectionConnection
                                                            : slot.Connection.value_or(selectionConnection);
    slotNumber_ = slot.SlotNumber;
    axis_ = InitialChartAxis(kind_);
}

std::string ChartWindowModel::Caption(const ChartContext& context) const {
    if (!IsSmith()) return RectangularChartCaption(kind_);
    return SmithChartCaption(ChartTraceOf(context.Slots.Slot(slotNumber_), context.Parts, context.CodeSystem),
                             separator_);
}

void ChartWindowModel::CopyCurrentSlot(ChartContext& context, std::string_view srfReadout) {
    const int current = context.Slots.CurrentSlot();
    ChartSlot& slot = context.Slots.Slot(current);
    // Only the slot just requested for this kind has its sweep in the point table; any
    // other current slot belongs to another window (for Smith, every other slot does).
    if (!slot.InUse() || slot.Kind != kind_ || store_.HasTrace(current) ||
        (IsSmith() && current != slotNumber_))
        return;
    store_.CopyTrace(kind_, current, context.Points, context.Slots.ImpedanceEsrSecondPass());
    // The SRF readout belongs to the rectangular charts' hover readout; a Smith chart
    // has no use for it and leaves the slot as the request filled it.
    if (IsSmith()) return;
    const std::optional<float> srf =
        srfReadout.empty() ? std::nullopt : shared::ParseSingle(srfReadout, separator_);
    slot.Srf = srf.value_or(0.0F);
}

std::vector<std::string> ChartWindowModel::Draw(shared::ChartCanvas& canvas, bool ownPicture,
                                                ChartContext& context, std::string_view srfReadout) {
    DrawingLog10 log10(context.Messages, context.Title);
    if (IsSmith()) {
        if (ownPicture) CopyCurrentSlot(context, srfReadout);
        PrepareSmithTarget(canvas);
        DrawSmithChart(canvas, store_, slotNumber_, sParameter_);
        const auto labels = SmithLegendLabels(
            ChartTraceOf(context.Slots.Slot(slotNumber_), context.Parts, context.CodeSystem),
            context.DegreeSign, separator_);
        return {labels.begin(), labels.end()};
    }
    PrepareRectangularTarget(canvas);
    if (ownPicture) CopyCurrentSlot(context, srfReadout);
    const std::vector<ChartTrace> traces =
        CollectTraces(context.Slots, kind_, context.Parts, context.CodeSystem);
    return DrawRectangularChart(canvas, kind_, traces, store_, axis_, context.DegreeSign, separator_, log10);
}

void ChartWindowModel::Close(ChartSlotTable& slots) const {
    slots.FreeForClosedWindow(kind_, slotNumber_);
}

}  // namespace pelmo
