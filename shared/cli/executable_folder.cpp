#include "shared/cli/executable_folder.h"

#include <filesystem>
#include <system_error>

namespace shared {

std::string ExecutableFolder(const char* invokedAs) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        return self.parent_path().string();
    }
    const std::filesystem::path invoked =
        std::filesystem::absolute(invokedAs != nullptr ? invokedAs : "", error);
    return error ? std::string(".") : invoked.parent_path().string();
}

}  // namespace shared
