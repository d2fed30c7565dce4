#include "shared/platform/save_flow.h"

#include "shared/platform/cls_comdlg.h"
#include "shared/platform/error_report.h"
#include "shared/platform/hourglass_guard.h"
#include "shared/platform/prelude_messages.h"
#include "shared/platform/save_folder.h"
#include "shared/platform/services.h"

namespace shared {

SaveFlowOutcome RunSaveFlow(const Services& services, const SaveDialogSpec& spec, const SaveWriter& write) {
    clsComdlg dialog(services.Dialogs, spec.ProgramTitle);
    dialog.SetFlags(spec.Flags);
    dialog.SetFilter(spec.Filter);
    dialog.SetFileName(spec.ProposedName);
    dialog.SetFilterIndex(spec.FilterIndex);
    dialog.SetInitDir(ReadSaveFolder(services.Settings, spec.CurrentFolder));
    try {
        dialog.ShowSave();
    } catch (const RuntimeError& failure) {
        // The dialog reports Cancel as an error, as the classic control does; to the
        // command it is an answer.
        if (failure.Number() == comdlg_error::kCancel) {
            return SaveFlowOutcome::Cancelled;
        }
        ErrorReport(services.Messages, spec.ProgramTitle, failure, spec.ReportForm);
        return SaveFlowOutcome::Failed;
    }
    const std::string fileName = dialog.FileName();
    RememberSaveFolder(services.Settings, fileName, dialog.FileTitle());

    HourglassGuard hourglass(services.Cursor);
    PreludeMessages messages(services.Messages, [&hourglass] { hourglass.Release(); });
    return write(fileName, messages) ? SaveFlowOutcome::Saved : SaveFlowOutcome::Failed;
}

}  // namespace shared
