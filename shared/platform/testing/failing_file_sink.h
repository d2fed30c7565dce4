#ifndef SHARED_PLATFORM_FAILING_FILE_SINK_H
#define SHARED_PLATFORM_FAILING_FILE_SINK_H

#include "shared/platform/file_sink.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace shared {

// Wraps a real sink and raises errorNumber once failAfterBytes bytes have gone through,
// passing the bytes before the failure point on. With the atomic writer inside, a test
// checks on disk that a failed export leaves the old file as it was. Given the target
// path, the failure reads as a real writer's: the standard description and under it
// "path: " + the system's reason for the number (61 "No space left on device", 70
// "Permission denied", otherwise "Input/output error").
class FailingFileSink : public FileSink {
public:
    FailingFileSink(std::unique_ptr<FileSink> inner, std::size_t failAfterBytes, int errorNumber,
                    std::string targetPath = {});

    void Write(std::string_view bytes) override;
    void Commit() override;

    // An opener of atomic writers that all fail this way.
    static FileSinkOpener Opener(std::size_t failAfterBytes, int errorNumber);

private:
    std::unique_ptr<FileSink> inner_;
    std::size_t remaining_;
    int errorNumber_;
    std::string targetPath_;
};

}  // namespace shared

#endif
