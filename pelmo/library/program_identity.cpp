#include "pelmo/library/program_identity.h"

#include "shared/errors/runtime_error.h"

namespace pelmo {

const char* const kProgramTitle = "Pelmo";
const char* const kProductTitle = "Quenzar";

std::string ProcedureTitle(const std::string& module, const std::string& procedure) {
    return shared::ErrorReportTitle("pelmo", module, procedure);
}

}  // namespace pelmo
