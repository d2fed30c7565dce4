#include "darvo/cli/darvo_cli.h"
#include "darvo/export/date_time_text.h"

#include "shared/cli/executable_folder.h"
#include "shared/text/number_text.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    darvo::CliEnvironment environment;
    environment.ProgramFolder = shared::ExecutableFolder(argc > 0 ? argv[0] : nullptr);
    environment.DecimalSeparator = shared::DecimalSeparatorFromEnvironment();
    environment.TimeLocale = darvo::EnvironmentLocale();
    return darvo::RunDarvoCli(arguments, std::cout, std::cerr, environment);
}
