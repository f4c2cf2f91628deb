// How a MIDI song ends, rendered with a General MIDI font and compared with
// FluidSynth's own renderer on the same font and song.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "platform/engine/Engine.h"
#include "platform/engine/MidiStream.h"
#include "support/AudioFixtures.h"
#include "support/MidiFixtures.h"
#include "support/RunProcess.h"
#include "support/SineFit.h"
#include "support/TempDir.h"

namespace engine {
namespace {

constexpr uint32_t RATE = 44100;
constexpr size_t HALF_SECOND = RATE / 2;

// Channel events `delta` ticks after the previous one, and a format 0 song of them.
std::string On(uint32_t delta, int channel, int key, int velocity = 100) {
  return VarLen(delta) + char(0x90 | channel) + char(key) + char(velocity);
}
std::string Bend(uint32_t delta, int value) {
  return VarLen(delta) + "\xE0" + char(value & 0x7F) + char(value >> 7);
}
std::string Song(const std::string& events, uint32_t end = 0, int division = 480) {
  return MidiFileBytes(0, division, {MidiTrackWriter().Raw(events).EndOfTrack(end)});
}

// A piano note, then a crash cymbal struck and released on the last tick (1.5 s).
const std::string CRASH = Song(On(0, 0, 60) + On(480, 0, 60, 0) + On(960, 9, 49) + On(0, 9, 49, 0));
// Two notes, the last note-off cut short with the end of its track (2 s).
std::string LastTrackCut() {
  const std::string notes = On(0, 0, 60) + On(960, 0, 60, 0) + On(0, 0, 64) + On(960, 0, 64, 0);
  const std::string whole = MidiFileBytes(
      1, 480,
      {MidiTrackWriter().Tempo(0, 500000).EndOfTrack(), MidiTrackWriter().Raw(notes).EndOfTrack()});
  return whole.substr(0, whole.size() - 7);
}

enum Check { END_LEVEL, END_PITCH, TAIL, KEEPS_LENGTH, DAMAGE_NOTE, DAMAGE_REASON, ROOM };
struct EndRow {
  const char* name;
  std::string song;
  Check check;
  const char* text = "";  // the damage named
  MidiEffects effects = {};
};

// The level in dBFS of frames [from, to) of `s`, less `minus` when given.
double Rms(const std::vector<int16_t>& s, size_t from, size_t to,
           const std::vector<int16_t>& minus = {}) {
  double sum = 0;
  to = std::min(to, s.size() / 2);
  for (size_t i = 2 * from; i < 2 * to; ++i) {
    const double d = s[i] - (i < minus.size() ? minus[i] : 0);
    sum += d * d;
  }
  return 10 *
         std::log10(sum / (2.0 * std::max<size_t>(to - from, 1)) / (32768.0 * 32768.0) + 1e-20);
}
void PrintTo(const EndRow& row, std::ostream* out) {
  *out << row.name;
}

class MidiSongEndTest : public ::testing::TestWithParam<EndRow> {
 protected:
  void SetUp() override {
    if (!std::ifstream(font_)) GTEST_SKIP() << "no General MIDI font at " << font_;
    song_ = dir_.File("song.mid");
    WriteFileText(song_, GetParam().song);
  }
  std::vector<int16_t> Render(const MidiEffects& effects) {
    stream_ = MidiStream::Open(song_, RATE, LoadMidiFont(font_), effects);
    if (!stream_) return {};
    std::vector<int16_t> out, block(8192);
    while (const uint32_t got = stream_->Decode(reinterpret_cast<uint8_t*>(block.data()), 16384))
      out.insert(out.end(), block.begin(), block.begin() + got / 2);
    return out;
  }
  // FluidSynth's own render; its reverb and chorus at their defaults when `room`.
  std::vector<int16_t> Reference(bool room) {
    const std::string wav = dir_.File("reference.wav");
    std::vector<std::string> args = {"-ni", "-F", wav, "-r", "44100"};
    if (!room) args.insert(args.end(), {"-R", "0", "-C", "0"});
    args.insert(args.end(), {font_, song_});
    if (!Succeeded(RunProcess("fluidsynth", args, {}, 60))) return {};
    return DecodeWithFfmpeg(wav).samples;
  }
  const std::string font_ = "/usr/share/sounds/sf2/TimGM6mb.sf2";
  TempDir dir_;
  std::string song_;
  std::unique_ptr<MidiStream> stream_;
};

TEST_P(MidiSongEndTest, EndsAsTheSongEnds) {
  const EndRow& row = GetParam();
  const std::vector<int16_t> ours = Render(row.effects);
  if (*row.text) {  // damaged: what is intact sounds, with a note; or a reason for refusing
    const std::string said = stream_ ? stream_->Note() : MidiFileProblem(song_);
    EXPECT_NE(said.find(row.text), std::string::npos) << said;
    EXPECT_EQ(Rms(ours, 0, ours.size() / 2) > -60, row.check == DAMAGE_NOTE);
    return;
  }
  ASSERT_TRUE(stream_);
  const size_t end = stream_->SongEndFrame(), frames = ours.size() / 2;
  if (row.check == KEEPS_LENGTH) {
    EXPECT_EQ(frames, end + RATE);
    return;
  }
  const std::vector<int16_t> ref = Reference(row.check == ROOM);
  ASSERT_GT(ref.size() / 2, end);
  if (row.check == END_LEVEL) {
    EXPECT_NEAR(Rms(ours, end, end + HALF_SECOND), Rms(ref, end, end + HALF_SECOND), 1.5);
  }
  if (row.check == END_PITCH) {
    // The note sits in the middle: both channels alike, read as one at twice the rate.
    for (const auto& render : {ours, ref}) {
      const auto fit =
          FitSineAmplitudes(render, 2 * end, 2 * end + HALF_SECOND, 2 * RATE, {261.63, 293.66});
      EXPECT_GT(fit[0], 4 * fit[1]) << "262 Hz " << fit[0] << ", 294 Hz " << fit[1];
    }
  }
  if (row.check == TAIL) {
    // Longer than the fixed second, as long as the reference's audible tail,
    // and ending below -90 dBFS.
    EXPECT_GT(frames, end + RATE + RATE / 2);
    EXPECT_NEAR(Rms(ours, end + RATE, end + 2 * RATE), Rms(ref, end + RATE, end + 2 * RATE), 1.5);
    EXPECT_LT(Rms(ours, frames - RATE / 10, frames), -90);
  }
  if (row.check == ROOM) {
    // The same sound as the reference's, and not the dry one.
    EXPECT_LT(Rms(ours, 0, end + RATE, ref), -80);
    EXPECT_GT(Rms(Render({}), 0, end + RATE, ref), -75);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Songs, MidiSongEndTest,
    ::testing::Values(
        EndRow{"LastTickNote", CRASH, END_LEVEL},
        // A flute note bent up two semitones, bent back and released on the last tick (1 s).
        EndRow{"LastTickBend",
               Song(VarLen(0) + "\xC0\x49" + Bend(0, 0x3FFF) + On(0, 0, 60) + Bend(960, 0x2000) +
                    On(0, 0, 60, 0)),
               END_PITCH},
        EndRow{"RingingTail", CRASH, TAIL},
        // A short note, then a second and a half of nothing (2 s).
        EndRow{"SilentTail", Song(On(0, 0, 72) + On(240, 0, 72, 0), 1680), KEEPS_LENGTH},
        EndRow{
            "LastTrackCut", LastTrackCut(), DAMAGE_NOTE,
            "the MIDI file is damaged: its last track ends early; the song is rendered up to 0:01"},
        EndRow{"NoTracks", MidiHeader(0, 0, 480), DAMAGE_REASON,
               "the MIDI file is damaged: its header announces no tracks"},
        EndRow{"AbsurdDelta", Song(On(0, 0, 60), 0x0FFFFFFF, 1), DAMAGE_REASON,
               "the MIDI file is damaged: a delta time in its track puts an event "},
        EndRow{"ReverbAndChorus", CRASH, ROOM, "", MidiEffects{90, 20}}),
    [](const ::testing::TestParamInfo<EndRow>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace engine
