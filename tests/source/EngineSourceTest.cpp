#include <gtest/gtest.h>

#include "source/EngineSource.h"

namespace {

TEST(EngineSourceTest, MpegHeaderChecks) {
  const struct {
    uint8_t b[4];
    uint32_t mode;
    const char* what;
  } cases[] = {
      {{0xFF, 0xFB, 0x90, 0x44}, 1, "MPEG-1 layer III 128 kbps joint stereo"},
      {{0xFF, 0xFB, 0x90, 0x04}, 0, "stereo"},
      {{0xFF, 0xFB, 0x90, 0xC4}, 3, "mono"},
      {{0xFF, 0xFD, 0x90, 0x84}, 2, "MPEG-1 layer II dual channel"},
      {{0xFF, 0xF3, 0x10, 0xC4}, 3, "MPEG-2 layer III 8 kbps"},
      {{0xFF, 0xE3, 0x10, 0x44}, 1, "MPEG-2.5 layer III"},
      {{0xFF, 0xFB, 0x9C, 0x44}, 4, "reserved sample rate refused"},
      {{0xFF, 0xFF, 0xE0, 0x00}, 0, "MPEG-1 layer I 448 kbps"},
      {{0xFF, 0xFB, 0x00, 0x44}, 4, "free format refused"},
      {{0xFF, 0xFB, 0xF0, 0x44}, 4, "bit-rate index 15 refused"},
      {{0xFF, 0xEB, 0x90, 0x44}, 4, "reserved version refused"},
      {{0xFF, 0xF9, 0x90, 0x44}, 4, "reserved layer refused"},
      {{0xFE, 0xFB, 0x90, 0x44}, 4, "no sync"},
      {{0xFF, 0x1B, 0x90, 0x44}, 4, "sync bits of the second byte missing"},
  };
  for (const auto& c : cases) EXPECT_EQ(MpegHeaderChannelMode(c.b), c.mode) << c.what;
}

TEST(EngineSourceTest, BitRateFromFileSizeOrFormat) {
  EXPECT_EQ(SourceBitRate(2880000, 180.0, 16, 44100, 2), 128u);
  EXPECT_EQ(SourceBitRate(static_cast<uint64_t>(-1), 180.0, 16, 44100, 2), 1411u);
  EXPECT_EQ(SourceBitRate(2880000, 0.0, 16, 44100, 2), 1411u);
  EXPECT_EQ(SourceBitRate(1000, 0.001, 8, 8000, 1), 8000u);
  EXPECT_EQ(SourceBitRate(0, 0.0, 8, 8000, 1), 64u);
}

}  // namespace

// The engine-based source on real files of every family the engine serves.

#include <filesystem>

#include "app/EngineStartup.h"
#include "codecs/readers/ProgramReaders.h"
#include "convert/ConvertRoutines.h"
#include "platform/bytes/ByteOrder.h"
#include "source/OpenSource.h"
#include "source/SourceKind.h"
#include "support/AudioFixtures.h"
#include "support/MidiFixtures.h"
#include "support/ModuleFixtures.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedFrontEnd.h"
#include "support/SharedMedia.h"
#include "support/TempDir.h"

namespace {

struct SourceCase {
  const char* name;
  std::vector<std::string> ffmpegArgs;  // to make it from in.wav; empty for fixtures
  uint32_t rate, channels, bits;
  bool needsAddon;
};

// Reads the whole source, checking the block contract; answers the frames.
int64_t ReadAll(AudioSource& source) {
  PcmBlock block;
  int64_t frames = 0;
  for (int n; (n = source.Read(block)) > 0;) {
    EXPECT_LE(n, BLOCK_SAMPLES);
    EXPECT_EQ(block.frames, n);
    frames += n;
  }
  EXPECT_EQ(source.GetPosition(), source.GetLength());
  return frames;
}

class EngineFilesTest : public ::testing::Test {
 protected:
  // 1.2 s, so that every family reports one whole second: some encoders
  // (WMA) keep back the last part of a frame.
  EngineFilesTest() { WriteWav16(dir_.File("in.wav"), 44100, 2, SineWave(52920, 2, 44100, 440)); }
  TempDir dir_;
};

TEST_F(EngineFilesTest, EveryFamilyOpensWithItsProperties) {
  const TestProgramFolder folder(true, true);
  const EngineSession engine(folder.Path());
  const std::string in = dir_.File("in.wav");
  const SourceCase cases[] = {
      {"cbr.mp3", {"-c:a", "libmp3lame", "-b:a", "128k"}, 44100, 2, 16, false},
      {"vbr.mp3", {"-c:a", "libmp3lame", "-q:a", "4"}, 44100, 2, 16, false},
      {"a.mp2", {"-c:a", "mp2", "-b:a", "192k"}, 44100, 2, 16, false},
      {"a.ogg", {"-c:a", "libvorbis"}, 44100, 2, 16, false},
      {"mono8.wav", {"-ac", "1", "-c:a", "pcm_u8"}, 44100, 1, 8, false},
      {"six.wav", {"-af", "pan=5.1|c0=c0|c1=c1|c2=c0|c3=c1|c4=c0|c5=c1", "-c:a", "pcm_s16le"}, 44100, 6, 16, false},
      {"a.aiff", {"-c:a", "pcm_s16be"}, 44100, 2, 16, false},
      {"a.flac", {"-c:a", "flac"}, 44100, 2, 16, true},
      {"a.wv", {"-c:a", "wavpack"}, 44100, 2, 16, true},
      {"a.tta", {"-c:a", "tta"}, 44100, 2, 16, true},
      {"a.ac3", {"-c:a", "ac3"}, 44100, 2, 16, true},
      {"a.aac", {"-c:a", "aac"}, 44100, 2, 16, true},
      {"a.m4a", {"-c:a", "aac"}, 44100, 2, 16, true},
      {"a.wma", {"-c:a", "wmav2"}, 44100, 2, 16, true},
  };
  for (const SourceCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir_.File(c.name);
    std::vector<std::string> args = {"-i", in};
    args.insert(args.end(), c.ffmpegArgs.begin(), c.ffmpegArgs.end());
    args.push_back(path);
    ASSERT_TRUE(RunFfmpeg(args));

    EngineSource source;
    ASSERT_TRUE(source.Open(path, 0));
    const SourceInfo info = source.Info();
    EXPECT_EQ(info.sampleRate, c.rate);
    EXPECT_EQ(info.channels, c.channels);
    EXPECT_EQ(info.outputChannels, std::min(c.channels, 2u));
    EXPECT_EQ(info.bitsPerSample, c.bits);
    EXPECT_EQ(info.duration, 1u);
    EXPECT_GT(info.bitRate, 0u);
    const int64_t frames = ReadAll(source);
    EXPECT_EQ(static_cast<uint64_t>(frames) * c.channels * c.bits / 8, source.GetLength());
    EXPECT_NEAR(static_cast<double>(frames), static_cast<double>(DecodeWithFfmpeg(path).Frames()), 2048);
    // A six-channel source delivers its first two channels, at most 384
    // frames a block (the buffer holds 1152 stereo frames).
    if (c.channels == 6) {
      EngineSource again;
      ASSERT_TRUE(again.Open(path, 0));
      PcmBlock block;
      EXPECT_EQ(again.Read(block), 384);
    }
  }
}

TEST_F(EngineFilesTest, Mp3ModesAndId3Blocks) {
  const TestProgramFolder folder(false, false);
  const EngineSession engine(folder.Path());
  const std::string mp3 = dir_.File("tagged.mp3");
  ASSERT_TRUE(RunFfmpeg({"-i", dir_.File("in.wav"), "-c:a", "libmp3lame", "-b:a", "128k", "-joint_stereo",
                         "0", "-id3v2_version", "3", "-write_id3v1", "1", "-metadata", "title=T",
                         "-metadata", "comment=two\nlines", "-metadata", "composer=C", mp3}));
  const std::string bytes = ReadFileText(mp3);

  EngineSource source;
  ASSERT_TRUE(source.Open(mp3, 0));
  EXPECT_EQ(source.GetMode(), EngineSource::MODE_MP3);
  EXPECT_NE(source.GetMp3ChannelMode(), 4u);
  uint32_t size = 0;
  const uint8_t* v2 = source.GetId3v2Tag(size);
  ASSERT_NE(v2, nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(v2), size), bytes.substr(0, size));
  EXPECT_EQ(v2, source.GetId3v2Tag(size));  // asked once, kept until Close
  const uint8_t* v1 = source.GetId3v1Tag();
  ASSERT_NE(v1, nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(v1), 128), bytes.substr(bytes.size() - 128));

  // A comment of two lines stays whole; the fields after it keep their place.
  TagInfo tags;
  ASSERT_TRUE(source.ReadTags(tags));
  EXPECT_EQ(tags.title, "T");
  EXPECT_EQ(tags.comment, "two\nlines");
  EXPECT_EQ(tags.composer, "C");
  EXPECT_EQ(tags.copyright, "");

  // The same file named .mp2 is MPEG audio but not read as MP3: no channel
  // mode, no ID3 blocks.
  const std::string mp2 = dir_.File("tagged.mp2");
  std::filesystem::copy_file(mp3, mp2);
  EXPECT_EQ(SourceKindFromPath(mp2), KIND_MPEG_AUDIO);
  EngineSource other;
  ASSERT_TRUE(other.Open(mp2, 0));
  EXPECT_EQ(other.GetMode(), EngineSource::MODE_STREAM);
  EXPECT_EQ(other.GetMp3ChannelMode(), 4u);
  EXPECT_EQ(other.GetId3v1Tag(), nullptr);
  EXPECT_EQ(other.GetId3v2Tag(size), nullptr);
  EXPECT_EQ(size, 0u);
}

TEST_F(EngineFilesTest, MidiAndModulesRenderToTheirLength) {
  const TestProgramFolder folder(false, true);
  const EngineSession engine(folder.Path());
  ASSERT_NE(engine.SoundFontReady(), 0u);
  WriteFileText(dir_.File("song.mid"), OneNoteSong(500000, 4));
  EngineSource midi;
  ASSERT_TRUE(midi.Open(dir_.File("song.mid"), 22050));
  EXPECT_EQ(midi.GetMode(), EngineSource::MODE_MIDI);
  EXPECT_EQ(midi.GetSampleRate(), 22050u);
  EXPECT_EQ(midi.GetDuration(), 3u);  // two seconds of song and the release tail
  EXPECT_EQ(ReadAll(midi) * 4, static_cast<int64_t>(midi.GetLength()));

  const ModuleSong song;
  WriteFileText(dir_.File("tune.mod"), ProTrackerModuleBytes(song));
  EngineSource module;
  ASSERT_TRUE(module.Open(dir_.File("tune.mod"), 48000));
  EXPECT_EQ(module.GetMode(), EngineSource::MODE_MODULE);
  EXPECT_EQ(module.GetSampleRate(), 48000u);
  EXPECT_NEAR(static_cast<double>(ReadAll(module)), song.Seconds() * 48000, 48000 * 0.03);
  // A MIDI file is never loaded as a module.
  WriteFileText(dir_.File("tune.mid"), ProTrackerModuleBytes(song));
  EXPECT_FALSE(EngineSource().Open(dir_.File("tune.mid"), 0));
}

TEST_F(EngineFilesTest, WithoutAddonsTheCoreFormatsStillOpen) {
  const TestProgramFolder folder(false, true);
  const EngineSession engine(folder.Path());
  const std::string in = dir_.File("in.wav");
  for (const char* name : {"a.mp3", "a.ogg", "a.aiff"}) {
    ASSERT_TRUE(RunFfmpeg({"-i", in, dir_.File(name)}));
    EXPECT_TRUE(EngineSource().Open(dir_.File(name), 0)) << name;
  }
  EXPECT_TRUE(EngineSource().Open(in, 0));
  WriteFileText(dir_.File("song.mid"), OneNoteSong(500000, 1));
  EXPECT_TRUE(EngineSource().Open(dir_.File("song.mid"), 0));

  ASSERT_TRUE(RunFfmpeg({"-i", in, dir_.File("a.flac")}));
  EXPECT_FALSE(EngineSource().Open(dir_.File("a.flac"), 0));
  // The factory then falls back to the container library.
  EXPECT_NE(OpenSource(dir_.File("a.flac"), KIND_FLAC, 0, true, ProgramReaders()), nullptr);
}

TEST_F(EngineFilesTest, TruncatedFlacEndsWhereItsAudioEnds) {
  // A FLAC file cut at 45% of its bytes still announces four seconds in its
  // stream header. Its conversion ends where its audio does, with no
  // silence standing in for the missing part.
  const TestProgramFolder folder(true, false);
  const EngineSession engine(folder.Path());
  WriteWav16(dir_.File("long.wav"), 44100, 2, SineWave(4 * 44100, 2, 44100, 440));
  ASSERT_TRUE(RunFfmpeg({"-i", dir_.File("long.wav"), "-c:a", "flac", dir_.File("whole.flac")}));
  const std::string whole = ReadFileText(dir_.File("whole.flac"));
  const std::string cut = dir_.File("cut.flac");
  WriteFileText(cut, whole.substr(0, whole.size() * 45 / 100));
  const Decoded reference = DecodeWithFfmpeg(cut);
  ASSERT_TRUE(reference.ok);
  ASSERT_LT(reference.Frames(), 2 * 44100);

  EngineSource source;
  ASSERT_TRUE(source.Open(cut, 0));
  EXPECT_EQ(source.GetDuration(), 4u);
  const int64_t frames = ReadAll(source);  // also: position and length agree
  EXPECT_NEAR(static_cast<double>(frames), static_cast<double>(reference.Frames()), 4608);
  EXPECT_EQ(source.GetLength(), static_cast<uint64_t>(frames) * 4);

  ConvertSettings settings;
  RecordingProgress progress;
  const ConversionContext context{settings, progress, 1};
  const std::string out = dir_.File("cut.wav");
  ASSERT_TRUE(ConvertToWav(KIND_FLAC, cut, out, context));
  EXPECT_NEAR(std::stod(ProbeStreamField(out, "duration")),
              static_cast<double>(reference.Frames()) / 44100, 0.11);
}

TEST_F(EngineFilesTest, FilesThatDecodeToNothingDoNotOpen) {
  // Each opens as a container but holds no sound: converting it would write
  // an empty or silent file and call it a success.
  const TestProgramFolder folder(true, false);
  const EngineSession engine(folder.Path());
  WriteWav16(dir_.File("empty.wav"), 44100, 2, {});
  // A WMA file cut after its header and the head of its data object, before
  // the first packet. The header object's size is at bytes 16-23.
  ASSERT_TRUE(RunFfmpeg({"-i", dir_.File("in.wav"), "-c:a", "wmav2", dir_.File("full.wma")}));
  const std::string wma = ReadFileText(dir_.File("full.wma"));
  const uint64_t headerSize = LoadLe<64>(&wma[16]);
  ASSERT_LT(headerSize + 50, wma.size());
  WriteFileText(dir_.File("header-only.wma"), wma.substr(0, headerSize + 50));

  std::vector<std::string> files = {dir_.File("empty.wav"), dir_.File("header-only.wma")};
  // A WMA file from a real encoder that carries tags and no audio packet.
  const std::string real = SharedMediaFile("real_example.wma");
  if (!real.empty()) files.push_back(real);
  for (const std::string& path : files) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(EngineSource().Open(path, 0));
    // Nor does the container library, the fallback for these kinds.
    if (SourceKindFromPath(path) == KIND_WINDOWS_MEDIA) {
      EXPECT_EQ(OpenSource(path, KIND_WINDOWS_MEDIA, 0, true, ProgramReaders()), nullptr);
    }
  }
  if (real.empty()) GTEST_SKIP() << MissingSharedMedia("real_example.wma");
}

}  // namespace
