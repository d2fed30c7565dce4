#ifndef SHARED_PLATFORM_SINGLE_INSTANCE_H
#define SHARED_PLATFORM_SINGLE_INSTANCE_H

#include <string>

namespace shared {

class Messages;

// Whether another copy of the same program is already running. The first copy to
// acquire keeps the claim until it ends; a copy that crashed must not keep later copies
// out, so implementations recognise a claim whose owner is gone.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // Claims the program for this copy. False when another running copy holds it.
    virtual bool Acquire() = 0;
};

// The start-up refusal both programs share: when another copy holds the claim, shows
// "It is already started." (critical icon, OK) titled with the program title and
// returns true, and the caller ends the program before reading anything.
bool RefuseSecondCopy(SingleInstance& instance, Messages& messages, const std::string& programTitle);

}  // namespace shared

#endif
