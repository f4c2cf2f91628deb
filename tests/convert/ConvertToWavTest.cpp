// The WAV output in automatic and custom mode, on real files, with the
// output read back by ffprobe and ffmpeg.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "app/EngineStartup.h"
#include "convert/ConvertRoutines.h"
#include "source/SourceKind.h"
#include "support/AudioFixtures.h"
#include "support/MidiFixtures.h"
#include "support/ModuleFixtures.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class ConvertToWavTest : public ::testing::Test {
 protected:
  ConvertToWavTest() : folder_(false, false), engine_(folder_.Path()) {}

  bool Convert(const std::string& source, const std::string& output, int sequence = 1) {
    const ConversionContext context{settings_, progress_, sequence};
    return ConvertToWav(SourceKindFromPath(source), source, output, context);
  }

  TestProgramFolder folder_;
  EngineSession engine_;
  TempDir dir_;
  ConvertSettings settings_;
  RecordingProgress progress_;
};

struct WavCase {
  uint32_t automatic, rate, bits, channels, monoType;
  int expectRate, expectBits, expectChannels;
};

TEST_F(ConvertToWavTest, TargetFormatInAutomaticAndCustomMode) {
  const std::string stereo = dir_.File("stereo.wav");
  WriteWav16(stereo, 44100, 2, SineWave(44100, 2, 44100, 440));  // one second
  const WavCase cases[] = {
      {1, 8000, 8, 1, 0, 44100, 16, 2},   // automatic: the source's format
      {0, 8000, 16, 2, 0, 8000, 16, 2},
      {0, 22050, 8, 1, 0, 22050, 8, 1},
      {0, 48000, 16, 1, 1, 48000, 16, 1},
      {0, 44100, 16, 1, 2, 44100, 16, 1},
      {0, 0, 0, 0, 0, 44100, 16, 2},     // "same as the source" everywhere
      {0, 48000, 8, 2, 0, 48000, 8, 2},
  };
  int n = 0;
  for (const WavCase& c : cases) {
    settings_.autoDestWAVEncodingParam = c.automatic;
    settings_.wavSampleRate = c.rate;
    settings_.wavBitsPerSample = c.bits;
    settings_.wavChannelNum = c.channels;
    settings_.monoType = c.monoType;
    const std::string out = dir_.File("out" + std::to_string(n++) + ".wav");
    ASSERT_TRUE(Convert(stereo, out)) << out;
    EXPECT_EQ(ProbeStreamField(out, "sample_rate"), std::to_string(c.expectRate)) << out;
    EXPECT_EQ(ProbeStreamField(out, "channels"), std::to_string(c.expectChannels)) << out;
    EXPECT_EQ(ProbeStreamField(out, "bits_per_sample"), std::to_string(c.expectBits)) << out;
    const double duration = std::stod(ProbeStreamField(out, "duration"));
    EXPECT_NEAR(duration, 1.0, 1152.0 / c.expectRate) << out;
  }
}

TEST_F(ConvertToWavTest, EightBitAndSixChannelSources) {
  std::vector<uint8_t> eight(11025);
  for (size_t i = 0; i < eight.size(); ++i)
    eight[i] = static_cast<uint8_t>(128 + std::lround(100 * std::sin(i * 0.05)));
  const std::string eightPath = dir_.File("eight.wav");
  WriteWav8(eightPath, 11025, 1, eight);
  ASSERT_TRUE(Convert(eightPath, dir_.File("eight-out.wav")));
  EXPECT_EQ(ProbeStreamField(dir_.File("eight-out.wav"), "bits_per_sample"), "8");
  EXPECT_EQ(ReadFileText(dir_.File("eight-out.wav")).substr(44),
            std::string(eight.begin(), eight.end()));

  settings_.autoDestWAVEncodingParam = 0;
  settings_.wavSampleRate = 44100;
  settings_.wavBitsPerSample = 16;
  settings_.wavChannelNum = 2;
  ASSERT_TRUE(Convert(eightPath, dir_.File("eight-16.wav")));
  const Decoded widened = DecodeWithFfmpeg(dir_.File("eight-16.wav"));
  EXPECT_EQ(widened.channels, 2);
  EXPECT_NEAR(static_cast<double>(widened.Frames()), 44100.0, 1152);

  const std::vector<int16_t> six = SineWave(4800, 6, 48000, 300);
  const std::string sixPath = dir_.File("six.wav");
  WriteWav16(sixPath, 48000, 6, six);
  settings_.autoDestWAVEncodingParam = 1;
  ASSERT_TRUE(Convert(sixPath, dir_.File("six-out.wav")));
  const Decoded two = DecodeWithFfmpeg(dir_.File("six-out.wav"));
  ASSERT_EQ(two.channels, 2);
  ASSERT_EQ(two.Frames(), 4800);
  for (size_t i = 0; i < 4800; i += 50) {
    EXPECT_EQ(two.samples[2 * i], six[6 * i]);
    EXPECT_EQ(two.samples[2 * i + 1], six[6 * i + 1]);
  }
}

TEST_F(ConvertToWavTest, NothingOfTheResampledTailIsLost) {
  const std::string source = dir_.File("quiet.wav");
  WriteWav16(source, 22050, 1, SineWave(22050 * 2, 1, 22050, 200, 0.25));
  settings_.autoDestWAVEncodingParam = 0;
  settings_.wavSampleRate = 44100;
  ASSERT_TRUE(Convert(source, dir_.File("up.wav")));
  // Nothing of the tail is lost: two seconds at the new rate, to the sample.
  EXPECT_NEAR(static_cast<double>(DecodeWithFfmpeg(dir_.File("up.wav")).Frames()), 88200.0, 1.0);
}

TEST(ConvertToWavFamiliesTest, CompressedMidiAndModuleSourcesInAutomaticMode) {
  const TestProgramFolder folder(true, true);
  const EngineSession engine(folder.Path());
  TempDir dir;
  ConvertSettings settings;
  RecordingProgress progress;
  const ConversionContext context{settings, progress, 1};
  WriteWav16(dir.File("in.wav"), 48000, 2, SineWave(48000 * 2, 2, 48000, 440));
  for (const char* name : {"a.mp3", "a.ogg", "a.flac"})
    ASSERT_TRUE(RunFfmpeg({"-i", dir.File("in.wav"), dir.File(name)}));
  WriteFileText(dir.File("song.mid"), OneNoteSong(500000, 4));  // two seconds and the tail
  WriteFileText(dir.File("tune.mod"), ProTrackerModuleBytes(ModuleSong{32, 6, 125}));

  const struct {
    const char* name;
    const char* rate;
    double seconds;
  } cases[] = {{"a.mp3", "48000", 2.0}, {"a.ogg", "48000", 2.0}, {"a.flac", "48000", 2.0},
               {"song.mid", "44100", 3.0}, {"tune.mod", "44100", 3.84}};
  for (const auto& c : cases) {
    const std::string source = dir.File(c.name);
    const std::string out = source + ".wav";
    ASSERT_TRUE(ConvertToWav(SourceKindFromPath(source), source, out, context)) << c.name;
    EXPECT_EQ(ProbeStreamField(out, "sample_rate"), c.rate) << c.name;
    EXPECT_EQ(ProbeStreamField(out, "channels"), "2") << c.name;
    EXPECT_NEAR(std::stod(ProbeStreamField(out, "duration")), c.seconds, 0.05) << c.name;
  }
}

TEST_F(ConvertToWavTest, ABitDepthTheWriterDoesNotTakeFailsAtOnce) {
  const std::string source = dir_.File("a.wav");
  WriteWav16(source, 44100, 2, SineWave(44100, 2, 44100, 440));
  settings_.autoDestWAVEncodingParam = 0;
  settings_.wavBitsPerSample = 24;
  EXPECT_FALSE(Convert(source, dir_.File("deep.wav")));
  EXPECT_FALSE(fs::exists(dir_.File("deep.wav")));
  EXPECT_EQ(progress_.pumps, 0) << "no block was read";
}

}  // namespace
