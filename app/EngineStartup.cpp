#include "app/EngineStartup.h"

extern "C" {
#include <libavutil/log.h>
}

#include <sys/stat.h>

#include "app/SettingsStore.h"
#include "app/SoundFontCheck.h"
#include "platform/engine/AllocationCap.h"
#include "platform/engine/Engine.h"
#include "platform/settings/SettingsKey.h"

const char* const ADDON_NAMES[12] = {"cd",   "flac", "wma",  "wv",  "aac", "ac3",
                                     "adx",  "alac", "ape",  "mpc", "spx", "tta"};

EngineStart StartEngine(const std::string& programFolder) {
  if ((engine::GetVersion() >> 16) != 0x0204) return EngineStart::WRONG_VERSION;
  if (!engine::Init(44100)) return EngineStart::INIT_FAILED;
  LoadAddons(programFolder);
  // The container library needs no registration of its formats; keep its
  // diagnostics off the terminal, since failures are reported per file, and
  // cap its allocations: a forged size field in a file of a few hundred
  // bytes must not make it take gigabytes. An open file raises the cap in
  // proportion to its size, so that the index of a long file still fits.
  av_log_set_level(AV_LOG_QUIET);
  engine::SetAllocationFloor(MAX_CONTAINER_ALLOCATION);
  return EngineStart::STARTED;
}

int LoadAddons(const std::string& programFolder) {
  if (programFolder.empty()) return 0;
  int loaded = 0;
  for (const char* name : ADDON_NAMES) {
    const std::string path = programFolder + "addons/libsondrel-" + name + ".so";
    if (engine::PluginLoad(path) != 0) ++loaded;
  }
  return loaded;
}

void SetUpSoundFont(uint32_t& soundFontReady, const std::string& programFolder) {
  if (programFolder.empty()) return;
  InstallSoundFont(soundFontReady, programFolder + SOUNDFONT_FILE);
}

namespace {

// Loads `fontPath` and makes it the default font of later MIDI streams;
// answers its handle, 0 when it cannot be used.
uint32_t InstallFontFile(const std::string& fontPath) {
  if (fontPath.empty()) return 0;
  const uint32_t font = engine::MidiFontInit(fontPath);
  if (font == 0) return 0;
  const engine::MidiFontEntry entry{font, -1, 0};
  if (engine::MidiStreamSetFonts(0, &entry, 1)) return font;
  engine::MidiFontFree(font);
  return 0;
}

}  // namespace

void InstallSoundFont(uint32_t& soundFontReady, const std::string& fontPath) {
  if (soundFontReady != 0) return;
  soundFontReady = InstallFontFile(fontPath) != 0 ? 1 : 0;
}

bool FirstRunCheck(SettingsRoot& root) {
  uint32_t firstRun = 1;
  if (std::unique_ptr<SettingsKey> key = root.CreateKey(OPTIONS_KEY)) {
    if (std::optional<uint32_t> stored = key->ReadNumber("FirstRun")) firstRun = *stored;
    if (firstRun != 0) {
      key->WriteNumber("FirstRun", 0);
      key->Flush();
    }
  }
  return firstRun != 0;
}

EngineSession::EngineSession(const std::string& programFolder, const std::string& soundFontPath)
    : programFolder_(programFolder),
      soundFontPath_(soundFontPath),
      result_(StartEngine(programFolder)) {
  // The font is loaded when the first MIDI song opens or when its
  // readiness is asked: a run without MIDI songs never loads it.
  if (result_ == EngineStart::STARTED) engine::MidiDeferDefaultFont([this] { LoadSoundFont(); });
}

uint32_t EngineSession::SoundFontReady() const {
  engine::MidiLoadDeferredFont();
  return soundFontReady_;
}

void EngineSession::RetrySoundFont() {
  engine::MidiLoadDeferredFont();
  LoadSoundFont();
}

void EngineSession::LoadSoundFont() {
  if (result_ != EngineStart::STARTED || soundFontReady_ != 0) return;
  const std::string file = SoundFontFile();
  if (soundFontPath_.empty() && programFolder_.empty()) return;
  const uint32_t font = InstallFontFile(file);
  if (font == 0) return;
  if (font_ != 0) engine::MidiFontFree(font_);
  font_ = font;
  fontStamp_ = StampOf(file);
  soundFontReady_ = 1;
}

bool EngineSession::UseSoundFont(const std::string& soundFontPath) {
  if (result_ != EngineStart::STARTED) return false;
  // A font not loaded yet is loaded below if it is still the one to use.
  engine::MidiDeferDefaultFont(nullptr);
  const bool sameFile = soundFontPath == soundFontPath_;
  if (sameFile && soundFontReady_ != 0 && StampOf(SoundFontFile()) == fontStamp_) return true;
  soundFontPath_ = soundFontPath;
  soundFontReady_ = 0;
  RetrySoundFont();
  return soundFontReady_ != 0;
}

void EngineSession::UseMidiEffects(uint32_t reverb, uint32_t chorus) {
  engine::MidiSetEffects(reverb, chorus);
}

std::string EngineSession::SoundFontFile() const {
  return SoundFontPath(soundFontPath_, programFolder_);
}

EngineSession::FileStamp EngineSession::StampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return FileStamp();
  return FileStamp{static_cast<int64_t>(info.st_size),
                   static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

EngineSession::~EngineSession() {
  if (result_ == EngineStart::STARTED) StopEngine();
}

void StopEngine() {
  engine::Free();
  engine::PluginFree(0);
}
