#include "platform/settings/SettingsKey.h"

#include <QStandardPaths>

#include "platform/settings/IniSettingsKey.h"

std::unique_ptr<SettingsRoot> OpenUserSettings() {
  // $XDG_CONFIG_HOME (or ~/.config) / organisation / application ".conf".
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return std::make_unique<IniSettingsRoot>(
      QString(folder + QStringLiteral("/Vantrel Technologies/Sondrel.conf")).toStdString());
}
