#include "shared/platform/qt/qt_settings.h"

#include <QSettings>

namespace shared {

namespace {

QString GroupKey(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

// The title is given as the organization with no application name: the toolkit then
// keeps one store per title (Pelmo.conf in the user's configuration folder, a
// Software\Pelmo key on Windows). An empty organization would file it under "Unknown
// Organization" and report an access error.
QtSettings::QtSettings(const std::string& programTitle)
    : application_(QString::fromStdString(programTitle)) {}

std::string QtSettings::Read(const std::string& section, const std::string& key,
                             const std::string& defaultValue) const {
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, application_);
    const QString name = GroupKey(section, key);
    if (!store.contains(name)) {
        return defaultValue;
    }
    return store.value(name).toString().toStdString();
}

void QtSettings::Write(const std::string& section, const std::string& key, const std::string& value) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, application_);
    store.setValue(GroupKey(section, key), QString::fromStdString(value));
    store.sync();
}

QString QtSettings::FileName() const {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, application_).fileName();
}

}  // namespace shared
