#include "pelmo/app/save_commands.h"

#include "pelmo/engine/operating_point_result.h"
#include "pelmo/engine/temperature_range.h"
#include "pelmo/export/export_command.h"
#include "pelmo/export/export_evaluators.h"
#include "pelmo/export/export_file_names.h"
#include "pelmo/export/spice_model.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/selection/library_selection.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/error_report.h"
#include "shared/platform/messages.h"
#include "shared/platform/save_flow.h"
#include "shared/platform/services.h"
#include "shared/text/number_text.h"

#include <optional>
#include <string>

namespace pelmo {

namespace {

// The exports report their failures with "Unexpected Error " and the plain number.
constexpr shared::ErrorNumberForm kReportForm = shared::ErrorNumberForm::TrailingBlank;

ExportSelection ExportSelectionOf(const SelectionWindowState& state) {
    ExportSelection selection;
    selection.Product = state.Product;
    selection.PartNumber = state.PartNumber.Text;
    selection.CodeSystem = state.CodeSystem;
    selection.Connection = state.Connection();
    selection.TemperatureText = state.Temperature;
    selection.BiasText = state.Bias;
    return selection;
}

// The save dialog of a format: its filter and the proposed name of the part.
shared::SaveDialogSpec DialogSpec(SaveFormat format, const ExportSubject& subject,
                                  const std::string& currentFolder) {
    shared::SaveDialogSpec spec;
    spec.ProgramTitle = kProgramTitle;
    spec.Flags = kExportDialogFlags;
    spec.FilterIndex = kExportFilterIndex;
    spec.CurrentFolder = currentFolder;
    spec.ReportForm = kReportForm;
    switch (format) {
        case SaveFormat::Touchstone:
            spec.Filter = kTouchstoneFilter;
            spec.ProposedName = TouchstoneFileName(subject);
            break;
        case SaveFormat::Impedance:
            spec.Filter = kImpedanceFilter;
            spec.ProposedName = ImpedanceFileName(subject);
            break;
        case SaveFormat::Spice:
            spec.Filter = kSpiceFilter;
            spec.ProposedName = SpiceFileName(subject);
            break;
    }
    return spec;
}

}  // namespace

SaveOutcome RunSaveCommand(SaveFormat format, LibrarySelection& selection, const Library& library,
                           const shared::Services& services, const SaveEnvironment& environment) {
    // The box takes the library's spelling first, so the file and its proposed name
    // carry the part number as the library writes it whatever case was typed.
    selection.LookUpPartNumber();
    const ExportSelection request = ExportSelectionOf(selection.State());
    const std::optional<ExportPlan> plan = PrepareExport(
        library, request, [&selection]() { return selection.OperatingConditionCheck(); }, services.Messages);
    if (!plan) {
        return SaveOutcome::Refused;
    }
    ImpedanceReadouts readouts;
    if (format != SaveFormat::Touchstone) {
        if (!selection.RefreshReadoutsForExport()) {
            return SaveOutcome::Refused;
        }
        const SelectionReadouts& shown = selection.State().Readouts;
        readouts = ImpedanceReadouts{shown.Freq, shown.Cap, shown.Ind};
    }

    const auto write = [&](const std::string& fileName, shared::Messages& messages) {
        const char separator = selection.Separator();
        // The fields have passed their checks; a part without a condition model is
        // computed at the reference values its disabled fields stand for.
        const double temperature = shared::ParseNumber(request.TemperatureText, separator)
                                       .value_or(ReferenceTemperature(request.CodeSystem));
        const double bias = shared::ParseNumber(request.BiasText, separator).value_or(0.0);
        if (format == SaveFormat::Spice) {
            // The frequency field passed its check in step 1.
            const double frequency =
                shared::ParseNumber(selection.State().Frequency, separator).value_or(0.0) * 1e6;
            SpiceModel model;
            if (!shared::RunReportingErrors(
                    messages, kProgramTitle,
                    [&] {
                        model = SubjectSpiceModel(library, plan->Subject, temperature, bias,
                                                  request.CodeSystem, separator, frequency);
                    },
                    kReportForm)) {
                return false;
            }
            return SaveSpiceExport(*plan, model, fileName, environment.OpenSink, messages);
        }
        OperatingPointResult result;
        GridPointEvaluator evaluate;
        if (!shared::RunReportingErrors(
                messages, kProgramTitle,
                [&] {
                    evaluate = SubjectEvaluator(library, plan->Subject, temperature, bias, request.CodeSystem,
                                                separator, result, &messages);
                },
                kReportForm)) {
            return false;
        }
        return format == SaveFormat::Touchstone
                   ? SaveTouchstoneExport(*plan, evaluate, fileName, environment.OpenSink, messages)
                   : SaveImpedanceExport(*plan, readouts, evaluate, separator, fileName, environment.OpenSink,
                                         messages);
    };
    switch (
        shared::RunSaveFlow(services, DialogSpec(format, plan->Subject, environment.CurrentFolder), write)) {
        case shared::SaveFlowOutcome::Cancelled:
            return SaveOutcome::Cancelled;
        case shared::SaveFlowOutcome::Failed:
            return SaveOutcome::Failed;
        case shared::SaveFlowOutcome::Saved:
            return SaveOutcome::Saved;
    }
    return SaveOutcome::Failed;
}

}  // namespace pelmo
