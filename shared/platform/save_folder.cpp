#include "shared/platform/save_folder.h"

#include "shared/platform/settings.h"

namespace shared {

std::string ReadSaveFolder(const Settings& settings, const std::string& currentFolder) {
    return settings.Read(kSettingsSection, kFilePathKey, currentFolder);
}

std::string SaveFolderOf(const std::string& fileName, const std::string& fileTitle) {
    if (fileTitle.size() >= fileName.size()) {
        return {};
    }
    return fileName.substr(0, fileName.size() - fileTitle.size() - 1);
}

void RememberSaveFolder(Settings& settings, const std::string& fileName,
                        const std::string& fileTitle) {
    settings.Write(kSettingsSection, kFilePathKey, SaveFolderOf(fileName, fileTitle));
}

}  // namespace shared
