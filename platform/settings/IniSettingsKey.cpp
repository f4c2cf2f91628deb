#include "platform/settings/IniSettingsKey.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// True when `path` names a group that holds at least one value or subgroup.
bool GroupExists(QSettings& settings, const QString& path) {
  const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  QStringList opened;
  bool found = true;
  for (const QString& part : parts) {
    if (!settings.childGroups().contains(part)) {
      found = false;
      break;
    }
    settings.beginGroup(part);
    opened.append(part);
  }
  for (qsizetype i = 0; i < opened.size(); ++i) settings.endGroup();
  return found;
}

class IniSettingsKey : public SettingsKey {
 public:
  IniSettingsKey(std::shared_ptr<QSettings> settings, QString group)
      : settings_(std::move(settings)), group_(std::move(group)) {}

  std::optional<uint32_t> ReadDword(const std::string& name) const override {
    const QVariant value = settings_->value(Path(name));
    if (!value.isValid()) return std::nullopt;
    switch (value.typeId()) {
      case QMetaType::QString:
        return ParseDword(value.toString().toStdString());
      case QMetaType::Int:
      case QMetaType::UInt:
      case QMetaType::LongLong:
      case QMetaType::ULongLong: {
        bool ok = false;
        const qulonglong number = value.toULongLong(&ok);
        if (!ok || number > 0xFFFFFFFFull) return std::nullopt;
        return static_cast<uint32_t>(number);
      }
      default:
        return std::nullopt;
    }
  }

  std::optional<std::string> ReadText(const std::string& name) const override {
    const QVariant value = settings_->value(Path(name));
    if (!value.isValid()) return std::nullopt;
    switch (value.typeId()) {
      case QMetaType::QString:
        return value.toString().toStdString();
      case QMetaType::QStringList:
        // An unquoted text with commas, as a hand-edited file may hold it
        // ("FilterExts=wav,mp3"), comes back as a list: join it again.
        return value.toStringList().join(QLatin1Char(',')).toStdString();
      default:
        return std::nullopt;
    }
  }

  bool WriteDword(const std::string& name, uint32_t value) override {
    settings_->setValue(Path(name), QString::number(value));
    return settings_->isWritable();
  }

  bool WriteText(const std::string& name, const std::string& value) override {
    settings_->setValue(Path(name), Q(value));
    return settings_->isWritable();
  }

  bool DeleteValue(const std::string& name) override {
    settings_->remove(Path(name));
    return settings_->isWritable();
  }

  std::unique_ptr<SettingsKey> OpenSubkey(const std::string& name) const override {
    const QString path = Path(name);
    if (!GroupExists(*settings_, path)) return nullptr;
    return std::make_unique<IniSettingsKey>(settings_, path);
  }

  std::unique_ptr<SettingsKey> CreateSubkey(const std::string& name) override {
    if (!settings_->isWritable()) return nullptr;
    return std::make_unique<IniSettingsKey>(settings_, Path(name));
  }

  bool Flush() override {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
  }

 private:
  QString Path(const std::string& name) const { return group_ + QLatin1Char('/') + Q(name); }

  std::shared_ptr<QSettings> settings_;
  QString group_;
};

}  // namespace

IniSettingsRoot::IniSettingsRoot(std::string filePath)
    : filePath_(std::move(filePath)),
      settings_(std::make_shared<QSettings>(Q(filePath_), QSettings::IniFormat)) {}

IniSettingsRoot::~IniSettingsRoot() {
  if (settings_) settings_->sync();
}

bool IniSettingsRoot::Readable() const {
  if (settings_->status() != QSettings::NoError) return false;
  const QFileInfo info(Q(filePath_));
  return info.exists() && info.isReadable();
}

std::unique_ptr<SettingsKey> IniSettingsRoot::OpenKey(const std::string& path) const {
  if (!Readable() || !GroupExists(*settings_, Q(path))) return nullptr;
  return std::make_unique<IniSettingsKey>(settings_, Q(path));
}

std::unique_ptr<SettingsKey> IniSettingsRoot::CreateKey(const std::string& path) {
  // A file that exists but could not be parsed is left alone rather than
  // overwritten with a store that would lose what it held.
  if (settings_->status() == QSettings::FormatError || !settings_->isWritable()) return nullptr;
  return std::make_unique<IniSettingsKey>(settings_, Q(path));
}
