#ifndef SHARED_PLATFORM_SHELL_H
#define SHARED_PLATFORM_SHELL_H

#include <string>

namespace shared {

// The desktop's "open" request: a web address in the default browser, a document (the
// help PDF) in its viewer. Whether a handler exists is not examined: a missing browser
// or viewer simply has no visible effect. An implementation may throw when it cannot
// even prepare the request (an address it cannot parse); callers report that.
class Shell {
public:
    virtual ~Shell() = default;
    // url is already percent-encoded; the backend must not encode it again.
    virtual void OpenUrl(const std::string& url) = 0;
    // path is a local file path in the platform's own form.
    virtual void OpenDocument(const std::string& path) = 0;
};

}  // namespace shared

#endif
