#ifndef DARVO_LIBRARY_START_FAILURE_H
#define DARVO_LIBRARY_START_FAILURE_H

#include "shared/errors/runtime_error.h"

#include <string>

namespace darvo {

// The error-report title of the start-up procedure. Every failure to read the product
// files is reported under it, so the help desk knows the start stopped on the data.
inline constexpr const char* kStartFailureTitle = "darvo:mdlPublic.Main";

// A failure while reading the product files at start: the run-time error with its
// classic number and a description that names the file or the part at fault, and the
// title it is reported under. The start shows it through the "Unexpected Error" report
// and ends, because a program without its products has nothing to chart.
class StartFailure : public shared::RuntimeError {
public:
    StartFailure(std::string title, const shared::RuntimeError& error);

    const std::string& Title() const noexcept { return title_; }

private:
    std::string title_;
};

}  // namespace darvo

#endif
