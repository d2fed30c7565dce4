#include "pelmo/cli/export_job.h"

#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/inductor_evaluation.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/engine/temperature_range.h"
#include "pelmo/export/export_evaluators.h"
#include "pelmo/export/readout_captions.h"
#include "pelmo/export/spice_model.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/library/records.h"
#include "pelmo/selection/operating_conditions.h"

#include "shared/platform/error_report.h"
#include "shared/platform/messages.h"
#include "shared/text/number_text.h"

#include <cstddef>
#include <optional>

namespace pelmo {

namespace {

constexpr shared::ErrorNumberForm kReportForm = shared::ErrorNumberForm::TrailingBlank;

const CapacitorRecord* CapacitorOf(const Library& library, const ExportSelection& selection) {
    const auto index = library.PartIndex[selection.CodeSystem].Find(selection.PartNumber);
    if (!index || *index < 0 || static_cast<std::size_t>(*index) >= library.CapacitorTable.size()) {
        return nullptr;
    }
    return &library.CapacitorTable[static_cast<std::size_t>(*index)];
}

void ShowRefusal(shared::Messages& messages, const std::string& text) {
    messages.Show(text, shared::MessageIcon::Exclamation, kProgramTitle);
}

// The conditions the rows are computed at. They have passed the check when the part
// has a model; a part without one is computed at its fields' reference values.
CapacitorConditions ConditionsOf(const ExportJob& job, const ExportPlan& plan, char separator) {
    CapacitorConditions conditions;
    const double reference = ReferenceTemperature(job.Selection.CodeSystem);
    conditions.Temperature =
        shared::ParseNumber(job.Selection.TemperatureText, separator).value_or(reference);
    conditions.Bias = shared::ParseNumber(job.Selection.BiasText, separator).value_or(0.0);
    conditions.Connection = plan.Subject.Connection;
    conditions.PartNumber = plan.Subject.PartNumber;
    conditions.CodeSystem = job.Selection.CodeSystem;
    conditions.DecimalSeparator = separator;
    return conditions;
}

// The frequency field [MHz] once it has passed the window's check; nothing when it is
// refused (its message has been shown).
std::optional<double> CheckedFrequency(const ExportJob& job, const ExportPlan& plan, char separator,
                                       shared::Messages& messages, bool& noRange) {
    const std::optional<PartFrequencyRange> range =
        FrequencyRangeOf(plan.Subject.RangeClass, plan.Subject.UpperFrequency, separator);
    if (!range) {
        noRange = true;
        shared::ErrorReport(messages, kProgramTitle,
                            shared::RuntimeError(shared::error::kInvalidProcedureCall), kReportForm);
        return std::nullopt;
    }
    const std::string text = job.FrequencyText.value_or(DefaultFrequencyText(*range));
    double frequency = 0.0;
    if (const auto refusal = FrequencyCheckMessage(text, *range, separator, &frequency)) {
        ShowRefusal(messages, *refusal);
        return std::nullopt;
    }
    return frequency;
}

// The header's SRF, ESC and ESL as the window shows them after Enter in the frequency
// field [MHz] at the table's own conditions; nothing when the evaluation fails (its
// message has been shown).
std::optional<ImpedanceReadouts> RefreshedReadouts(const Library& library, const ExportJob& job,
                                                   const ExportPlan& plan, double frequency, char separator,
                                                   shared::Messages& messages) {
    std::optional<ImpedanceReadouts> readouts;
    shared::RunReportingErrors(
        messages, kProgramTitle,
        [&] {
            OperatingPointResult result;
            const double omega = AngularFrequencyFromMegahertz(frequency);
            const auto index = static_cast<std::size_t>(plan.Subject.PartIndex);
            if (plan.Subject.Product == ProductKind::Inductor) {
                EvaluateInductor(library.InductorTable.at(index), omega, result, &messages);
            } else {
                EvaluateCapacitor(library.CapacitorTable.at(index), omega, ConditionsOf(job, plan, separator),
                                  result, &messages);
            }
            readouts = ImpedanceReadoutsOf(result, separator);
        },
        kReportForm);
    return readouts;
}

}  // namespace

ExportJobResult RunExportJob(const Library& library, const ExportJob& job, const ExportPathFor& pathFor,
                             char separator, const shared::FileSinkOpener& openSink,
                             shared::Messages& messages) {
    const auto conditionCheck = [&]() {
        const CapacitorRecord* record = CapacitorOf(library, job.Selection);
        if (record == nullptr) {
            return false;
        }
        if (const auto refusal = OperatingConditionMessage(
                library, *record, job.Selection.PartNumber, job.Selection.CodeSystem,
                job.Selection.TemperatureText, job.Selection.BiasText, separator)) {
            ShowRefusal(messages, *refusal);
            return false;
        }
        return true;
    };
    bool failed = false;
    const std::optional<ExportPlan> plan =
        PrepareExport(library, job.Selection, conditionCheck, messages, &failed);
    if (!plan) {
        // A part whose data give no grid is a failure, not a refused request.
        return failed ? ExportJobResult::Failed : ExportJobResult::Refused;
    }

    // The impedance header's readouts and a SPICE model's element values both depend on
    // the frequency field; the Touchstone file covers the whole range and ignores it.
    std::optional<double> frequency;
    if (job.Format != ExportFormat::Touchstone) {
        bool noRange = false;
        frequency = CheckedFrequency(job, *plan, separator, messages, noRange);
        if (!frequency) {
            return noRange ? ExportJobResult::Failed : ExportJobResult::Refused;
        }
    }
    std::optional<ImpedanceReadouts> readouts;
    if (job.Format == ExportFormat::Impedance) {
        readouts = RefreshedReadouts(library, job, *plan, *frequency, separator, messages);
        if (!readouts) {
            return ExportJobResult::Failed;  // the evaluation's report has been shown
        }
    }

    const CapacitorConditions conditions = ConditionsOf(job, *plan, separator);
    if (job.Format == ExportFormat::Spice) {
        SpiceModel model;
        if (!shared::RunReportingErrors(
                messages, kProgramTitle,
                [&] {
                    model = SubjectSpiceModel(library, plan->Subject, conditions.Temperature, conditions.Bias,
                                              job.Selection.CodeSystem, conditions.DecimalSeparator,
                                              *frequency * 1e6);
                },
                kReportForm)) {
            return ExportJobResult::Failed;
        }
        return SaveSpiceExport(*plan, model, pathFor(plan->Subject), openSink, messages)
                   ? ExportJobResult::Saved
                   : ExportJobResult::Failed;
    }

    OperatingPointResult result;
    GridPointEvaluator evaluate;
    if (!shared::RunReportingErrors(
            messages, kProgramTitle,
            [&] {
                evaluate = SubjectEvaluator(library, plan->Subject, conditions.Temperature, conditions.Bias,
                                            job.Selection.CodeSystem, conditions.DecimalSeparator, result,
                                            &messages);
            },
            kReportForm)) {
        return ExportJobResult::Failed;
    }

    const std::string path = pathFor(plan->Subject);
    const bool saved =
        job.Format == ExportFormat::Touchstone
            ? SaveTouchstoneExport(*plan, evaluate, path, openSink, messages)
            : SaveImpedanceExport(*plan, *readouts, evaluate, separator, path, openSink, messages);
    return saved ? ExportJobResult::Saved : ExportJobResult::Failed;
}

}  // namespace pelmo
