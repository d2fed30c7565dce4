#ifndef SHARED_FILES_FILE_BYTES_H
#define SHARED_FILES_FILE_BYTES_H

#include <cstddef>
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
//
// Only regular files are read: a device, FIFO or socket (a file replaced by a link to
// /dev/zero, say) would never end or would block, and is refused with 75. At most
// maxBytes are read; a file that holds more is refused with 7 "Out of memory" unless
// truncate is set, when only its first maxBytes bytes are returned (a fixed-record file
// needs no more than its index promises, whatever follows).
inline constexpr std::size_t kMaxLibraryFileBytes = 64U * 1024U * 1024U;
std::string ReadFileBytes(const std::string& path, std::size_t maxBytes = kMaxLibraryFileBytes,
                          bool truncate = false);

}  // namespace shared

#endif
