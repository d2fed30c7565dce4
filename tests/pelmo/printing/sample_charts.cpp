#include "sample_charts.h"

#include "pelmo/charts/slot_reservation.h"
#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/library/program_identity.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/part_number_codes.h"
#include "shared/text/number_text.h"

#include <stdexcept>

namespace pelmo::testing {

SampleCharts::SampleCharts(const std::string& folder, shared::CodeSystem codeSystem, char separator)
    : library_(LoadLibrary(folder, separator)),
      codeSystem_(codeSystem),
      separator_(separator),
      context_{slots_, points_, library_, codeSystem, "\xC2\xB0", nullptr, kProgramTitle} {
    if (!SortCapacitors(library_, codeSystem, separator))
        throw std::runtime_error("the sample library does not sort");
}

int SampleCharts::Capacitor(bool withConditionModel, int rangeClass) const {
    for (std::size_t i = 0; i < library_.CapacitorTable.size(); ++i) {
        const CapacitorRecord& record = library_.CapacitorTable[i];
        const std::string& number = record.PartNumber[codeSystem_];
        if (number.empty() || HasConditionModel(record) != withConditionModel) continue;
        const int found = shared::FrequencyRangeClass(number);
        if (found != 0 && (rangeClass == 0 || found == rangeClass)) return static_cast<int>(i);
    }
    return -1;
}

int SampleCharts::Inductor(bool helpNoteSeries) const {
    for (std::size_t i = 0; i < library_.InductorTable.size(); ++i) {
        const InductorRecord& record = library_.InductorTable[i];
        const bool noted = record.PartNumber.find("PWT15DZ") != std::string::npos;
        if (noted == helpNoteSeries && record.SelfResonance > 0 &&
            shared::FrequencyRangeClass(record.PartNumber) != 0)
            return static_cast<int>(i);
    }
    return -1;
}

std::string SampleCharts::CapacitorNumber(int index) const {
    return library_.CapacitorTable.at(static_cast<std::size_t>(index)).PartNumber[codeSystem_];
}

std::string SampleCharts::InductorNumber(int index) const {
    return library_.InductorTable.at(static_cast<std::size_t>(index)).PartNumber;
}

bool SampleCharts::Request(ChartKind kind, ProductKind productKind, int index, const std::string& sParameter,
                           const std::string& connection, float temperature, float bias) {
    if (kind != ChartKind::ImpedanceAndEsr)
        return RequestOnePass(kind, productKind, index, sParameter, connection, temperature, bias);
    slots_.SetImpedanceEsrSecondPass(false);
    bool done = RequestOnePass(kind, productKind, index, sParameter, connection, temperature, bias);
    if (done) {
        slots_.SetImpedanceEsrSecondPass(true);
        done = RequestOnePass(kind, productKind, index, sParameter, connection, temperature, bias);
    }
    slots_.SetImpedanceEsrSecondPass(false);
    return done;
}

bool SampleCharts::RequestOnePass(ChartKind kind, ProductKind productKind, int index,
                                  const std::string& sParameter, const std::string& connection,
                                  float temperature, float bias) {
    const bool capacitor = productKind == ProductKind::Capacitor;
    const CircuitMode mode = CircuitModeFromName(connection).value();
    ChartSlot slot;
    slot.Product = productKind;
    slot.PartIndexPlusOne = index + 1;
    slot.Kind = kind;
    if (HasSParameter(kind)) {
        slot.Parameter = SParameterFromName(sParameter).value();
        slot.Connection = mode;
    }
    slot.Temperature = temperature;
    slot.DcBias = bias;

    OperatingPointResult result;
    ChartSweepPlan plan;
    CapacitorConditions conditions;
    const std::size_t at = static_cast<std::size_t>(index);
    if (capacitor) {
        const CapacitorRecord& record = library_.CapacitorTable.at(at);
        conditions.PartNumber = record.PartNumber[codeSystem_];
        conditions.CodeSystem = codeSystem_;
        conditions.Temperature = temperature;
        conditions.Bias = bias;
        conditions.Connection = mode;
        conditions.DecimalSeparator = separator_;
        plan = PlanCapacitorChart(record, conditions, kind, result);
        if (plan.RangeClass == 4) slot.UpperFrequency = record.UpperFrequency;
    } else {
        plan = PlanInductorChart(library_.InductorTable.at(at), kind);
    }
    if (plan.Refusal != ChartSweepRefusal::None || slots_.CheckChartOpen(slot) != ChartOpenRefusal::None)
        return false;
    SlotReservation reservation(slots_, slot);
    if (reservation.Number() == 0) return false;
    if (capacitor)
        SweepCapacitorChart(library_.CapacitorTable.at(at), conditions, plan, result, points_);
    else
        SweepInductorChart(library_.InductorTable.at(at), plan, result, points_);

    auto found = windows_.find(kind);
    if (found == windows_.end() || kind == ChartKind::Smith) {
        auto window = std::make_unique<OpenWindow>();
        window->Model = std::make_unique<ChartWindowModel>(slots_, mode, separator_);
        found = windows_.insert_or_assign(kind, std::move(window)).first;
    }
    OpenWindow& window = *found->second;
    window.Picture.ClearCalls();
    const std::string srf = result.ResonantFrequency > 0
                                ? shared::Format(result.ResonantFrequency / 1e6, "0.00", separator_)
                                : "";
    window.Legend = window.Model->Draw(window.Picture, true, context_, srf);
    reservation.Commit();
    return true;
}

SampleCharts::OpenWindow& SampleCharts::WindowOf(ChartKind kind) {
    const auto found = windows_.find(kind);
    if (found == windows_.end()) throw std::out_of_range("no chart window of that kind is open");
    return *found->second;
}

const SampleCharts::OpenWindow& SampleCharts::WindowOf(ChartKind kind) const {
    const auto found = windows_.find(kind);
    if (found == windows_.end()) throw std::out_of_range("no chart window of that kind is open");
    return *found->second;
}

ChartWindowModel& SampleCharts::Window(ChartKind kind) {
    return *WindowOf(kind).Model;
}

const std::vector<std::string>& SampleCharts::Legend(ChartKind kind) const {
    return WindowOf(kind).Legend;
}

std::string SampleCharts::Caption(ChartKind kind) {
    return WindowOf(kind).Model->Caption(context_);
}

shared::RecordingCanvas& SampleCharts::Picture(ChartKind kind) {
    return WindowOf(kind).Picture;
}

}  // namespace pelmo::testing
