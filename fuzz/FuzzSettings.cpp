// libFuzzer entry: the settings file reader. The bytes are the per-user
// settings file; the program's start-up reads it (every option, the four
// tag presets, the first-run flag, which it also writes back), and then
// every value the file holds is read as a number and as a text through the
// key that holds it.
#include <QSettings>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <string>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "app/SettingsStore.h"
#include "fuzz/FuzzFiles.h"
#include "platform/settings/IniSettingsKey.h"

namespace {

// Every value of the file through the settings key of its group, the way
// the program reads one option.
void ReadEveryValue(const IniSettingsRoot& root, const std::string& path) {
  const QSettings raw(QString::fromStdString(path), QSettings::IniFormat);
  for (const QString& key : raw.allKeys()) {
    const qsizetype slash = key.lastIndexOf(QLatin1Char('/'));
    const std::string group = slash < 0 ? std::string() : key.left(slash).toStdString();
    const std::string name = key.mid(slash + 1).toStdString();
    if (const std::unique_ptr<SettingsKey> settingsKey = root.OpenKey(group)) {
      settingsKey->ReadNumber(name);
      settingsKey->ReadText(name);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ScratchFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = ScratchFolder().Write("Sondrel", ".conf", data, size);
  bool unreadable = false;
  {
    IniSettingsRoot root(path);
    ConvertSettings settings;
    LoadSettings(settings, root);
    for (const char* preset : {"MP3", "OGG", "WMA", "M4A"}) {
      TagPreset tagPreset;
      LoadTagPreset(tagPreset, preset, root);
    }
    ReadEveryValue(root, path);
    // A file that cannot be parsed is never written.
    unreadable = !root.ReadProblem().empty();
    FirstRunCheck(root);
    if (unreadable && root.CreateKey(OPTIONS_KEY)) __builtin_trap();
  }
  if (unreadable &&
      FuzzFolder::Read(path) != std::string(reinterpret_cast<const char*>(data), size))
    __builtin_trap();
  std::remove(path.c_str());
  return 0;
}
