#include "pelmo/cli/pelmo_cli.h"

#include "shared/cli/cli_environment.h"
#include "shared/cli/cli_program.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int status = pelmo::RunPelmoCli(arguments, std::cout, std::cerr,
                                          shared::CliEnvironmentOfProcess(argc > 0 ? argv[0] : nullptr));
    return shared::CliProgram::FinishOutput(std::cout, std::cerr, status);
}
