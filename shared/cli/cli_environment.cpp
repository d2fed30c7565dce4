#include "shared/cli/cli_environment.h"

#include "shared/cli/executable_folder.h"
#include "shared/text/number_text.h"

namespace shared {

CliEnvironment CliEnvironmentOfProcess(const char* invokedAs) {
    CliEnvironment environment;
    environment.ProgramFolder = ExecutableFolder(invokedAs);
    environment.DecimalSeparator = DecimalSeparatorFromEnvironment();
    return environment;
}

}  // namespace shared
