#ifndef SHARED_PLATFORM_QT_SHELL_H
#define SHARED_PLATFORM_QT_SHELL_H

#include "shared/platform/shell.h"

#include <QUrl>

namespace shared {

// The desktop's default handlers through QDesktopServices. Results are not examined: a
// missing browser or viewer has no visible effect, as the programs always behaved.
class QtShell : public Shell {
public:
    // Raises RuntimeError 5 when the address does not parse.
    void OpenUrl(const std::string& url) override;
    void OpenDocument(const std::string& path) override;

    // The address as the toolkit takes it: already encoded, so parsed strictly and not
    // encoded a second time.
    static QUrl EncodedUrl(const std::string& url);
    static QUrl DocumentUrl(const std::string& path);
};

}  // namespace shared

#endif
