#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <string>

class SettingsRoot;

// The start-up and shut-down of the audio engine that every front end
// shares. The program folder (with its trailing "/") holds the "addons"
// folder and the SoundFont; it is a parameter so that tests can build
// program folders with and without them.

inline constexpr const char* INIT_FAILED_MESSAGE =
    QT_TRANSLATE_NOOP("Sondrel", "Failed to initialize the software (0x0002020).");
inline constexpr const char* SOUNDFONT_FILE = "ct4mgm.sf2";

// The floor of the cap on single allocations of the container library, in
// bytes: an open file of more than 32 MB raises the cap in proportion to
// its size while it is open (platform/engine/AllocationCap.h).
inline constexpr size_t MAX_CONTAINER_ALLOCATION = 256u << 20;

// The add-ons, in load order; each is "addons/libsondrel-<name>.so".
extern const char* const ADDON_NAMES[12];

enum class EngineStart {
  STARTED,
  WRONG_VERSION,  // the front end ends at once, without a message
  INIT_FAILED,    // the front end shows INIT_FAILED_MESSAGE, then ends
};

// Checks the engine's version, sets it up for decoding only, starts it on
// the "no sound" device at 44100 Hz, loads the add-ons of `programFolder`
// (a missing or broken add-on is skipped silently) and prepares the
// container library.
EngineStart StartEngine(const std::string& programFolder);

// Loads each add-on of ADDON_NAMES from `programFolder` + "addons/"; answers
// how many loaded. Nothing when the folder is "".
int LoadAddons(const std::string& programFolder);

// Installs `programFolder` + "ct4mgm.sf2" as the default SoundFont of MIDI
// streams created later, unless `soundFontReady` is already non-zero.
// Sets `soundFontReady` to the result; a missing or unreadable font leaves 0.
void SetUpSoundFont(uint32_t& soundFontReady, const std::string& programFolder);

// Installs the SoundFont file `fontPath` as the default of MIDI streams
// created later, unless `soundFontReady` is already non-zero. Sets
// `soundFontReady` to the result; a missing file or one that is not a
// SoundFont leaves 0.
void InstallSoundFont(uint32_t& soundFontReady, const std::string& fontPath);

// Reads and resets the "FirstRun" value of the Options key: true on the
// first start (the value absent or non-zero, then written as 0), and on
// every start while the key cannot be opened for writing.
bool FirstRunCheck(SettingsRoot& root);

// Releases the engine with every stream still open, then every add-on.
void StopEngine();

// The engine for the lifetime of a front end's run: started on
// construction, with the SoundFont of the program folder (or the file
// `soundFontPath` when it is not "") as the font of MIDI songs, and released
// on destruction. The font is loaded when the first MIDI song opens, or
// when SoundFontReady or RetrySoundFont asks for it, on whichever thread
// that happens. It may be changed between batches (UseSoundFont).
class EngineSession {
 public:
  explicit EngineSession(const std::string& programFolder,
                         const std::string& soundFontPath = std::string());
  ~EngineSession();
  EngineSession(const EngineSession&) = delete;
  EngineSession& operator=(const EngineSession&) = delete;

  EngineStart Result() const { return result_; }
  const std::string& ProgramFolder() const { return programFolder_; }
  // Loads the font first if nothing has yet.
  uint32_t SoundFontReady() const;
  // Tries the SoundFont again (before a batch with MIDI sources).
  void RetrySoundFont();
  // Renders the MIDI songs of later streams with the file `soundFontPath`
  // ("" for the program folder's ct4mgm.sf2). The font is loaded anew when
  // it is another file than the one in use, or the same file changed on
  // disk since it was loaded (its size or modification time); the font it
  // replaces is released. False when it cannot be used: SoundFontReady()
  // is then 0, and RetrySoundFont tries this file again.
  bool UseSoundFont(const std::string& soundFontPath);
  // The SoundFont file in use, or tried last.
  std::string SoundFontFile() const;
  // Renders the MIDI songs of later streams with the synthesizer's reverb
  // and chorus at these levels (percent, 0 for off; MidiReverb, MidiChorus).
  void UseMidiEffects(uint32_t reverb, uint32_t chorus);

 private:
  // What tells that a file changed since it was loaded.
  struct FileStamp {
    int64_t size = -1;
    int64_t modifiedNs = -1;
    bool operator==(const FileStamp& other) const {
      return size == other.size && modifiedNs == other.modifiedNs;
    }
  };
  static FileStamp StampOf(const std::string& path);
  // Loads the font unless it is loaded.
  void LoadSoundFont();

  std::string programFolder_;
  std::string soundFontPath_;
  EngineStart result_;
  uint32_t soundFontReady_ = 0;
  uint32_t font_ = 0;  // the engine's handle of the font in use
  FileStamp fontStamp_;
};
