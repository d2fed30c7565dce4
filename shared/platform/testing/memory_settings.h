#ifndef SHARED_PLATFORM_MEMORY_SETTINGS_H
#define SHARED_PLATFORM_MEMORY_SETTINGS_H

#include "shared/platform/settings.h"

#include <map>
#include <string>
#include <utility>

namespace shared {

// A settings store that lives in memory, so tests start from a known state and never
// touch the user's real settings.
class MemorySettings : public Settings {
public:
    std::string Read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) const override {
        const auto found = values_.find({section, key});
        return found == values_.end() ? defaultValue : found->second;
    }

    void Write(const std::string& section, const std::string& key, const std::string& value) override {
        values_[{section, key}] = value;
    }

    bool Contains(const std::string& section, const std::string& key) const {
        return values_.count({section, key}) != 0;
    }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace shared

#endif
