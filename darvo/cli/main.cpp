#include "darvo/cli/darvo_cli.h"
#include "darvo/export/date_time_text.h"

#include "shared/text/number_text.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

namespace {

// The folder of the running executable. Linux names it in /proc; elsewhere, or when
// that fails, the folder of the name the program was started by.
std::string ExecutableFolder(const char* invokedAs) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        return self.parent_path().string();
    }
    const std::filesystem::path invoked = std::filesystem::absolute(invokedAs != nullptr ? invokedAs : "", error);
    return error ? std::string(".") : invoked.parent_path().string();
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    darvo::CliEnvironment environment;
    environment.ProgramFolder = ExecutableFolder(argc > 0 ? argv[0] : nullptr);
    environment.DecimalSeparator = shared::DecimalSeparatorFromEnvironment();
    environment.TimeLocale = darvo::EnvironmentLocale();
    return darvo::RunDarvoCli(arguments, std::cout, std::cerr, environment);
}
