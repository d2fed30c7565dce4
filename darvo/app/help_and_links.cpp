#include "darvo/app/help_and_links.h"

#include "darvo/app/program_facts.h"
#include "darvo/app/program_identity.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/help_file.h"
#include "shared/platform/messages.h"
#include "shared/platform/services.h"
#include "shared/platform/shell.h"
#include "shared/platform/web_link.h"

#include <exception>

namespace darvo {

std::string WebLinkUrl(int mode, const std::string& partNumberText, shared::CodeSystem codeSystem,
                       int helpLanguage) {
    shared::WebLinkRequest request;
    request.kind = mode;
    request.program = shared::WebLinkProgram::Darvo;
    request.helpLanguage = helpLanguage;
    request.partNumberText = partNumberText;
    request.codeSystem = codeSystem == shared::Jis ? 1 : 0;
    return shared::BuildWebLinkUrl(request);
}

void WebLink(int mode, const std::string& partNumberText, shared::CodeSystem codeSystem,
             const shared::Services& services, const ProgramFacts& facts) {
    try {
        services.Shell.OpenUrl(WebLinkUrl(mode, partNumberText, codeSystem, facts.HelpLanguage()));
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

}  // namespace darvo
