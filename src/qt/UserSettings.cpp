#include "qt/UserSettings.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "config/ConfigSearch.h"

namespace grill {
namespace {

// $XDG_CONFIG_HOME as Qt reads it, but a relative one is ignored as the base
// directory rules ask, so that the settings sit beside MenuConfig.txt.
QString ConfigHome() {
  const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return QDir::isAbsolutePath(home) ? home : QDir::homePath() + QStringLiteral("/.config");
}

QString SettingsFile() {
  return UserConfigFolder() + QStringLiteral("/grill-designer.conf");
}

QString EarlierSettingsFile() {
  return ConfigHome() + QStringLiteral("/Varnel/Grill Designer.conf");
}

}  // namespace

QString UserConfigFolder() {
  return ConfigHome() + QLatin1Char('/') + QString::fromLatin1(kConfigFolderName);
}

QSettings UserSettings() {
  return QSettings(SettingsFile(), QSettings::IniFormat);
}

void MoveEarlierSettings() {
  const QString earlierFile = EarlierSettingsFile();
  if (QFile::exists(SettingsFile()) || !QFile::exists(earlierFile)) {
    return;
  }
  const QSettings earlier(earlierFile, QSettings::IniFormat);
  QSettings settings = UserSettings();
  for (const QString& key : earlier.allKeys()) {
    settings.setValue(key, earlier.value(key));
  }
  settings.sync();
  if (settings.status() == QSettings::NoError) {
    QFile::remove(earlierFile);
  }
}

}  // namespace grill
