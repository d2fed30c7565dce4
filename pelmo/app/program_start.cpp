#include "pelmo/app/program_start.h"

#include "pelmo/library/library_loader.h"
#include "pelmo/library/program_identity.h"

#include "shared/errors/runtime_error.h"
#include "shared/errors/start_failure.h"
#include "shared/platform/error_report.h"
#include "shared/platform/program_folder.h"
#include "shared/platform/single_instance.h"

#include <exception>
#include <utility>

namespace pelmo {

std::string SystemDegreeSign() {
    return "\u00B0";
}

std::optional<StartedProgram> StartProgram(shared::SingleInstance& instance, shared::Messages& messages,
                                           const std::string& executableFolder, char decimalSeparator) {
    if (shared::RefuseSecondCopy(instance, messages, kProgramTitle)) {
        return std::nullopt;
    }
    StartedProgram program;
    try {
        program.Facts.ProgramFolder = shared::ProgramFolderPath(executableFolder);
        program.Facts.Help = shared::DetectHelp(program.Facts.ProgramFolder, "pelmo");
        program.Facts.DegreeSign = SystemDegreeSign();
        program.Parts = LoadLibrary(program.Facts.ProgramFolder, decimalSeparator);
    } catch (const shared::StartFailure& failure) {
        shared::ErrorReport(messages, failure.Title(), failure);
        return std::nullopt;
    } catch (const shared::RuntimeError& failure) {
        shared::ErrorReport(messages, kMainFailureTitle, failure);
        return std::nullopt;
    } catch (const std::exception& failure) {
        shared::ErrorReport(messages, kMainFailureTitle, failure);
        return std::nullopt;
    }
    return program;
}

}  // namespace pelmo
