#ifndef SHARED_PLATFORM_PROGRAM_FOLDER_H
#define SHARED_PLATFORM_PROGRAM_FOLDER_H

#include <string>
#include <string_view>

namespace shared {

// The separator between the program folder and a file name. A network path (its first
// two characters equal, "\\server\share") takes its first character; a drive path
// ("C:\folder") the character after the drive letter and colon. Any other path is a
// POSIX path and takes "/".
char PathSeparatorOf(std::string_view folder);

// The program folder with its separator appended, so every library and help file is
// addressed as ProgramFolder + name. A drive root ("C:\") still gets the separator
// appended, as the programs always did; a POSIX folder that already ends in "/" keeps
// a single one, because a leading "//" means something else there.
std::string ProgramFolderPath(std::string_view folder);

// folder + separator + name, with the separator taken as above and not doubled when
// the folder already ends in it.
std::string JoinFolderAndName(std::string_view folder, std::string_view name);

}  // namespace shared

#endif
