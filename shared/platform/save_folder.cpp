#include "shared/platform/save_folder.h"

#include "shared/platform/settings.h"

#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace shared {

namespace {

bool IsUnder(const std::filesystem::path& path, std::string_view root) {
    const std::string text = path.generic_string();
    return text == root ||
           (text.size() > root.size() && text.compare(0, root.size(), root) == 0 && text[root.size()] == '/');
}

}  // namespace

bool IsOfferedSaveFolder(const std::string& folder) {
    if (folder.empty()) {
        return false;
    }
    std::error_code error;
    // The link's target decides: a link to /proc lists /proc all the same.
    const std::filesystem::path resolved = std::filesystem::canonical(folder, error);
    if (error || !std::filesystem::is_directory(resolved, error) || error) {
        return false;
    }
    constexpr std::array<std::string_view, 3> kVirtualRoots{"/proc", "/sys", "/dev"};
    for (const std::string_view root : kVirtualRoots) {
        if (IsUnder(resolved, root)) {
            return false;
        }
    }
    return ::access(resolved.c_str(), W_OK | X_OK) == 0;
}

std::string ReadSaveFolder(const Settings& settings, const std::string& currentFolder) {
    const std::string remembered = settings.Read(kSettingsSection, kFilePathKey, currentFolder);
    return IsOfferedSaveFolder(remembered) ? remembered : currentFolder;
}

std::string SaveFolderOf(const std::string& fileName, const std::string& fileTitle) {
    if (fileTitle.size() >= fileName.size()) {
        return {};
    }
    return fileName.substr(0, fileName.size() - fileTitle.size() - 1);
}

void RememberSaveFolder(Settings& settings, const std::string& fileName, const std::string& fileTitle) {
    settings.Write(kSettingsSection, kFilePathKey, SaveFolderOf(fileName, fileTitle));
}

}  // namespace shared
