#ifndef SHARED_CLI_CLI_ENVIRONMENT_H
#define SHARED_CLI_CLI_ENVIRONMENT_H

#include "shared/platform/atomic_file_writer.h"
#include "shared/platform/file_sink.h"

#include <string>

namespace shared {

// What a command-line tool takes from its process rather than from its arguments; tests
// pass their own.
struct CliEnvironment {
    // The folder of the executable: the library is read from there unless --library
    // names another, as the desktop programs read it from their own folder.
    std::string ProgramFolder;
    // The locale's decimal separator, for typed numbers and human-facing texts (the
    // library's shown texts, messages, the files the windows write in the locale).
    // Machine-read output (Touchstone rows, JSON, CSV) always uses ".".
    char DecimalSeparator = '.';
    // How every file is written: the atomic writer, unless a test fails it on purpose.
    FileSinkOpener Open = OpenAtomicFileWriter;
};

// The environment of the running process: the executable's folder (invokedAs is argv[0],
// may be null), the locale's separator and the atomic writer.
CliEnvironment CliEnvironmentOfProcess(const char* invokedAs);

}  // namespace shared

#endif
