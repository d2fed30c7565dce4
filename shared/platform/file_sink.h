#ifndef SHARED_PLATFORM_FILE_SINK_H
#define SHARED_PLATFORM_FILE_SINK_H

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace shared {

// Where a writer puts the bytes of one file the user asked for. Nothing becomes visible
// under the target name until Commit succeeds: a writer that fails half-way (or an
// object destroyed without Commit) leaves the old file exactly as it was and no partial
// file behind. Failures raise RuntimeError with 75 (path/file access), 70 (permission
// denied) or 61 (disk full); the description is the standard one with a line under it
// naming the path and the system's reason ("Permission denied", "Is a directory"), so a
// report says which file failed and why.
class FileSink {
public:
    virtual ~FileSink() = default;
    virtual void Write(std::string_view bytes) = 0;
    // Makes the written bytes the target file. No Write may follow.
    virtual void Commit() = 0;
};

// Opens a sink for a target path, so a command can be handed the plain writer
// (command-line tools), the toolkit's one (desktop programs) or a failing one (tests).
using FileSinkOpener = std::function<std::unique_ptr<FileSink>(const std::string& targetPath)>;

}  // namespace shared

#endif
