#include "platform/engine/MidiStream.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "platform/engine/FluidSynthSupport.h"
#include "platform/engine/MidiFont.h"
#include "support/MidiFixtures.h"
#include "support/SoundFontFixtures.h"
#include "support/TempDir.h"

namespace engine {
namespace {

const char* const GM_FONT = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr uint32_t TAIL_FRAMES_44K = 44100;

// Everything a stream delivers, asked for in pieces of `request` bytes,
// written at `offset` bytes into the buffer (to try unaligned buffers).
std::vector<int16_t> DecodeAll(EngineStream& stream, uint32_t request = 4608, size_t offset = 0) {
  std::vector<uint8_t> bytes;
  std::vector<uint8_t> buffer(request + offset);
  while (const uint32_t got = stream.Decode(buffer.data() + offset, request)) {
    bytes.insert(bytes.end(), buffer.begin() + static_cast<long>(offset),
                 buffer.begin() + static_cast<long>(offset + got));
    if (bytes.size() > stream.LengthBytes()) break;
  }
  std::vector<int16_t> samples(bytes.size() / 2);
  std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
  return samples;
}

// Largest absolute sample of the interleaved stereo frames [first, last).
int Peak(const std::vector<int16_t>& samples, size_t first, size_t last) {
  int peak = 0;
  for (size_t i = first * 2; i < std::min(last * 2, samples.size()); ++i) {
    peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
  }
  return peak;
}

// Dither leaves at most a step or two in a silent stretch.
constexpr int SILENCE = 2;
constexpr int SOUND = 500;

class MidiStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileText(dir_.File("tiny.sf2"), TinySoundFontBytes(0.1));
    font_ = LoadMidiFont(dir_.File("tiny.sf2"));
    ASSERT_TRUE(font_);
  }

  std::string Write(const std::string& name, const std::string& bytes) {
    WriteFileText(dir_.File(name), bytes);
    return dir_.File(name);
  }

  TempDir dir_;
  std::shared_ptr<MidiFont> font_;
};

TEST_F(MidiStreamTest, AnnouncesSongLengthPlusTail) {
  struct Case {
    uint32_t tempo;
    int beats;
    uint32_t rate;
    uint32_t formatRate;
    uint64_t songFrames;
  };
  const std::vector<Case> cases = {
      {500000, 4, 44100, 44100, 88200},  // 120 bpm, 4 beats: 2 s
      {500000, 4, 0, 44100, 88200},      // rate 0 renders at 44100
      {500000, 1, 48000, 48000, 24000}, {750000, 2, 22050, 22050, 33075},  // 80 bpm: 1.5 s
      {250000, 2, 8000, 8000, 4000},    {250000, 1, 96000, 96000, 24000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.tempo << " " << c.beats << " " << c.rate);
    const std::string path = Write("song.mid", OneNoteSong(c.tempo, c.beats));
    const std::unique_ptr<EngineStream> stream = OpenMidiStream(path, c.rate, font_);
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->Format().rate, c.formatRate);
    EXPECT_EQ(stream->Format().channels, 2u);
    EXPECT_FALSE(stream->Format().eightBit);
    const uint64_t tail = std::llround(MidiStream::TAIL_SECONDS * c.formatRate);
    EXPECT_EQ(stream->LengthBytes(), (c.songFrames + tail) * 4);
  }
}

TEST_F(MidiStreamTest, TempoChangesInALaterTrackCount) {
  // 8 beats: 2 at 120 bpm, 4 at 60 bpm, 2 at 240 bpm = 1 + 4 + 0.5 s.
  MidiTrackWriter notes;
  notes.Program(0, 0, 0).NoteOn(0, 0, 60).NoteOff(3840, 0, 60).EndOfTrack();
  MidiTrackWriter conductor;
  conductor.Tempo(960, 1000000).Tempo(1920, 250000).EndOfTrack();
  const std::string path = Write("tempo.mid", MidiFileBytes(1, 480, {notes, conductor}));
  const std::unique_ptr<MidiStream> stream = MidiStream::Open(path, 44100, font_);
  ASSERT_TRUE(stream);
  EXPECT_EQ(stream->SongEndFrame(), 242550u);
  EXPECT_EQ(stream->LengthBytes(), (242550u + TAIL_FRAMES_44K) * 4);
}

TEST_F(MidiStreamTest, DeliversExactlyTheAnnouncedLengthInAnyPieces) {
  const std::string path = Write("song.mid", OneNoteSong(500000, 2));
  std::vector<int16_t> reference;
  struct Piece {
    uint32_t request;
    size_t offset;
  };
  for (const Piece& piece : std::vector<Piece>{{4608, 0}, {4, 0}, {1000, 1}, {65536, 3}}) {
    SCOPED_TRACE(piece.request);
    const std::unique_ptr<EngineStream> stream = OpenMidiStream(path, 44100, font_);
    ASSERT_TRUE(stream);
    const std::vector<int16_t> samples = DecodeAll(*stream, piece.request, piece.offset);
    EXPECT_EQ(samples.size() * 2, stream->LengthBytes());
    uint8_t after[16];
    EXPECT_EQ(stream->Decode(after, sizeof after), 0u);
    // The pieces change nothing in the sound.
    if (reference.empty()) {
      reference = samples;
    } else {
      EXPECT_TRUE(samples == reference);
    }
  }
}

TEST_F(MidiStreamTest, NotesSoundAndAHeldNoteIsReleasedAtTheEnd) {
  // 120 bpm: the note starts at 0.5 s and never ends; the song ends at 1 s.
  MidiTrackWriter track;
  track.Program(0, 0, 0).NoteOn(480, 0, 69).EndOfTrack(480);
  const std::string held = Write("held.mid", MidiFileBytes(0, 480, {track}));
  // The same with the sustain pedal down and the note released early.
  MidiTrackWriter pedal;
  pedal.Controller(0, 0, 64, 127).NoteOn(480, 0, 69).NoteOff(240, 0, 69).EndOfTrack(240);
  const std::string sustained = Write("pedal.mid", MidiFileBytes(0, 480, {pedal}));

  for (const std::string& path : {held, sustained}) {
    SCOPED_TRACE(path);
    const std::unique_ptr<EngineStream> stream = OpenMidiStream(path, 44100, font_);
    ASSERT_TRUE(stream);
    const std::vector<int16_t> samples = DecodeAll(*stream);
    ASSERT_EQ(samples.size(), 2u * 88200);
    EXPECT_LE(Peak(samples, 0, 22000), SILENCE);      // before the note
    EXPECT_GE(Peak(samples, 23000, 44000), SOUND);    // the note, to the song's end
    EXPECT_LE(Peak(samples, 55000, 88200), SILENCE);  // released: 0.1 s decay, then quiet
  }
}

TEST_F(MidiStreamTest, TheTailFadesToSilence) {
  // With a 100 s release the note still sounds when the longest tail ends:
  // the last 50 ms fade out, down to 0 on the last frame.
  WriteFileText(dir_.File("slow.sf2"), TinySoundFontBytes(100.0));
  const std::shared_ptr<MidiFont> slow = LoadMidiFont(dir_.File("slow.sf2"));
  ASSERT_TRUE(slow);
  const std::string path = Write("song.mid", OneNoteSong(500000, 1, 69));
  const std::unique_ptr<EngineStream> stream = OpenMidiStream(path, 44100, slow);
  ASSERT_TRUE(stream);
  const std::vector<int16_t> samples = DecodeAll(*stream);
  const size_t frames = samples.size() / 2;
  ASSERT_EQ(frames, 22050u + 10 * TAIL_FRAMES_44K);
  const int beforeFade = Peak(samples, frames - 4410, frames - 2205);
  EXPECT_GE(beforeFade, SOUND);
  EXPECT_LT(Peak(samples, frames - 200, frames), beforeFade / 5);
  EXPECT_EQ(Peak(samples, frames - 1, frames), 0);
}

TEST_F(MidiStreamTest, SameFileSameBytesAndStreamsDoNotDisturbEachOther) {
  const std::string a = Write("a.mid", OneNoteSong(400000, 3, 64));
  MidiTrackWriter chords(true);
  chords.NoteOn(0, 0, 60)
      .NoteOn(0, 0, 67)
      .NoteOn(0, 1, 72)
      .NoteOff(480, 0, 60)
      .NoteOff(0, 0, 67)
      .NoteOff(240, 1, 72)
      .EndOfTrack();
  const std::string b = Write("b.mid", MidiFileBytes(0, 480, {chords}));

  auto solo = [&](const std::string& path) {
    const std::unique_ptr<EngineStream> stream = OpenMidiStream(path, 44100, font_);
    return stream ? DecodeAll(*stream) : std::vector<int16_t>();
  };
  const std::vector<int16_t> soloA = solo(a);
  const std::vector<int16_t> soloB = solo(b);
  ASSERT_FALSE(soloA.empty());
  ASSERT_FALSE(soloB.empty());
  EXPECT_TRUE(solo(a) == soloA);  // after B was rendered with the same font

  // Two streams open at once on one font, decoded in turns.
  const std::unique_ptr<EngineStream> streamA = OpenMidiStream(a, 44100, font_);
  const std::unique_ptr<EngineStream> streamB = OpenMidiStream(b, 44100, font_);
  ASSERT_TRUE(streamA && streamB);
  std::vector<int16_t> turnsA;
  std::vector<int16_t> turnsB;
  std::vector<int16_t> buffer(2048);
  bool more = true;
  while (more) {
    more = false;
    for (auto* pair : {&streamA, &streamB}) {
      const uint32_t got = (*pair)->Decode(reinterpret_cast<uint8_t*>(buffer.data()), 4096);
      std::vector<int16_t>& out = pair == &streamA ? turnsA : turnsB;
      out.insert(out.end(), buffer.begin(), buffer.begin() + got / 2);
      more = more || got > 0;
    }
  }
  EXPECT_TRUE(turnsA == soloA);
  EXPECT_TRUE(turnsB == soloB);
}

TEST_F(MidiStreamTest, RiffWrappedSongRendersLikeTheBareOne) {
  const std::string song = OneNoteSong(500000, 2);
  const std::string bare = Write("song.mid", song);
  const std::string wrapped = Write("song.rmi", RmiBytes(song));
  const std::unique_ptr<EngineStream> a = OpenMidiStream(bare, 44100, font_);
  const std::unique_ptr<EngineStream> b = OpenMidiStream(wrapped, 44100, font_);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(b->LengthBytes(), a->LengthBytes());
  EXPECT_EQ(b->FileLength(), static_cast<int64_t>(RmiBytes(song).size()));
  EXPECT_EQ(a->FileLength(), static_cast<int64_t>(song.size()));
  EXPECT_TRUE(DecodeAll(*a) == DecodeAll(*b));
}

TEST_F(MidiStreamTest, RefusesWhatItCannotRender) {
  const std::string song = OneNoteSong(500000, 2);
  std::string smpte = song;
  smpte[12] = static_cast<char>(0xE7);  // -25 frames per second
  smpte[13] = 40;
  // A huge delta at 1 tick per quarter note and the slowest tempo: years.
  MidiTrackWriter endless;
  endless.Tempo(0, 0xFFFFFF).NoteOn(0, 0, 60).EndOfTrack(0x0FFFFFFF);
  // An escaped sysex event is valid in a file, but the player refuses songs
  // containing one; the stream must not then deliver silence as if it were
  // the song.
  MidiTrackWriter escaped;
  escaped.Raw(std::string("\x00\xF7\x02\x01\x02", 5))
      .NoteOn(0, 0, 60)
      .NoteOff(480, 0, 60)
      .EndOfTrack();

  struct Case {
    const char* name;
    std::string bytes;
    uint32_t rate;
  };
  const std::vector<Case> cases = {
      {"empty", "", 44100},
      {"text", "just some words, no music", 44100},
      {"truncated", song.substr(0, song.size() / 2), 44100},
      {"SMPTE division", smpte, 44100},
      {"longer than a day", MidiFileBytes(0, 1, {endless}), 44100},
      {"refused by the player", MidiFileBytes(0, 480, {escaped}), 44100},
      {"rate too low", song, 7999},
      {"rate too high", song, 96001},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(OpenMidiStream(Write("case.mid", c.bytes), c.rate, font_));
  }
  EXPECT_FALSE(OpenMidiStream(dir_.File("missing.mid"), 44100, font_));
}

TEST_F(MidiStreamTest, WithoutAFontASongOpensSilentWithItsLength) {
  const std::string song = OneNoteSong(500000, 4);
  const auto rendered = OpenMidiStream(Write("a.mid", song), 22050, font_);
  const auto silent = OpenMidiStream(Write("b.mid", song), 22050, nullptr);
  ASSERT_TRUE(rendered && silent);
  EXPECT_EQ(silent->LengthBytes(), rendered->LengthBytes());
  EXPECT_EQ(silent->Format().rate, 22050u);
  std::vector<uint8_t> buffer(4096, 0xAA);
  uint64_t total = 0;
  for (uint32_t got; (got = silent->Decode(buffer.data(), 4096)) > 0; total += got)
    for (uint32_t i = 0; i < got; ++i) ASSERT_EQ(buffer[i], 0);
  EXPECT_EQ(total, silent->LengthBytes());
  EXPECT_FALSE(OpenMidiStream(Write("c.mid", "not midi"), 22050, nullptr));
  EXPECT_FALSE(OpenMidiStream(Write("d.mid", song), 7999, nullptr));
}

TEST_F(MidiStreamTest, StreamKeepsItsFontAlive) {
  const std::string path = Write("song.mid", OneNoteSong(500000, 1));
  std::unique_ptr<EngineStream> stream = OpenMidiStream(path, 44100, font_);
  ASSERT_TRUE(stream);
  font_.reset();
  const std::vector<int16_t> samples = DecodeAll(*stream);
  EXPECT_EQ(samples.size() * 2, stream->LengthBytes());
  EXPECT_GE(Peak(samples, 0, 22050), SOUND);
}

// The shared font must play exactly as a font the synthesizer loaded
// itself: render the song's part before the release both ways with the full
// General MIDI font (several programs and the drum channel).
TEST(MidiFontTest, SharedFontSoundsLikeALoadedOne) {
  TempDir dir;
  MidiTrackWriter track;
  track.Program(0, 0, 40)
      .Program(0, 1, 0)
      .NoteOn(0, 0, 67)
      .NoteOn(0, 1, 48)
      .NoteOn(0, 9, 36)
      .NoteOn(240, 9, 42)
      .NoteOff(240, 0, 67)
      .NoteOff(0, 1, 48)
      .EndOfTrack(480);
  const std::string bytes = MidiFileBytes(0, 480, {track});
  WriteFileText(dir.File("song.mid"), bytes);

  const std::shared_ptr<MidiFont> font = LoadMidiFont(GM_FONT);
  ASSERT_TRUE(font);
  const std::unique_ptr<MidiStream> stream = MidiStream::Open(dir.File("song.mid"), 44100, font);
  ASSERT_TRUE(stream);
  const std::vector<int16_t> shared = DecodeAll(*stream);
  const size_t songFrames = stream->SongEndFrame();
  ASSERT_EQ(songFrames, 44100u);

  FluidSettingsPtr settings = MakeOfflineSettings(44100);
  ASSERT_TRUE(settings);
  FluidSynthPtr synth(new_fluid_synth(settings.get()));
  ASSERT_NE(fluid_synth_sfload(synth.get(), GM_FONT, 1), FLUID_FAILED);
  FluidPlayerPtr player(new_fluid_player(synth.get()));
  ASSERT_EQ(fluid_player_add_mem(player.get(), bytes.data(), bytes.size()), FLUID_OK);
  ASSERT_EQ(fluid_player_play(player.get()), FLUID_OK);
  std::vector<int16_t> loaded(songFrames * 2);
  fluid_synth_write_s16(synth.get(), static_cast<int>(songFrames), loaded.data(), 0, 2,
                        loaded.data(), 1, 2);

  EXPECT_GE(Peak(loaded, 0, songFrames), SOUND);
  EXPECT_TRUE(std::equal(loaded.begin(), loaded.end(), shared.begin()));
}

TEST(MidiFontTest, LoadsOnlySoundFonts) {
  TempDir dir;
  const std::string tiny = TinySoundFontBytes();
  std::string junk = tiny;
  std::fill(junk.begin() + 12, junk.end(), '\xEE');
  std::string partialRecord = tiny;  // a modulator table of 9 bytes (records are 10)
  partialRecord[partialRecord.find("pmod") + 4] = 9;
  const std::string noPresets = std::string("RIFF\x10\0\0\0sfbkLIST\x04\0\0\0INFO", 24);
  struct Case {
    const char* name;
    std::string bytes;
    bool loads;
  };
  const std::vector<Case> cases = {
      {"tiny font", tiny, true},
      {"empty", "", false},
      {"MIDI song", OneNoteSong(500000, 1), false},
      {"RIFF WAVE", std::string("RIFF\x24\0\0\0WAVEfmt ", 16) + std::string(32, '\0'), false},
      {"sfbk header over junk", junk, false},
      {"table of partial records", partialRecord, false},
      {"no sample or preset lists", noPresets, false},
      {"font cut in half", tiny.substr(0, tiny.size() / 2), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFileText(dir.File("font.sf2"), c.bytes);
    EXPECT_EQ(static_cast<bool>(LoadMidiFont(dir.File("font.sf2"))), c.loads);
  }
  EXPECT_FALSE(LoadMidiFont(dir.File("missing.sf2")));
}

TEST(MidiFontTest, DefaultFontIsPlacedNextToThePrograms) {
  char exe[PATH_MAX] = {};
  ASSERT_GT(readlink("/proc/self/exe", exe, sizeof exe - 1), 0);
  std::string folder(exe);
  folder.erase(folder.rfind('/') + 1);
  EXPECT_TRUE(LoadMidiFont(folder + "ct4mgm.sf2"));
}

}  // namespace
}  // namespace engine
