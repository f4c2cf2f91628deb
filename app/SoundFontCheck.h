#pragma once

#include <QtGlobal>

// Which instruments of MIDI songs a SoundFont lacks, found before anything
// is rendered: each song's instruments (the bank and program of every
// channel that starts a note) are looked up among the font's presets, and
// each one missing is answered with the preset that rendering will play
// instead (ChoosePreset, the font's own choice while rendering).

#include <string>
#include <vector>

#include "platform/engine/PresetChoice.h"

// The SoundFont file that renders MIDI songs for the stored "SoundFontFile"
// value: the value itself, or SOUNDFONT_FILE in `programFolder` (with its
// trailing "/") when it is empty.
std::string SoundFontPath(const std::string& soundFontFile, const std::string& programFolder);

// Why the file `path` cannot serve as a SoundFont, or "" when it can be
// read: the system's reason ("No such file or directory"), or "not a file";
// with `checkForm`, also "not a SoundFont file" when it does not start as
// a SoundFont 2 file does (a RIFF "sfbk" form).
std::string SoundFontFileProblem(const std::string& path, bool checkForm = true);

// An instrument a song asks for that the font lacks, and what plays it.
struct LackedInstrument {
  engine::PresetNumber asked;
  bool substituted = false;  // false: nothing in the font plays it
  engine::PresetNumber played;
  std::string playedName;  // the font's name of the preset that plays
};

struct SongCheck {
  std::string song;  // the path
  bool readable = false;
  std::vector<LackedInstrument> lacked;
};

struct SoundFontCheck {
  bool fontLoaded = false;
  std::vector<SongCheck> songs;  // in the order given
};

// Checks `songs` (paths of MIDI files) against the SoundFont at `fontPath`.
// Nothing is rendered; the font is loaded as rendering loads it.
SoundFontCheck CheckSongs(const std::string& fontPath, const std::vector<std::string>& songs);

// The General MIDI name of an instrument ("String Ensemble 1"), or of a
// drum kit of bank DRUM_KIT_BANK ("Standard"); "" for a kit without a
// common name.
std::string InstrumentName(engine::PresetNumber instrument);

// The heading of the lines of DescribeLackedInstruments when they are shown.
inline constexpr const char* LACKED_INSTRUMENTS_HEADING = QT_TRANSLATE_NOOP(
    "Sondrel",
    "The SoundFont lacks instruments these songs use; the nearest presets it has play them "
    "instead:");

// One line per lacked instrument of each song, the song named by its file
// name: "theme.mid: bank 0 program 48 (String Ensemble 1) is played with
// bank 8 program 48 \"Strings\"". A song that cannot be read gets a line
// saying so. Nothing when the font has every instrument of every song.
std::vector<std::string> DescribeLackedInstruments(const SoundFontCheck& check);
// The templates of those lines and of the instruments they name.
inline constexpr const char* LACK_UNREADABLE_LINE =
    QT_TRANSLATE_NOOP("Sondrel", "%1: not a MIDI song Sondrel can read");
inline constexpr const char* LACK_UNPLAYED_LINE =
    QT_TRANSLATE_NOOP("Sondrel", "%1: %2 has nothing in the SoundFont to play it");
inline constexpr const char* LACK_PLAYED_LINE =
    QT_TRANSLATE_NOOP("Sondrel", "%1: %2 is played with bank %3 program %4 \"%5\"");
inline constexpr const char* ASKED_PROGRAM_NAMED =
    QT_TRANSLATE_NOOP("Sondrel", "bank %1 program %2 (%3)");
inline constexpr const char* ASKED_PROGRAM = QT_TRANSLATE_NOOP("Sondrel", "bank %1 program %2");
inline constexpr const char* ASKED_KIT_NAMED = QT_TRANSLATE_NOOP("Sondrel", "drum kit %1 (%2)");
inline constexpr const char* ASKED_KIT = QT_TRANSLATE_NOOP("Sondrel", "drum kit %1");
