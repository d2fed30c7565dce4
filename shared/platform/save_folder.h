#ifndef SHARED_PLATFORM_SAVE_FOLDER_H
#define SHARED_PLATFORM_SAVE_FOLDER_H

#include <string>

namespace shared {

class Settings;

// The folder the save dialogs open in: the remembered one, or currentFolder when no
// save has been remembered yet or the remembered folder may not be offered.
std::string ReadSaveFolder(const Settings& settings, const std::string& currentFolder);

// Whether a save dialog may open in folder: an existing, writable folder outside the
// kernel's virtual file systems (/proc, /sys, /dev, also reached through a link). A
// dialog listing such a folder reads device files and may never paint.
bool IsOfferedSaveFolder(const std::string& folder);

// The folder of a chosen file: its full path without the file title and the separator
// before it (the first length(fileName) - length(fileTitle) - 1 characters). Empty when
// the title is not shorter than the path.
std::string SaveFolderOf(const std::string& fileName, const std::string& fileTitle);

// Remembers the folder of the chosen file for the next save dialog.
void RememberSaveFolder(Settings& settings, const std::string& fileName, const std::string& fileTitle);

}  // namespace shared

#endif
