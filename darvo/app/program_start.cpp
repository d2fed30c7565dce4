#include "darvo/app/program_start.h"

#include "darvo/app/program_identity.h"
#include "darvo/library/product_loader.h"

#include "shared/errors/runtime_error.h"
#include "shared/errors/start_failure.h"
#include "shared/parts/part_sort.h"
#include "shared/platform/error_report.h"
#include "shared/platform/messages.h"
#include "shared/platform/program_folder.h"
#include "shared/platform/single_instance.h"
#include "shared/text/number_text.h"

#include <exception>

namespace darvo {

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
        program.Facts.Help = shared::DetectHelp(program.Facts.ProgramFolder, kHelpStem);
        program.Facts.DegreeSign = SystemDegreeSign();
        program.Products = LoadProducts(program.Facts.ProgramFolder, decimalSeparator);
        if (!SortProducts(program.Products, shared::Eia, decimalSeparator)) {
            messages.Show(shared::kSortErrorMessage, shared::MessageIcon::None, kProgramTitle);
            return std::nullopt;
        }
    } catch (const shared::StartFailure& failure) {
        shared::ErrorReport(messages, failure.Title(), failure);
        return std::nullopt;
    } catch (const shared::RuntimeError& failure) {
        shared::ErrorReport(messages, kStartFailureTitle, failure);
        return std::nullopt;
    } catch (const std::exception& failure) {
        shared::ErrorReport(messages, kStartFailureTitle, failure);
        return std::nullopt;
    }
    return program;
}

}  // namespace darvo
