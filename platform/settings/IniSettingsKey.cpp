#include "platform/settings/IniSettingsKey.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <QStringList>

#include <cstring>
#include <optional>

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

QByteArray RawFile(const std::string& path) {
  QFile file(Q(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The raw text after "=" of the last line of the INI file `fileName` that
// holds the value `path` ("Options/MP3Tag/Title"), as a section "[Options]"
// with the key "MP3Tag\Title" or a section "[Options/MP3Tag]" with the key
// "Title" writes it; empty when no line holds it.
std::optional<QByteArray> RawIniValue(const QString& fileName, const QString& path) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  std::optional<QByteArray> raw;
  QString section;
  for (const QByteArray& rawLine : file.readAll().split('\n')) {
    const QByteArray line = rawLine.trimmed();
    if (line.startsWith('[')) {
      const qsizetype end = line.indexOf(']');
      if (end > 0) section = QString::fromUtf8(line.mid(1, end - 1).trimmed());
      section.replace(QLatin1Char('\\'), QLatin1Char('/'));
      continue;
    }
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0) continue;
    QString key = QString::fromUtf8(line.left(equals).trimmed());
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if ((section.isEmpty() ? key : section + QLatin1Char('/') + key) == path)
      raw = line.mid(equals + 1);
  }
  return raw;
}

// The text of an unquoted value with commas exactly as written. QSettings
// reads such a value as a list: it splits it at every comma outside quotes
// and drops the spaces and tabs around each comma. The text is the list's
// items joined by the separators as the raw line writes them; empty when
// the raw text does not split into as many items.
std::optional<QString> TextAsWritten(const QByteArray& raw, const QStringList& items) {
  auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  QStringList separators;
  bool quoted = false;
  for (qsizetype i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c == '\\') {
      ++i;  // an escape: the next character never splits
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ';' && !quoted) {
      break;  // the rest of the line is a comment
    } else if (c == ',' && !quoted) {
      qsizetype from = i, to = i + 1;
      while (from > 0 && isBlank(raw[from - 1])) --from;
      while (to < raw.size() && isBlank(raw[to])) ++to;
      separators.append(QString::fromUtf8(raw.mid(from, to - from)));
    }
  }
  if (separators.size() != items.size() - 1) return std::nullopt;
  QString text = items.front();
  for (qsizetype i = 0; i < separators.size(); ++i) text += separators[i] + items[i + 1];
  return text;
}

// The value of the hexadecimal digit `c`; -1 for another character.
int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The items of the value of the INI line `line` ("key=value") as QSettings
// unescapes them: quotes dropped, "\x40" and "\100" decoded, the other
// escapes made control characters, split at commas outside quotes, a ";"
// outside quotes ending the value, blanks around each item trimmed.
QStringList UnescapedItems(const QByteArray& line) {
  const QByteArray value = line.mid(line.indexOf('=') + 1);
  QStringList items;
  QString item;
  bool quoted = false;
  for (qsizetype i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      items.append(item.trimmed());
      item.clear();
    } else if (c == ';' && !quoted) {
      break;
    } else if (c != '\\' || i + 1 == value.size()) {
      item += QLatin1Char(c);
    } else if (value[i + 1] == 'x' || (value[i + 1] >= '0' && value[i + 1] <= '7')) {
      const uint base = value[i + 1] == 'x' ? 16 : 8;
      if (base == 16) ++i;
      uint code = 0;
      for (int digit; i + 1 < value.size() && (digit = DigitValue(value[i + 1])) >= 0 &&
                      static_cast<uint>(digit) < base;
           ++i)
        code = code * base + static_cast<uint>(digit);
      item += QChar(static_cast<char16_t>(code & 0xFFFF));
    } else {
      const char escaped = value[++i];
      item += std::strchr("abfnrtv", escaped) ? QChar(u'\x01') : QLatin1Char(escaped);
    }
  }
  items.append(item.trimmed());
  return items;
}

// True when the INI text `lines` holds a value that QSettings would decode
// as serialised binary data ("@Variant(…)", "@DateTime(…)", perhaps behind
// escapes or continued over lines): it reads those through QDataStream,
// whose length fields the file then controls (56 bytes of text can ask for
// 45 GB), and can build any registered type from them. The program writes
// only numbers and texts, and a text that starts with "@" as "@@", so such
// a value never comes from it.
bool HoldsSerialisedValue(QByteArray lines) {
  lines.replace("\\\r\n", "");
  lines.replace("\\\n", "");
  for (const QByteArray& rawLine : lines.split('\n')) {
    const QByteArray line = rawLine.trimmed();
    if (line.startsWith(';') || line.startsWith('[') || !line.contains('=')) continue;
    for (const QString& item : UnescapedItems(line))
      if (item.startsWith(u"@Variant(") || item.startsWith(u"@DateTime(")) return true;
  }
  return false;
}

// True when `bytes` can be an INI file: UTF-8 text without control
// characters other than tabs and line ends, each line blank, a comment, a
// "[section]" or a "key=value", and no value that QSettings would decode as
// binary data. QSettings skips anything else without a word, and saving
// would then replace a file it never understood.
bool IsIniText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8(bytes);
  if (utf8.hasError()) return false;
  for (const QChar c : text)
    if (c.category() == QChar::Other_Control && c != u'\t' && c != u'\r' && c != u'\n')
      return false;
  // A byte order mark, as some editors save, may open the first line.
  const QByteArray lines = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
  for (const QByteArray& rawLine : lines.split('\n')) {
    const QByteArray line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(';') || line.startsWith('#') || line.contains('='))
      continue;
    if (!line.startsWith('[') || !line.endsWith(']')) return false;
  }
  return !HoldsSerialisedValue(lines);
}

class IniSettingsKey : public SettingsKey {
 public:
  IniSettingsKey(std::shared_ptr<QSettings> settings, QString group)
      : settings_(std::move(settings)), group_(std::move(group)) {}

  std::optional<uint32_t> ReadNumber(const std::string& name) const override {
    const QVariant value = settings_->value(Path(name));
    if (!value.isValid()) return std::nullopt;
    switch (value.typeId()) {
      case QMetaType::QString:
        return ParseUint32(value.toString().toStdString());
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
      case QMetaType::QStringList: {
        // An unquoted text with commas, as a hand-edited file may hold it
        // ("Title=Hello, World"), comes back as a list: take it as written.
        const QStringList items = value.toStringList();
        if (const std::optional<QByteArray> raw = RawIniValue(settings_->fileName(), Path(name)))
          if (const std::optional<QString> text = TextAsWritten(*raw, items))
            return text->toStdString();
        return items.join(QLatin1Char(',')).toStdString();
      }
      default:
        return std::nullopt;
    }
  }

  bool WriteNumber(const std::string& name, uint32_t value) override {
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
      settings_(std::make_shared<QSettings>(Q(filePath_), QSettings::IniFormat)) {
  // Judged once, on the file as it was read: a later failed write is no
  // reading problem.
  const std::string file = "the settings file \"" + filePath_ + "\"";
  const QFileInfo info(Q(filePath_));
  if (settings_->status() == QSettings::FormatError)
    readProblem_ = file + " cannot be parsed";
  else if (info.exists() && (!info.isReadable() || settings_->status() == QSettings::AccessError))
    readProblem_ = file + " cannot be read";
  else if (info.isFile() && !IsIniText(RawFile(filePath_)))
    readProblem_ = file + " cannot be parsed";
}

IniSettingsRoot::~IniSettingsRoot() {
  if (settings_) settings_->sync();
}

bool IniSettingsRoot::Readable() const {
  if (settings_->status() != QSettings::NoError || !readProblem_.empty()) return false;
  const QFileInfo info(Q(filePath_));
  return info.exists() && info.isReadable();
}

std::unique_ptr<SettingsKey> IniSettingsRoot::OpenKey(const std::string& path) const {
  if (!Readable() || !GroupExists(*settings_, Q(path))) return nullptr;
  return std::make_unique<IniSettingsKey>(settings_, Q(path));
}

std::unique_ptr<SettingsKey> IniSettingsRoot::CreateKey(const std::string& path) {
  // A file that exists but could not be read or parsed is left alone rather
  // than overwritten with a store that would lose what it held.
  if (!readProblem_.empty() || !settings_->isWritable()) return nullptr;
  return std::make_unique<IniSettingsKey>(settings_, Q(path));
}
