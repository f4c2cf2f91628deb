// The check of MIDI songs against a SoundFont before converting: each
// instrument a song plays that the font lacks is named with the preset
// that rendering plays instead.

#include <gtest/gtest.h>

#include "app/SoundFontCheck.h"
#include "support/MidiFixtures.h"
#include "support/SoundFontFixtures.h"
#include "support/TempDir.h"

namespace {

struct CheckRow {
  const char* name;
  std::vector<TinyPreset> font;
  std::string song;  // the file's bytes
  std::vector<std::string> lines;
};

void PrintTo(const CheckRow& row, std::ostream* out) {
  *out << row.name;
}

std::string Song(MidiTrackWriter track) {
  return MidiFileBytes(0, 480, {track.EndOfTrack(480)});
}

class SoundFontCheckTest : public ::testing::TestWithParam<CheckRow> {};

TEST_P(SoundFontCheckTest, LackedInstrumentsAreNamedWithThePresetThatPlaysThem) {
  const CheckRow& row = GetParam();
  TempDir dir;
  WriteFileText(dir.File("font.sf2"), TinySoundFontBytes(0.1, row.font));
  WriteFileText(dir.File("theme.mid"), row.song);
  const SoundFontCheck check = CheckSongs(dir.File("font.sf2"), {dir.File("theme.mid")});
  ASSERT_TRUE(check.fontLoaded);
  EXPECT_EQ(DescribeLackedInstruments(check), row.lines);
}

INSTANTIATE_TEST_SUITE_P(
    App, SoundFontCheckTest,
    ::testing::Values(
        CheckRow{"FontWithoutBank0",
                 {{8, 48, 0}},
                 Song(MidiTrackWriter().Program(0, 0, 48).NoteOn(0, 0, 60)),
                 {"theme.mid: bank 0 program 48 (String Ensemble 1) is played with bank 8 "
                  "program 48 \"Tiny\""}},
        // The bank select counts from the next program change on.
        CheckRow{"BankSelectWaitsForTheProgramChange",
                 {{0, 0, 0}, {0, 5, 0}},
                 Song(MidiTrackWriter()
                          .Controller(0, 0, 0, 8)
                          .NoteOn(0, 0, 60)
                          .Program(9, 0, 5)
                          .NoteOn(0, 0, 62)),
                 {"theme.mid: bank 8 program 5 (Electric Piano 2) is played with bank 0 "
                  "program 5 \"Tiny\""}},
        CheckRow{"DrumChannelPlaysKitsAndIgnoresBankSelects",
                 {{0, 0, 0}},
                 Song(MidiTrackWriter().Controller(0, 9, 0, 3).Program(0, 9, 25).NoteOn(0, 9, 36)),
                 {"theme.mid: drum kit 25 (TR-808) is played with bank 0 program 0 \"Tiny\""}},
        // A program that never starts a note is not needed.
        CheckRow{"EveryInstrumentPresent",
                 {{0, 0, 0}},
                 Song(MidiTrackWriter().NoteOn(0, 0, 60).Program(9, 0, 40)),
                 {}},
        CheckRow{"NotASong",
                 {{0, 0, 0}},
                 "plain text",
                 {"theme.mid: not a MIDI song Sondrel can read"}}),
    [](const ::testing::TestParamInfo<CheckRow>& row) { return row.param.name; });

}  // namespace
