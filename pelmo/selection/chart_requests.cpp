#include "pelmo/selection/chart_requests.h"

#include "pelmo/charts/chart_slot.h"
#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/charts/slot_reservation.h"
#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/library/records.h"
#include "pelmo/selection/library_selection.h"
#include "pelmo/selection/operating_conditions.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/error_report.h"
#include "shared/platform/hourglass_guard.h"
#include "shared/platform/messages.h"
#include "shared/text/blanks.h"
#include "shared/text/number_text.h"

#include <optional>

namespace pelmo {

namespace {

constexpr const char* kStartDrawChartTitle = "pelmo:frmLibrary.StartDrawChart";

}  // namespace

ChartRequests::ChartRequests(LibrarySelection& selection, Library& library, ChartSlotTable& slots,
                             ChartPointTable& points, ChartWindowHost& windows, shared::Messages& messages,
                             shared::Cursor* cursor)
    : selection_(selection),
      library_(library),
      slots_(slots),
      points_(points),
      windows_(windows),
      messages_(messages),
      cursor_(cursor) {}

bool ChartRequests::StartDrawChart(ChartKind kind, SParameter sParameter) {
    selection_.SetPartNumberText(std::string(shared::TrimBlanks(selection_.State().PartNumber.Text)));
    if (!selection_.LookUpPartNumber()) {
        messages_.Show(kSpecifyPartNumberText, shared::MessageIcon::None, kProgramTitle);
        return false;
    }
    if (selection_.State().Product == ProductKind::Capacitor && !selection_.OperatingConditionCheck())
        return false;
    if (!selection_.CheckChartOpenOk(kind, sParameter, slots_)) return false;
    try {
        return Draw(kind, sParameter);
    } catch (const ChartWindowFailure&) {
        // The window reported it under its own name; the slot went back on the way out.
        return false;
    } catch (const shared::RuntimeError& failure) {
        shared::ErrorReport(messages_, kStartDrawChartTitle, failure);
    } catch (const std::exception& failure) {
        shared::ErrorReport(messages_, kStartDrawChartTitle, failure);
    }
    return false;
}

bool ChartRequests::Draw(ChartKind kind, SParameter sParameter) {
    const std::optional<std::int32_t> index = selection_.LookUpPartNumber();
    if (!index) throw shared::RuntimeError(shared::error::kInvalidProcedureCall);
    const auto u = static_cast<std::size_t>(*index);
    const bool capacitor = selection_.State().Product == ProductKind::Capacitor;
    const CapacitorConditions conditions = selection_.CurrentCapacitorConditions();
    // The sweep evaluates as the window's own result would, stale fields included, but
    // into a copy: the readouts go on describing the operating point the user chose.
    OperatingPointResult result = selection_.Result();
    const ChartSweepPlan plan =
        capacitor ? PlanCapacitorChart(library_.CapacitorTable.at(u), conditions, kind, result, &messages_)
                  : PlanInductorChart(library_.InductorTable.at(u), kind);
    if (plan.Refusal == ChartSweepRefusal::ApparentInductanceNotAvailable) {
        messages_.Show(kApparentInductanceNotAvailableText, shared::MessageIcon::Exclamation, kProgramTitle);
        return false;
    }
    if (plan.Refusal == ChartSweepRefusal::NoFrequencyRangeClass)
        throw shared::RuntimeError(kNoFrequencyRangeClassError,
                                   "No frequency range for " + selection_.State().PartNumber.Text);

    shared::HourglassGuard hourglass(cursor_);
    // The duplicate test reads the fields the same way, so an identical request finds
    // this slot; text that is no number records the value the sweep was computed at.
    ChartSlot request =
        selection_.ChartRequestKey(kind, sParameter, *index, static_cast<float>(conditions.Temperature),
                                   static_cast<float>(conditions.Bias));
    if (plan.RangeClass == 4) request.UpperFrequency = library_.CapacitorTable.at(u).UpperFrequency;

    SlotReservation reservation(slots_, request);
    if (reservation.Number() == 0) throw shared::RuntimeError(shared::error::kSubscriptOutOfRange);
    if (capacitor)
        SweepCapacitorChart(library_.CapacitorTable[u], conditions, plan, result, points_, &messages_);
    else
        SweepInductorChart(library_.InductorTable[u], plan, result, points_, &messages_);
    windows_.ShowChart(kind);
    reservation.Commit();
    hourglass.Release();
    selection_.UpdateMenuState();
    return true;
}

void ChartRequests::Request(ChartKind kind, SParameter sParameter) {
    SParameter parameter = SParameter::None;
    if (HasSParameter(kind)) parameter = sParameter == SParameter::None ? SParameter::S11 : sParameter;
    if (kind != ChartKind::ImpedanceAndEsr) {
        StartDrawChart(kind, parameter);
        return;
    }
    slots_.SetImpedanceEsrSecondPass(false);
    if (!StartDrawChart(kind, parameter)) return;
    slots_.SetImpedanceEsrSecondPass(true);
    // The flag must not outlive the second request, whatever it ends with.
    try {
        StartDrawChart(kind, parameter);
    } catch (...) {
        slots_.SetImpedanceEsrSecondPass(false);
        throw;
    }
    slots_.SetImpedanceEsrSecondPass(false);
}

}  // namespace pelmo
