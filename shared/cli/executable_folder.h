#ifndef SHARED_CLI_EXECUTABLE_FOLDER_H
#define SHARED_CLI_EXECUTABLE_FOLDER_H

#include <string>

namespace shared {

// The folder of the running executable, where the tools find their sample files as the
// desktop programs do. Linux names it in /proc; elsewhere, or when that fails, the
// folder of invokedAs (the name the program was started by, may be null), and "." when
// even that cannot be made absolute.
std::string ExecutableFolder(const char* invokedAs);

}  // namespace shared

#endif
