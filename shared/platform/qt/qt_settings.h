#ifndef SHARED_PLATFORM_QT_SETTINGS_H
#define SHARED_PLATFORM_QT_SETTINGS_H

#include "shared/platform/settings.h"

#include <QString>

namespace shared {

// The per-user store through QSettings, in the native format of the user scope, under
// the program's title alone ("Settings/FilePath" in Pelmo.conf).
// A value that cannot be stored is lost quietly: it only saves the user a few clicks,
// and must not turn a successful export into a failure.
class QtSettings : public Settings {
public:
    explicit QtSettings(const std::string& programTitle);

    std::string Read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) const override;
    void Write(const std::string& section, const std::string& key, const std::string& value) override;

    // Where the values live (for diagnostics and tests).
    QString FileName() const;

private:
    QString application_;
};

}  // namespace shared

#endif
