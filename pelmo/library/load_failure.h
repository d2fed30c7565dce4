#ifndef PELMO_LIBRARY_LOAD_FAILURE_H
#define PELMO_LIBRARY_LOAD_FAILURE_H

#include "shared/errors/runtime_error.h"

#include <string>

namespace pelmo {

// The error-report titles of the two start-up procedures. Which one a failure carries
// tells the help desk whether an index file (Main) or a model file or the second
// reading of an index (GetData) is at fault.
inline constexpr const char* kMainFailureTitle = "pelmo:Public.Main";
inline constexpr const char* kGetDataFailureTitle = "pelmo:Public.GetData";

// A failure while loading the library: the run-time error with its classic number and
// description, and the title of the procedure it is reported under. The start shows it
// through the "Unexpected Error" report and ends, because a program without its
// library has nothing to show.
class LoadFailure : public shared::RuntimeError {
public:
    LoadFailure(std::string title, const shared::RuntimeError& error);

    const std::string& Title() const noexcept { return title_; }

private:
    std::string title_;
};

}  // namespace pelmo

#endif
