// Several threads converting at once, each with its own stream: every
// stream must decode exactly as it does alone, and nothing may outlive the
// streams and the engine.

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "codecs/writers/Mp3Writer.h"
#include "codecs/writers/OggWriter.h"
#include "platform/engine/Engine.h"
#include "platform/engine/EngineStream.h"
#include "platform/engine/MidiFont.h"
#include "support/AudioFixtures.h"
#include "support/MidiFixtures.h"
#include "support/ModuleFixtures.h"
#include "support/TempDir.h"

// FluidSynth loads a font's samples with OpenMP, whose runtime orders its
// threads by means the thread checker cannot see (the runtime is not built
// for it), so a block that a worker thread allocates and the loading thread
// frees reads as a race. Only the thread checker asks for this list; it
// then ignores the calls that runtime makes. Weak, so that a list the test
// program defines elsewhere takes precedence.
extern "C" __attribute__((weak)) const char* __tsan_default_suppressions() {
  return "called_from_lib:libgomp.so.1\n";
}

namespace engine {
namespace {

const char* const GM_FONT = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int THREADS = 4;

// Holds every thread until all have arrived, so that the work after it
// overlaps as much as it can.
class StartLine {
 public:
  explicit StartLine(int threads) : waiting_(threads) {}
  void Arrive() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (--waiting_ == 0) released_.notify_all();
    released_.wait(lock, [this] { return waiting_ == 0; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable released_;
  int waiting_;
};

enum class Kind { SAMPLED, MIDI, MODULE };

struct Song {
  std::string name;
  Kind kind;
};

Handle Open(const std::string& path, Kind kind) {
  switch (kind) {
    case Kind::SAMPLED:
      return StreamCreateFile(path, STREAM_DECODE);
    case Kind::MIDI:
      return MidiStreamCreateFile(path, STREAM_DECODE, 0);
    case Kind::MODULE:
      return MusicLoad(path, MUSIC_DECODE, 0);
  }
  return 0;
}

// Every byte of a stream's PCM, read in the pieces a conversion asks for.
std::vector<uint8_t> DecodeRest(Handle handle) {
  std::vector<uint8_t> pcm;
  std::vector<uint8_t> buffer(4608);
  for (uint32_t got; (got = ChannelGetData(handle, buffer.data(), 4608)) != DATA_END;)
    pcm.insert(pcm.end(), buffer.begin(), buffer.begin() + got);
  return pcm;
}

// A song of a few notes on `program`, with drums when `drums`; songs differ
// in their notes so that their PCM differs.
std::string MidiSong(int program, int key, bool drums) {
  MidiTrackWriter track;
  track.Program(0, 0, program).Program(0, 1, program + 8).NoteOn(0, 0, key).NoteOn(0, 1, key - 12);
  if (drums) track.NoteOn(0, 9, 36).NoteOn(240, 9, 42).NoteOff(240, 9, 36);
  track.NoteOff(drums ? 240 : 720, 0, key).NoteOn(0, 0, key + 4).NoteOff(480, 0, key + 4);
  track.NoteOff(0, 1, key - 12).EndOfTrack(240);
  return MidiFileBytes(0, 480, {track});
}

// Interleaved stereo 44.1 kHz PCM encoded to `path` by `writer`.
void Encode(AudioWriter& writer, const std::string& path, const std::vector<int16_t>& pcm) {
  std::vector<int16_t> left;
  std::vector<int16_t> right;
  for (size_t i = 0; i + 1 < pcm.size(); i += 2) {
    left.push_back(pcm[i]);
    right.push_back(pcm[i + 1]);
  }
  ASSERT_TRUE(writer.Open(path, WriterFormat{44100, 2, 16})) << path;
  ASSERT_TRUE(writer.WriteBlock16(left.data(), right.data(), static_cast<int>(left.size())));
  ASSERT_TRUE(writer.Close()) << path;
}

// The files of every case, made once: MIDI songs, WAV files and their MP3
// and Ogg Vorbis encodings, and a tracker module. They are made in this
// process rather than by the ffmpeg tool: a process that has run threads
// must not fork under the thread checker.
class EngineParallelTest : public ::testing::TestWithParam<std::vector<Song>> {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir();
    for (int i = 0; i < THREADS; ++i)
      WriteFileText(dir_->File("song" + std::to_string(i) + ".mid"),
                    MidiSong(i * 16, 60 + i, i % 2 == 0));
    const std::vector<int16_t> tone = SineWave(3 * 44100, 2, 44100, 440);
    WriteWav16(dir_->File("tone.wav"), 44100, 2, tone);
    WriteWav16(dir_->File("low.wav"), 22050, 1, SineWave(2 * 22050, 1, 22050, 330));
    Mp3Writer mp3(Mp3EncoderSettings{-1, 0, 128}, Id3Images{});
    Encode(mp3, dir_->File("tone.mp3"), tone);
    OggWriter ogg;
    Encode(ogg, dir_->File("tone.ogg"), tone);
    ModuleSong module;
    module.rows = 32;
    WriteFileText(dir_->File("song.mod"), ProTrackerModuleBytes(module));
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }

  void SetUp() override {
    ASSERT_TRUE(Init(44100));
    const uint32_t font = MidiFontInit(GM_FONT);
    ASSERT_NE(font, 0u);
    const MidiFontEntry entry{font, -1, 0};
    ASSERT_TRUE(MidiStreamSetFonts(0, &entry, 1));
  }
  void TearDown() override { Free(); }

  static std::string Path(const Song& song) { return dir_->File(song.name); }

  static TempDir* dir_;
};

TempDir* EngineParallelTest::dir_ = nullptr;

TEST_P(EngineParallelTest, EachStreamDecodesAsItDoesAlone) {
  const std::vector<Song>& songs = GetParam();
  std::vector<std::vector<uint8_t>> alone;
  for (const Song& song : songs) {
    const Handle handle = Open(Path(song), song.kind);
    ASSERT_NE(handle, 0u) << song.name;
    alone.push_back(DecodeRest(handle));
    EXPECT_TRUE(StreamFree(handle) || MusicFree(handle));
    ASSERT_GT(alone.back().size(), 44100u) << song.name;
  }

  // Each thread opens its stream once all are ready to, decodes it, frees
  // it, and does it again: the second time every stream finds the resources
  // the first round left behind.
  std::vector<std::vector<uint8_t>> together[2];
  for (auto& round : together) {
    round.resize(songs.size());
    StartLine start(static_cast<int>(songs.size()));
    std::vector<std::thread> threads;
    for (size_t i = 0; i < songs.size(); ++i) {
      threads.emplace_back([&, i] {
        start.Arrive();
        const Handle handle = Open(Path(songs[i]), songs[i].kind);
        if (handle == 0) return;
        round[i] = DecodeRest(handle);
        if (songs[i].kind == Kind::MODULE)
          MusicFree(handle);
        else
          StreamFree(handle);
      });
    }
    for (std::thread& thread : threads) thread.join();
  }
  for (size_t i = 0; i < songs.size(); ++i) {
    for (const auto& round : together) {
      // Compared as a whole, so that a failure does not print megabytes.
      EXPECT_EQ(round[i].size(), alone[i].size()) << songs[i].name;
      EXPECT_TRUE(round[i] == alone[i]) << songs[i].name;
    }
  }
}

// Four MIDI songs on one font; four sampled files; and a mix, with one
// song on two threads at once.
const std::vector<std::vector<Song>> CASES = {
    {{"song0.mid", Kind::MIDI},
     {"song1.mid", Kind::MIDI},
     {"song2.mid", Kind::MIDI},
     {"song3.mid", Kind::MIDI}},
    {{"tone.wav", Kind::SAMPLED},
     {"tone.mp3", Kind::SAMPLED},
     {"tone.ogg", Kind::SAMPLED},
     {"low.wav", Kind::SAMPLED}},
    {{"song0.mid", Kind::MIDI},
     {"tone.mp3", Kind::SAMPLED},
     {"song.mod", Kind::MODULE},
     {"song0.mid", Kind::MIDI}},
};

std::string CaseName(const ::testing::TestParamInfo<std::vector<Song>>& info) {
  const char* const names[] = {"midi", "sampled", "mixed"};
  return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Files, EngineParallelTest, ::testing::ValuesIn(CASES), CaseName);

// Streams open at once each borrow a holder of their own; freed streams
// give them back for later streams, and when the font and its streams are
// gone every holder goes with them (the leak checker of the test build
// sees any FluidSynth object left behind).
TEST(EngineParallelFontTest, StreamsOpenAtOnceBorrowHoldersThatGoWithTheFont) {
  TempDir dir;
  std::vector<std::string> songs;
  for (int i = 0; i < THREADS; ++i) {
    songs.push_back(dir.File("song" + std::to_string(i) + ".mid"));
    WriteFileText(songs.back(), MidiSong(i * 8, 64 - i, i == 0));
  }
  std::shared_ptr<MidiFont> font = LoadMidiFont(GM_FONT);
  ASSERT_TRUE(font);
  const std::weak_ptr<MidiFont> watch = font;
  ASSERT_EQ(font->HolderCount(), 1u);

  std::vector<std::unique_ptr<EngineStream>> streams(THREADS);
  StartLine opened(THREADS);
  std::vector<std::thread> threads;
  std::vector<size_t> decoded(THREADS);
  for (int i = 0; i < THREADS; ++i) {
    threads.emplace_back([&, i] {
      streams[i] = OpenMidiStream(songs[i], 44100, font);
      opened.Arrive();  // every stream is open before any decodes
      std::vector<uint8_t> buffer(4096);
      while (const uint32_t got = streams[i] ? streams[i]->Decode(buffer.data(), 4096) : 0)
        decoded[i] += got;
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int i = 0; i < THREADS; ++i) {
    ASSERT_TRUE(streams[i]) << songs[i];
    EXPECT_EQ(decoded[i], streams[i]->LengthBytes()) << songs[i];
  }
  EXPECT_EQ(font->HolderCount(), static_cast<size_t>(THREADS));

  streams.clear();
  EXPECT_TRUE(OpenMidiStream(songs[0], 44100, font));
  EXPECT_EQ(font->HolderCount(), static_cast<size_t>(THREADS));  // reused, none loaded

  font.reset();
  EXPECT_TRUE(watch.expired());
}

}  // namespace
}  // namespace engine
