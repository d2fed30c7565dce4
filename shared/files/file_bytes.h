#ifndef SHARED_FILES_FILE_BYTES_H
#define SHARED_FILES_FILE_BYTES_H

#include <string>

namespace shared {

// Reads a whole file into memory. The library and product files are small and are
// read once at start, so holding them whole keeps the readers free of stream state and
// lets them work the same on a file and on a buffer a test builds.
//
// Failures carry the classic numbers the start-up reports show: a missing file is 53
// "File not found", a file the user may not read is 70 "Permission denied", and a
// folder or any other open or read failure is 75 "Path/File access error". The source
// of the error is the path.
std::string ReadFileBytes(const std::string& path);

}  // namespace shared

#endif
