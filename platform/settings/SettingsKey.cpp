#include "platform/settings/SettingsKey.h"

#include <QStandardPaths>

#include "platform/settings/IniSettingsKey.h"

std::optional<uint32_t> ParseUint32(const std::string& text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  if (value > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<uint32_t>(value);
}

std::unique_ptr<SettingsRoot> OpenUserSettings() {
  // $XDG_CONFIG_HOME (or ~/.config) / organisation / application ".conf".
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return std::make_unique<IniSettingsRoot>(
      QString(folder + QStringLiteral("/Vantrel Technologies/Sondrel.conf")).toStdString());
}
