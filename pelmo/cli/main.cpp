#include "pelmo/cli/pelmo_cli.h"

#include "shared/cli/executable_folder.h"
#include "shared/text/number_text.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    pelmo::CliEnvironment environment;
    environment.ProgramFolder = shared::ExecutableFolder(argc > 0 ? argv[0] : nullptr);
    environment.DecimalSeparator = shared::DecimalSeparatorFromEnvironment();
    return pelmo::RunPelmoCli(arguments, std::cout, std::cerr, environment);
}
