#include "darvo/cli/darvo_cli.h"
#include "darvo/export/date_time_text.h"

#include "shared/cli/cli_environment.h"
#include "shared/cli/cli_program.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    darvo::CliEnvironment environment;
    static_cast<shared::CliEnvironment&>(environment) =
        shared::CliEnvironmentOfProcess(argc > 0 ? argv[0] : nullptr);
    environment.TimeLocale = darvo::EnvironmentLocale();
    return shared::CliProgram::FinishOutput(std::cout, std::cerr,
                                            darvo::RunDarvoCli(arguments, std::cout, std::cerr, environment));
}
