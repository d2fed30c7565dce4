#ifndef SHARED_PLATFORM_SCRIPTED_SINGLE_INSTANCE_H
#define SHARED_PLATFORM_SCRIPTED_SINGLE_INSTANCE_H

#include "shared/platform/single_instance.h"

namespace shared {

// A single-instance claim whose answer the test decides: another copy running or not.
class ScriptedSingleInstance : public SingleInstance {
public:
    explicit ScriptedSingleInstance(bool anotherCopyRunning = false)
        : anotherCopyRunning_(anotherCopyRunning) {}

    bool Acquire() override {
        ++acquireCalls_;
        return !anotherCopyRunning_;
    }

    int AcquireCalls() const noexcept { return acquireCalls_; }

private:
    bool anotherCopyRunning_;
    int acquireCalls_ = 0;
};

}  // namespace shared

#endif
