#include "shared/platform/program_folder.h"

namespace shared {

namespace {

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsNetworkPath(std::string_view folder) {
    return folder.size() >= 2 && folder[0] == folder[1] && (folder[0] == '\\' || folder[0] == '/');
}

bool IsDrivePath(std::string_view folder) {
    return folder.size() >= 3 && IsDriveLetter(folder[0]) && folder[1] == ':' &&
           (folder[2] == '\\' || folder[2] == '/');
}

}  // namespace

char PathSeparatorOf(std::string_view folder) {
    if (IsNetworkPath(folder)) {
        return folder[0];
    }
    if (IsDrivePath(folder)) {
        return folder[2];
    }
    return '/';
}

std::string ProgramFolderPath(std::string_view folder) {
    const char separator = PathSeparatorOf(folder);
    std::string path(folder);
    if (IsNetworkPath(folder) || IsDrivePath(folder) || path.empty() || path.back() != separator) {
        path += separator;
    }
    return path;
}

std::string JoinFolderAndName(std::string_view folder, std::string_view name) {
    const char separator = PathSeparatorOf(folder);
    std::string path(folder);
    if (path.empty() || path.back() != separator) {
        path += separator;
    }
    path += name;
    return path;
}

}  // namespace shared
