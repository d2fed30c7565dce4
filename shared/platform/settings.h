#ifndef SHARED_PLATFORM_SETTINGS_H
#define SHARED_PLATFORM_SETTINGS_H

#include <string>

namespace shared {

// The per-user settings store of one program, keyed by section and key. The store
// belongs to the program's title, so the two programs never see each other's values.
class Settings {
public:
    virtual ~Settings() = default;
    // The stored text, or defaultValue when the key was never written.
    virtual std::string Read(const std::string& section, const std::string& key,
                             const std::string& defaultValue) const = 0;
    virtual void Write(const std::string& section, const std::string& key, const std::string& value) = 0;
};

// The one setting both programs keep: the folder the user last saved an export in.
inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kFilePathKey = "FilePath";

}  // namespace shared

#endif
