#ifndef SHARED_ERRORS_START_FAILURE_H
#define SHARED_ERRORS_START_FAILURE_H

#include "shared/errors/runtime_error.h"

#include <string>

namespace shared {

// A failure while reading a program's library at start: the run-time error with its
// classic number and a description that names the file or the part at fault, and the
// title of the start-up procedure it is reported under ("pelmo:Public.Main",
// "pelmo:Public.GetData", "darvo:mdlPublic.Main"), so the help desk knows which file the
// start stopped on. The start shows it through the "Unexpected Error" report and ends,
// because a program without its library has nothing to show.
class StartFailure : public RuntimeError {
public:
    StartFailure(std::string title, const RuntimeError& error);

    const std::string& Title() const noexcept { return title_; }

private:
    std::string title_;
};

}  // namespace shared

#endif
