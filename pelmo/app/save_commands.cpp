#include "pelmo/app/save_commands.h"

#include "pelmo/app/program_services.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/engine/temperature_range.h"
#include "pelmo/export/export_command.h"
#include "pelmo/export/export_evaluators.h"
#include "pelmo/export/export_file_names.h"
#include "pelmo/export/spice_model.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/selection/library_selection.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/cls_comdlg.h"
#include "shared/platform/error_report.h"
#include "shared/platform/hourglass_guard.h"
#include "shared/platform/messages.h"
#include "shared/platform/save_folder.h"
#include "shared/text/number_text.h"

#include <optional>

namespace pelmo {

namespace {

// The exports report their failures with "Unexpected Error " and the plain number.
constexpr shared::ErrorNumberForm kReportForm = shared::ErrorNumberForm::TrailingBlank;

// The confirmation or error at the end of a save is shown with the normal pointer: the
// file is closed by then, and a user reading a box under an hourglass thinks the
// program is still busy.
class PointerRestoringMessages : public shared::Messages {
public:
    PointerRestoringMessages(shared::Messages& inner, shared::HourglassGuard& hourglass)
        : inner_(inner), hourglass_(hourglass) {}

    shared::MessageAnswer Show(const std::string& text, shared::MessageIcon icon, const std::string& title,
                               shared::MessageButtons buttons) override {
        hourglass_.Release();
        return inner_.Show(text, icon, title, buttons);
    }

private:
    shared::Messages& inner_;
    shared::HourglassGuard& hourglass_;
};

ExportSelection ExportSelectionOf(const SelectionWindowState& state) {
    ExportSelection selection;
    selection.Product = state.Product == ProductKind::Inductor ? ExportProduct::Inductor : ExportProduct::Capacitor;
    selection.PartNumber = state.PartNumber.Text;
    selection.CodeSystem = state.CodeSystem;
    selection.Connection = state.Connection();
    selection.TemperatureText = state.Temperature;
    selection.BiasText = state.Bias;
    return selection;
}

// Shows the save dialog; the chosen path, or nothing after Cancel or a reported failure.
struct DialogChoice {
    std::string FileName;
    std::string FileTitle;
};
std::optional<DialogChoice> AskForFile(SaveFormat format, const ExportSubject& subject,
                                       const ProgramServices& services, const std::string& currentFolder,
                                       bool& cancelled) {
    shared::clsComdlg dialog(services.Dialogs, kProgramTitle);
    dialog.SetFlags(kExportDialogFlags);
    switch (format) {
    case SaveFormat::Touchstone:
        dialog.SetFilter(kTouchstoneFilter);
        dialog.SetFileName(TouchstoneFileName(subject));
        break;
    case SaveFormat::Impedance:
        dialog.SetFilter(kImpedanceFilter);
        dialog.SetFileName(ImpedanceFileName(subject));
        break;
    case SaveFormat::Spice:
        dialog.SetFilter(kSpiceFilter);
        dialog.SetFileName(SpiceFileName(subject));
        break;
    }
    dialog.SetFilterIndex(kExportFilterIndex);
    dialog.SetInitDir(shared::ReadSaveFolder(services.Settings, currentFolder));
    try {
        dialog.ShowSave();
    } catch (const shared::RuntimeError& failure) {
        cancelled = failure.Number() == shared::comdlg_error::kCancel;
        if (!cancelled) {
            shared::ErrorReport(services.Messages, kProgramTitle, failure, kReportForm);
        }
        return std::nullopt;
    }
    return DialogChoice{dialog.FileName(), dialog.FileTitle()};
}

}  // namespace

SaveOutcome RunSaveCommand(SaveFormat format, LibrarySelection& selection, const Library& library,
                           const ProgramServices& services, const SaveEnvironment& environment) {
    // The box takes the library's spelling first, so the file and its proposed name
    // carry the part number as the library writes it whatever case was typed.
    selection.LookUpPartNumber();
    const ExportSelection request = ExportSelectionOf(selection.State());
    const std::optional<ExportPlan> plan =
        PrepareExport(library, request, [&selection]() { return selection.OperatingConditionCheck(); },
                      services.Messages);
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

    bool cancelled = false;
    const std::optional<DialogChoice> choice =
        AskForFile(format, plan->Subject, services, environment.CurrentFolder, cancelled);
    if (!choice) {
        return cancelled ? SaveOutcome::Cancelled : SaveOutcome::Failed;
    }
    shared::RememberSaveFolder(services.Settings, choice->FileName, choice->FileTitle);

    shared::HourglassGuard hourglass(services.Cursor);
    PointerRestoringMessages messages(services.Messages, hourglass);
    const char separator = shared::DecimalSeparator();
    // The fields have passed their checks; a part without a condition model is computed
    // at the reference values its disabled fields stand for.
    const double temperature = shared::ParseNumber(request.TemperatureText, separator)
                                   .value_or(ReferenceTemperature(request.CodeSystem));
    const double bias = shared::ParseNumber(request.BiasText, separator).value_or(0.0);
    if (format == SaveFormat::Spice) {
        // The frequency field passed its check in step 1.
        const double frequency = shared::ParseNumber(selection.State().Frequency, separator).value_or(0.0) * 1e6;
        SpiceModel model;
        if (!shared::RunReportingErrors(
                messages, kProgramTitle,
                [&] {
                    model = SubjectSpiceModel(library, plan->Subject, temperature, bias, request.CodeSystem,
                                              frequency);
                },
                kReportForm)) {
            return SaveOutcome::Failed;
        }
        return SaveSpiceExport(*plan, model, choice->FileName, environment.OpenSink, messages) ? SaveOutcome::Saved
                                                                                                : SaveOutcome::Failed;
    }
    OperatingPointResult result;
    GridPointEvaluator evaluate;
    if (!shared::RunReportingErrors(
            messages, kProgramTitle,
            [&] {
                evaluate = SubjectEvaluator(library, plan->Subject, temperature, bias, request.CodeSystem, result,
                                            &messages);
            },
            kReportForm)) {
        return SaveOutcome::Failed;
    }
    const bool saved =
        format == SaveFormat::Touchstone
            ? SaveTouchstoneExport(*plan, evaluate, choice->FileName, environment.OpenSink, messages)
            : SaveImpedanceExport(*plan, readouts, evaluate, separator, choice->FileName, environment.OpenSink,
                                  messages);
    return saved ? SaveOutcome::Saved : SaveOutcome::Failed;
}

}  // namespace pelmo
