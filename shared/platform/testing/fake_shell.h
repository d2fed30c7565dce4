#ifndef SHARED_PLATFORM_FAKE_SHELL_H
#define SHARED_PLATFORM_FAKE_SHELL_H

#include "shared/platform/shell.h"

#include <optional>
#include <string>
#include <vector>

namespace shared {

// Records what the program asked the desktop to open. FailWith makes the next requests
// throw while being prepared, as a malformed address would.
class FakeShell : public Shell {
public:
    void OpenUrl(const std::string& url) override;
    void OpenDocument(const std::string& path) override;

    void FailWith(const std::string& description) { failure_ = description; }

    const std::vector<std::string>& OpenedUrls() const noexcept { return urls_; }
    const std::vector<std::string>& OpenedDocuments() const noexcept { return documents_; }

private:
    void ThrowIfFailing() const;

    std::vector<std::string> urls_;
    std::vector<std::string> documents_;
    std::optional<std::string> failure_;
};

}  // namespace shared

#endif
