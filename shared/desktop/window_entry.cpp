#include "shared/desktop/window_entry.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/error_report.h"

#include <exception>

namespace shared {

bool RunWindowEntry(Messages& messages, const std::string& title,
                    const std::function<void()>& entry) noexcept {
    try {
        return RunReportingErrors(messages, title, entry);
    } catch (...) {
        // The report itself failed (no memory left for the box): the entry still must not
        // unwind through the toolkit.
        return false;
    }
}

}  // namespace shared
