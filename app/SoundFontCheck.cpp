#include "app/SoundFontCheck.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <optional>

#include "app/EngineStartup.h"
#include "app/TextTemplate.h"
#include "platform/engine/MidiFile.h"
#include "platform/engine/MidiFont.h"
#include "platform/engine/SongInstruments.h"

namespace {

// The 128 melodic instruments of General MIDI, by program.
// clang-format off
const std::array<const char*, 128> GENERAL_MIDI_NAMES = {
    "Acoustic Grand Piano", "Bright Acoustic Piano", "Electric Grand Piano", "Honky-tonk Piano",
    "Electric Piano 1", "Electric Piano 2", "Harpsichord", "Clavinet", "Celesta", "Glockenspiel",
    "Music Box", "Vibraphone", "Marimba", "Xylophone", "Tubular Bells", "Dulcimer",
    "Drawbar Organ", "Percussive Organ", "Rock Organ", "Church Organ", "Reed Organ", "Accordion",
    "Harmonica", "Tango Accordion", "Acoustic Guitar (nylon)", "Acoustic Guitar (steel)",
    "Electric Guitar (jazz)", "Electric Guitar (clean)", "Electric Guitar (muted)",
    "Overdriven Guitar", "Distortion Guitar", "Guitar Harmonics", "Acoustic Bass",
    "Electric Bass (finger)", "Electric Bass (pick)", "Fretless Bass", "Slap Bass 1",
    "Slap Bass 2", "Synth Bass 1", "Synth Bass 2", "Violin", "Viola", "Cello", "Contrabass",
    "Tremolo Strings", "Pizzicato Strings", "Orchestral Harp", "Timpani", "String Ensemble 1",
    "String Ensemble 2", "Synth Strings 1", "Synth Strings 2", "Choir Aahs", "Voice Oohs",
    "Synth Voice", "Orchestra Hit", "Trumpet", "Trombone", "Tuba", "Muted Trumpet", "French Horn",
    "Brass Section", "Synth Brass 1", "Synth Brass 2", "Soprano Sax", "Alto Sax", "Tenor Sax",
    "Baritone Sax", "Oboe", "English Horn", "Bassoon", "Clarinet", "Piccolo", "Flute", "Recorder",
    "Pan Flute", "Blown Bottle", "Shakuhachi", "Whistle", "Ocarina", "Lead 1 (square)",
    "Lead 2 (sawtooth)", "Lead 3 (calliope)", "Lead 4 (chiff)", "Lead 5 (charang)",
    "Lead 6 (voice)", "Lead 7 (fifths)", "Lead 8 (bass + lead)", "Pad 1 (new age)",
    "Pad 2 (warm)", "Pad 3 (polysynth)", "Pad 4 (choir)", "Pad 5 (bowed)", "Pad 6 (metallic)",
    "Pad 7 (halo)", "Pad 8 (sweep)", "FX 1 (rain)", "FX 2 (soundtrack)", "FX 3 (crystal)",
    "FX 4 (atmosphere)", "FX 5 (brightness)", "FX 6 (goblins)", "FX 7 (echoes)", "FX 8 (sci-fi)",
    "Sitar", "Banjo", "Shamisen", "Koto", "Kalimba", "Bagpipe", "Fiddle", "Shanai", "Tinkle Bell",
    "Agogo", "Steel Drums", "Woodblock", "Taiko Drum", "Melodic Tom", "Synth Drum",
    "Reverse Cymbal", "Guitar Fret Noise", "Breath Noise", "Seashore", "Bird Tweet",
    "Telephone Ring", "Helicopter", "Applause", "Gunshot"};
// clang-format on

// The drum kits most fonts share, by program.
struct KitName {
  int program;
  const char* name;
};
const KitName KIT_NAMES[] = {{0, "Standard"},    {8, "Room"},       {16, "Power"},
                             {24, "Electronic"}, {25, "TR-808"},    {32, "Jazz"},
                             {40, "Brush"},      {48, "Orchestra"}, {56, "SFX"}};

std::string FileName(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Asked(engine::PresetNumber instrument) {
  const std::string name = InstrumentName(instrument);
  const std::string program = std::to_string(instrument.program);
  if (instrument.bank == engine::DRUM_KIT_BANK)
    return name.empty() ? FillTemplate(ASKED_KIT, {program})
                        : FillTemplate(ASKED_KIT_NAMED, {program, name});
  const std::string bank = std::to_string(instrument.bank);
  return name.empty() ? FillTemplate(ASKED_PROGRAM, {bank, program})
                      : FillTemplate(ASKED_PROGRAM_NAMED, {bank, program, name});
}

}  // namespace

std::string SoundFontPath(const std::string& soundFontFile, const std::string& programFolder) {
  return soundFontFile.empty() ? programFolder + SOUNDFONT_FILE : soundFontFile;
}

std::string SoundFontFileProblem(const std::string& path, bool checkForm) {
  // Non-blocking, so a named pipe given as the font is refused by its type
  // instead of waiting for a writer for good.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::strerror(errno);
  struct stat info {};
  const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  char header[12] = {};
  const bool form = regular && ::read(fd, header, sizeof header) == sizeof header &&
                    std::memcmp(header, "RIFF", 4) == 0 && std::memcmp(header + 8, "sfbk", 4) == 0;
  ::close(fd);
  if (!regular) return QT_TRANSLATE_NOOP("Sondrel", "not a file");
  if (checkForm && !form) return QT_TRANSLATE_NOOP("Sondrel", "not a SoundFont file");
  return std::string();
}

std::string InstrumentName(engine::PresetNumber instrument) {
  if (instrument.bank == engine::DRUM_KIT_BANK) {
    for (const KitName& kit : KIT_NAMES)
      if (kit.program == instrument.program) return kit.name;
    return std::string();
  }
  if (instrument.program < 0 || instrument.program >= static_cast<int>(GENERAL_MIDI_NAMES.size()))
    return std::string();
  return GENERAL_MIDI_NAMES[static_cast<size_t>(instrument.program)];
}

SoundFontCheck CheckSongs(const std::string& fontPath, const std::vector<std::string>& songs) {
  SoundFontCheck check;
  const std::shared_ptr<engine::MidiFont> font = engine::MidiFont::Load(fontPath);
  if (!font) return check;
  check.fontLoaded = true;
  std::vector<engine::PresetNumber> numbers;
  for (const engine::MidiFont::Preset& preset : font->Presets()) numbers.push_back(preset.number);

  for (const std::string& path : songs) {
    SongCheck song;
    song.song = path;
    // A damaged song is checked as far as it renders.
    const std::optional<engine::MidiFile> midi = engine::MidiFile::LoadIntactPart(path);
    song.readable = midi.has_value();
    if (midi) {
      for (const engine::PresetNumber& asked : engine::InstrumentsPlayed(*midi)) {
        const auto same = [&asked](const engine::PresetNumber& number) {
          return number.bank == asked.bank && number.program == asked.program;
        };
        if (std::any_of(numbers.begin(), numbers.end(), same)) continue;
        LackedInstrument lacked;
        lacked.asked = asked;
        if (const std::optional<size_t> chosen =
                engine::ChoosePreset(numbers, asked.bank, asked.program)) {
          lacked.substituted = true;
          lacked.played = numbers[*chosen];
          lacked.playedName = font->Presets()[*chosen].name;
        }
        song.lacked.push_back(lacked);
      }
    }
    check.songs.push_back(std::move(song));
  }
  return check;
}

std::vector<std::string> DescribeLackedInstruments(const SoundFontCheck& check) {
  std::vector<std::string> lines;
  for (const SongCheck& song : check.songs) {
    const std::string name = FileName(song.song);
    if (!song.readable) {
      lines.push_back(FillTemplate(LACK_UNREADABLE_LINE, {name}));
      continue;
    }
    for (const LackedInstrument& lacked : song.lacked) {
      if (!lacked.substituted) {
        lines.push_back(FillTemplate(LACK_UNPLAYED_LINE, {name, Asked(lacked.asked)}));
        continue;
      }
      lines.push_back(FillTemplate(LACK_PLAYED_LINE,
                                   {name, Asked(lacked.asked), std::to_string(lacked.played.bank),
                                    std::to_string(lacked.played.program), lacked.playedName}));
    }
  }
  return lines;
}
