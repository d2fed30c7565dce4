#include "pelmo/app/help_and_links.h"

#include "pelmo/library/program_facts.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/selection/selection_window_state.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/help_file.h"
#include "shared/platform/messages.h"
#include "shared/platform/services.h"
#include "shared/platform/shell.h"
#include "shared/platform/web_link.h"

#include <exception>

namespace pelmo {

void WebLink(int kind, const SelectionWindowState& selection, const shared::Services& services,
             const ProgramFacts& facts) {
    try {
        shared::WebLinkRequest request;
        request.kind = kind;
        request.program = shared::WebLinkProgram::Pelmo;
        request.helpLanguage = facts.Help.language;
        request.partNumberText = selection.PartNumber.Text;
        request.codeSystem = selection.CodeSystem == shared::Jis ? 1 : 0;
        services.Shell.OpenUrl(shared::BuildWebLinkUrl(request));
    } catch (const shared::RuntimeError& failure) {
        services.Messages.Show(failure.Description(), shared::MessageIcon::None, kProgramTitle);
    } catch (const std::exception& failure) {
        services.Messages.Show(failure.what(), shared::MessageIcon::None, kProgramTitle);
    }
}

void OpenHelp(const shared::Services& services, const ProgramFacts& facts) {
    shared::OpenHelpContents(services.Shell, services.Messages, kProgramTitle, facts.ProgramFolder,
                             facts.Help.fileName);
}

}  // namespace pelmo
