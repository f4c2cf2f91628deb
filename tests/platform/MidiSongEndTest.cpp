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

std::string Bend(uint32_t delta, int value) {
  return VarLen(delta) + "\xE0" + char(value & 0x7F) + char(value >> 7);
}

// A piano note, then a crash cymbal struck and released on the last tick (1.5 s).
std::string LastTickCrash() {
  MidiTrackWriter t;
  t.NoteOn(0, 0, 60).NoteOff(480, 0, 60).NoteOn(960, 9, 49).NoteOff(0, 9, 49).EndOfTrack();
  return MidiFileBytes(0, 480, {t});
}
// A flute note bent up two semitones, bent back and released on the last tick (1 s).
std::string LastTickBend() {
  MidiTrackWriter t;
  t.Program(0, 0, 73).Raw(Bend(0, 0x3FFF)).NoteOn(0, 0, 60).Raw(Bend(960, 0x2000)).NoteOff(0, 0, 60);
  return MidiFileBytes(0, 480, {t.EndOfTrack()});
  return MidiFileBytes(0, 480, {t});
}
// A crash cymbal struck 0.25 s before the end, ringing far past it.
std::string RingingCrash() {
  MidiTrackWriter t;
  t.NoteOn(0, 0, 60).NoteOff(480, 0, 60).NoteOn(0, 9, 49).NoteOff(240, 9, 49).EndOfTrack();
  return MidiFileBytes(0, 480, {t});
}
// A short note, then a second and a half of nothing (2 s).
std::string SilentEnd() {
  MidiTrackWriter t;
  t.NoteOn(0, 0, 72).NoteOff(240, 0, 72).EndOfTrack(1680);
  return MidiFileBytes(0, 480, {t});
}
std::string LastTrackCut() {
  MidiTrackWriter conductor, notes;
  conductor.Tempo(0, 500000).EndOfTrack();
  notes.NoteOn(0, 0, 60).NoteOff(960, 0, 60).NoteOn(0, 0, 64).NoteOff(960, 0, 64).EndOfTrack();
  const std::string whole = MidiFileBytes(1, 480, {conductor, notes});
  return whole.substr(0, whole.size() - 7);
}
std::string NoTracks() { return MidiHeader(0, 0, 480); }
std::string AbsurdDelta() {
  MidiTrackWriter t;
  t.Tempo(0, 0xFFFFFF).NoteOn(0, 0, 60).EndOfTrack(0x0FFFFFFF);
  return MidiFileBytes(0, 1, {t});
}

enum Check { END_LEVEL, END_PITCH, TAIL, KEEPS_LENGTH, DAMAGE_NOTE, DAMAGE_REASON, ROOM };
struct EndRow {
  const char* name;
  std::string (*song)();
  Check check;
  const char* text = "";  // the damage named
  MidiEffects effects = {};
};
void PrintTo(const EndRow& row, std::ostream* out) { *out << row.name; }

double Rms(const std::vector<int16_t>& s, size_t from, size_t to) {
  double sum = 0;
  to = std::min(to, s.size() / 2);
  for (size_t i = 2 * from; i < 2 * to; ++i) sum += double(s[i]) * s[i];
  return to > from ? 10 * std::log10(sum / (2.0 * (to - from)) / (32768.0 * 32768.0) + 1e-20) : -200;
}
std::vector<int16_t> Left(const std::vector<int16_t>& s, size_t from, size_t to) {
  std::vector<int16_t> left;
  for (size_t i = from; i < std::min(to, s.size() / 2); ++i) left.push_back(s[2 * i]);
  return left;
}

std::vector<int16_t> Difference(const std::vector<int16_t>& a, const std::vector<int16_t>& b) {
  std::vector<int16_t> d(std::min(a.size(), b.size()));
  for (size_t i = 0; i < d.size(); ++i) d[i] = static_cast<int16_t>(a[i] - b[i]);
  return d;
}

class MidiSongEndTest : public ::testing::TestWithParam<EndRow> {
 protected:
  void SetUp() override {
    if (!std::ifstream(font_)) GTEST_SKIP() << "no General MIDI font at " << font_;
    song_ = dir_.File("song.mid");
    WriteFileText(song_, GetParam().song());
  }
  std::vector<int16_t> Render(const MidiEffects& effects, MidiStream** kept = nullptr) {
    stream_ = MidiStream::Open(song_, RATE, LoadMidiFont(font_), effects);
    if (!stream_) return {};
    if (kept) *kept = stream_.get();
    std::vector<int16_t> out(4096 * 2);
    size_t done = 0;
    while (const uint32_t got = stream_->Decode(reinterpret_cast<uint8_t*>(out.data() + done), 4096 * 4)) {
      done += got / 2;
      out.resize(done + 4096 * 2);
    }
    out.resize(done);
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
  MidiStream* stream = nullptr;
  if (row.check == DAMAGE_REASON) {
    EXPECT_TRUE(Render({}).empty());
    EXPECT_NE(MidiFileProblem(song_).find(row.text), std::string::npos) << MidiFileProblem(song_);
    return;
  }
  const std::vector<int16_t> ours = Render(row.effects, &stream);
  ASSERT_TRUE(stream);
  const size_t end = stream->SongEndFrame(), frames = ours.size() / 2;
  if (row.check == DAMAGE_NOTE) {
    EXPECT_NE(stream->Note().find(row.text), std::string::npos) << stream->Note();
    EXPECT_GT(Rms(ours, 0, end), -60);
    return;
  }
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
    for (const auto& render : {ours, ref}) {
      const std::vector<int16_t> left = Left(render, end, end + HALF_SECOND / 2);
      const auto fit = FitSineAmplitudes(left, 0, left.size(), RATE, {261.63, 293.66});
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
    EXPECT_LT(Rms(Difference(ours, ref), 0, end + RATE), -80);
    EXPECT_GT(Rms(Difference(Render({}), ref), 0, end + RATE), -75);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Songs, MidiSongEndTest,
    ::testing::Values(
        EndRow{"LastTickNote", LastTickCrash, END_LEVEL}, EndRow{"LastTickBend", LastTickBend, END_PITCH},
        EndRow{"RingingTail", RingingCrash, TAIL}, EndRow{"SilentTail", SilentEnd, KEEPS_LENGTH},
        EndRow{"LastTrackCut", LastTrackCut, DAMAGE_NOTE,
               "the MIDI file is damaged: its last track ends early; the song is rendered up to 0:01"},
        EndRow{"NoTracks", NoTracks, DAMAGE_REASON, "the MIDI file is damaged: its header announces no tracks"},
        EndRow{"AbsurdDelta", AbsurdDelta, DAMAGE_REASON,
               "the MIDI file is damaged: a delta time in its track puts an event "},
        EndRow{"ReverbAndChorus", RingingCrash, ROOM, "", MidiEffects{90, 20}}),
    [](const ::testing::TestParamInfo<EndRow>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace engine
