// libFuzzer entry: the settings file reader. The bytes are the per-user
// settings file; the program's start-up reads it (every option, the four
// tag presets, the first-run flag, which it also writes back), and then
// every value the file holds is read as a number and as a text through the
// key that holds it.
#include <QSettings>
#include <QString>
#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>

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

// Every input is written to the same file, whose modification time then
// steps on by a second: QSettings keeps a parsed file in a cache keyed by
// its path and reads it again only when its size or time changed. One name
// keeps that cache from growing by an entry per input, which would make
// every input look like a leak to the fuzzer and cost a full leak scan.
std::string WriteSettingsFile(const uint8_t* data, size_t size) {
  static long long second = 1000000000;
  const std::string path = ScratchFolder().Path() + "/Sondrel.conf";
  {
    FilePtr out(std::fopen(path.c_str(), "wb"));
    if (!out || (size > 0 && std::fwrite(data, 1, size, out.get()) != size)) __builtin_trap();
  }
  const timespec times[2] = {{++second, 0}, {second, 0}};
  if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) __builtin_trap();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ScratchFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = WriteSettingsFile(data, size);
  bool unreadable = false;
  {
    IniSettingsRoot root(path);
    ConvertSettings settings;
    LoadSettings(settings, root);
    for (const char* preset : {"MP3", "OGG", "WMA", "M4A"}) {
      TagPreset tagPreset;
      LoadTagPreset(tagPreset, preset, root);
    }
    // A file that cannot be parsed is never written, and the program reads
    // none of its values.
    unreadable = !root.ReadProblem().empty();
    if (!unreadable) ReadEveryValue(root, path);
    FirstRunCheck(root);
    if (unreadable && root.CreateKey(OPTIONS_KEY)) __builtin_trap();
  }
  if (unreadable &&
      FuzzFolder::Read(path) != std::string(reinterpret_cast<const char*>(data), size))
    __builtin_trap();
  std::remove(path.c_str());
  return 0;
}
