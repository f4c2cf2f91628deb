// The per-file routine that every output format shares, one row per format
// through the same cases: the channel of a mono output, 8-bit sources,
// amplification, a full disk, Cancel, and sources or outputs that cannot be
// opened. Outputs are read back by ffmpeg: sample for sample for lossless
// formats, by level for the others.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "app/EngineStartup.h"
#include "convert/ConvertRoutines.h"
#include "app/OutputFormat.h"
#include "source/SourceKind.h"
#include "support/AudioFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

struct FormatRow {
  const char* name;
  uint32_t format;
  bool lossless;
  // Options for a one-channel output at 44100 Hz, 16-bit where the format
  // has a choice (none for an always-mono format); null for a format that
  // always keeps the source's channels.
  void (*monoOutput)(ConvertSettings& settings);
  uint32_t ConvertSettings::*amplify;
  uint32_t ConvertSettings::*amplifyCoeff;
  // How far a lossy decoded level may stray, and how far the ratio of two
  // levels may stray from the gain between them, relative.
  double levelTolerance = 0.08;
  double gainTolerance = 0.01;
  // A file-size limit past the format's header, well short of the output
  // of three seconds of a sine.
  uint64_t fullDiskLimit = 8000;
};

std::ostream& operator<<(std::ostream& out, const FormatRow& row) {
  return out << row.name;
}

// The RMS level of one channel, away from the first and last 4096 frames
// (an encoder's delay and its padded tail).
double Level(const Decoded& decoded, int channel = 0) {
  // A quarter second at low rates.
  const int64_t edge = std::min(4096, decoded.rate / 4);
  const int64_t from = edge, to = decoded.Frames() - edge;
  double sum = 0;
  for (int64_t i = from; i < to; ++i) {
    const double s = decoded.samples[static_cast<size_t>(i * decoded.channels + channel)];
    sum += s * s;
  }
  return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0;
}

// The RMS level of a sine of `amplitude` (1 is full scale).
double SineLevel(double amplitude) {
  return amplitude * 32767 / std::sqrt(2.0);
}

// How far a decoded level may stray: a lossy codec shifts it by a few
// percent (LAME about -0.4 dB at 1 kHz, as its own command line shows).
double LevelTolerance(const FormatRow& row, double level) {
  return (row.lossless ? 0.01 : row.levelTolerance) * level;
}

class ConvertFileTest : public ::testing::TestWithParam<FormatRow> {
 protected:
  ConvertFileTest() : folder_(false, false), engine_(folder_.Path()) {
    settings_.outputFormat = GetParam().format;
  }

  bool Convert(const std::string& source, const std::string& output) {
    const ConversionContext context{settings_, progress_, 1};
    const ConvertRoutine routine = RoutineFor(GetParam().format);
    return routine && routine(SourceKindFromPath(source), source, output, context);
  }
  std::string Output(const std::string& name) const {
    return dir_.File(name + "." + OutputExtension(GetParam().format));
  }
  // Three seconds of a stereo CD-quality sine: 529 kB as WAV.
  std::string StereoSource() {
    const std::string path = dir_.File("stereo.wav");
    WriteWav16(path, 44100, 2, SineWave(44100 * 3, 2, 44100, 440));
    return path;
  }
  // The output decoded, with the channel count and length every case
  // expects: the source's length, to the sample for lossless formats.
  Decoded DecodeOutput(const std::string& path, int channels, double seconds) {
    const Decoded decoded = DecodeWithFfmpeg(path);
    EXPECT_TRUE(decoded.ok) << path;
    EXPECT_EQ(decoded.channels, channels) << path;
    const double frames = seconds * decoded.rate;
    EXPECT_NEAR(static_cast<double>(decoded.Frames()), frames, GetParam().lossless ? 0 : 4 * 1152)
        << path;
    return decoded;
  }

  TestProgramFolder folder_;
  EngineSession engine_;
  TempDir dir_;
  ConvertSettings settings_;
  RecordingProgress progress_;
};

TEST_P(ConvertFileTest, MonoTypeChoosesWhatAMonoOutputCarries) {
  // The left channel loud, the right one quiet, in phase: each choice has
  // its own level.
  const std::vector<int16_t> left = SineWave(44100, 1, 44100, 1000, 0.8);
  const std::vector<int16_t> right = SineWave(44100, 1, 44100, 1000, 0.2);
  std::vector<int16_t> stereo;
  for (size_t i = 0; i < left.size(); ++i) stereo.insert(stereo.end(), {left[i], right[i]});
  const std::string source = dir_.File("lr.wav");
  WriteWav16(source, 44100, 2, stereo);
  if (!GetParam().monoOutput) {
    // MonoType does not apply: both channels go on as they are.
    for (const uint32_t monoType : {MONO_LEFT, MONO_RIGHT, MONO_AVERAGE}) {
      SCOPED_TRACE(testing::Message() << "MonoType " << monoType);
      settings_.monoType = monoType;
      const std::string out = Output("stereo" + std::to_string(monoType));
      ASSERT_TRUE(Convert(source, out));
      const Decoded decoded = DecodeOutput(out, 2, 1.0);
      EXPECT_NEAR(Level(decoded, 0), SineLevel(0.8), LevelTolerance(GetParam(), SineLevel(0.8)));
      EXPECT_NEAR(Level(decoded, 1), SineLevel(0.2), LevelTolerance(GetParam(), SineLevel(0.2)));
    }
    return;
  }
  GetParam().monoOutput(settings_);

  const struct {
    uint32_t monoType;
    double amplitude;
  } cases[] = {{MONO_LEFT, 0.8}, {MONO_RIGHT, 0.2}, {MONO_AVERAGE, 0.5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "MonoType " << c.monoType);
    settings_.monoType = c.monoType;
    const std::string out = Output("mono" + std::to_string(c.monoType));
    ASSERT_TRUE(Convert(source, out));
    const Decoded decoded = DecodeOutput(out, 1, 1.0);
    EXPECT_NEAR(Level(decoded), SineLevel(c.amplitude),
                LevelTolerance(GetParam(), SineLevel(c.amplitude)));
    if (!GetParam().lossless) continue;
    ASSERT_EQ(decoded.samples.size(), left.size());
    size_t mismatches = 0;
    for (size_t i = 0; i < left.size(); ++i) {
      const int expected = c.monoType == MONO_LEFT    ? left[i]
                           : c.monoType == MONO_RIGHT ? right[i]
                                                      : (left[i] + right[i]) >> 1;
      if (decoded.samples[i] != expected) ++mismatches;
    }
    EXPECT_EQ(mismatches, 0u);
  }
}

TEST_P(ConvertFileTest, EightBitSourcesInAutomaticMode) {
  std::vector<uint8_t> eight(22050);
  for (size_t i = 0; i < eight.size(); ++i)
    eight[i] = static_cast<uint8_t>(128 + std::lround(100 * std::sin(2 * M_PI * 500 * i / 22050)));
  const std::string source = dir_.File("eight.wav");
  WriteWav8(source, 22050, 1, eight);
  const std::string out = Output("eight");
  ASSERT_TRUE(Convert(source, out));

  const Decoded decoded = DecodeOutput(out, 1, 1.0);
  const double level = 100 * 256 / std::sqrt(2.0);
  EXPECT_NEAR(Level(decoded), level, LevelTolerance(GetParam(), level));
  if (!GetParam().lossless) return;
  ASSERT_EQ(decoded.samples.size(), eight.size());
  // ffmpeg widens unsigned 8-bit u to (u - 128) * 256.
  size_t mismatches = 0;
  for (size_t i = 0; i < eight.size(); ++i)
    if (decoded.samples[i] != (eight[i] - 128) * 256) ++mismatches;
  EXPECT_EQ(mismatches, 0u);
}

TEST_P(ConvertFileTest, AmplificationFollowsTheFormatsOwnOptions) {
  const std::vector<int16_t> quiet = SineWave(44100, 1, 44100, 300, 0.25);
  const std::string source = dir_.File("quiet.wav");
  WriteWav16(source, 44100, 1, quiet);
  const struct {
    uint32_t amplify, coefficient;
    float factor;
  } cases[] = {{0, 200, 1.0f}, {1, 200, 2.0f}, {1, 50, 0.5f}, {1, 100, 1.0f}};
  double unamplified = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "amplify " << c.amplify << ", " << c.coefficient << "%");
    settings_.*GetParam().amplify = c.amplify;
    settings_.*GetParam().amplifyCoeff = c.coefficient;
    const std::string out =
        Output("amplified" + std::to_string(c.amplify) + "-" + std::to_string(c.coefficient));
    ASSERT_TRUE(Convert(source, out));
    const Decoded decoded = DecodeOutput(out, 1, 1.0);
    const double expected = SineLevel(0.25 * c.factor);
    EXPECT_NEAR(Level(decoded), expected, LevelTolerance(GetParam(), expected));
    // Against the output without gain, the codec's own shift cancels out.
    if (c.amplify == 0) unamplified = Level(decoded);
    EXPECT_NEAR(Level(decoded) / unamplified, c.factor, GetParam().gainTolerance * c.factor);
    if (!GetParam().lossless) continue;
    ASSERT_EQ(decoded.samples.size(), quiet.size());
    size_t mismatches = 0;
    for (size_t i = 0; i < quiet.size(); ++i)
      if (decoded.samples[i] != static_cast<int>(std::trunc(quiet[i] * c.factor))) ++mismatches;
    EXPECT_EQ(mismatches, 0u);
  }
}

TEST_P(ConvertFileTest, AFullDiskFailsTheFileAndLeavesNothing) {
  const std::string source = StereoSource();
  const std::string out = Output("full");
  bool converted = true;
  {
    // Past the headers of every format, well short of its whole output (a
    // Vorbis stream of this sine takes 12 kB).
    FileSizeLimit limit(GetParam().fullDiskLimit);
    ASSERT_TRUE(limit.Active());
    converted = Convert(source, out);
  }
  EXPECT_FALSE(converted);
  EXPECT_FALSE(fs::exists(out));
  EXPECT_EQ(fs::file_size(source), 44u + 44100 * 3 * 4);
}

TEST_P(ConvertFileTest, CancelLeavesNothing) {
  const std::string source = StereoSource();
  const std::string out = Output("cancelled");
  progress_.cancelAtPump = 3;
  EXPECT_FALSE(Convert(source, out));
  EXPECT_FALSE(fs::exists(out));
  EXPECT_EQ(progress_.pumps, 3) << "the loop stops at the first poll that sees Cancel";
  EXPECT_TRUE(fs::exists(source));
}

TEST_P(ConvertFileTest, WhatCannotBeOpenedFailsAndLeavesNothing) {
  WriteFileText(dir_.File("empty.wav"), "");
  WriteFileText(dir_.File("text.wav"), std::string(4000, 'x'));
  WriteWav16(dir_.File("no-frames.wav"), 44100, 2, {});
  for (const char* name : {"missing.wav", "empty.wav", "text.wav", "no-frames.wav"}) {
    SCOPED_TRACE(name);
    const std::string out = Output(name);
    EXPECT_FALSE(Convert(dir_.File(name), out));
    EXPECT_FALSE(fs::exists(out));
  }

  // The output cannot be created.
  const std::string source = StereoSource();
  EXPECT_FALSE(Convert(source, dir_.File("no/such/folder/out")));
  EXPECT_FALSE(fs::exists(dir_.File("no")));
  EXPECT_TRUE(fs::exists(source));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ConvertFileTest,
    ::testing::Values(FormatRow{"Wav", FORMAT_WAV, true,
                                [](ConvertSettings& s) {
                                  s.autoDestWAVEncodingParam = 0;
                                  s.wavSampleRate = 44100;
                                  s.wavBitsPerSample = 16;
                                  s.wavChannelNum = 1;
                                },
                                &ConvertSettings::amplifyWav, &ConvertSettings::amplifyWavCoeff},
                      FormatRow{"Mp3", FORMAT_MP3, false,
                                [](ConvertSettings& s) {
                                  s.autoDestMP3EncodingParam = 0;
                                  s.mp3ChannelMode = 3;
                                  s.mp3SampleRate = 44100;
                                  s.mp3BitRate = 128;
                                },
                                &ConvertSettings::amplifyMp3, &ConvertSettings::amplifyMp3Coeff},
                      FormatRow{"Ogg", FORMAT_OGG, false,
                                [](ConvertSettings& s) {
                                  s.autoDestOGGEncodingParam = 0;
                                  s.oggChannels = 1;
                                  s.oggSampleRate = 44100;
                                  s.oggBitRate = 128;
                                },
                                &ConvertSettings::amplifyOGG, &ConvertSettings::amplifyOGGCoeff},
                      FormatRow{"Aac", FORMAT_AAC, false, nullptr, &ConvertSettings::amplifyAAC,
                                &ConvertSettings::amplifyAACCoef},
                      FormatRow{"M4a", FORMAT_M4A, false, nullptr, &ConvertSettings::amplifyM4A,
                                &ConvertSettings::amplifyM4ACoef},
                      // Always mono. Speech codecs render short, quiet pure
                      // tones up to 4 dB (narrow band) and 5 dB (wide band)
                      // quieter, the quieter the more; 3 s of narrow band at
                      // 7.4 kbit/s is 3 kB.
                      FormatRow{"Amr", FORMAT_AMR, false, [](ConvertSettings&) {},
                                &ConvertSettings::amplifyAMR, &ConvertSettings::amplifyAMRCoef,
                                0.4, 0.25, 1000},
                      FormatRow{"Awb", FORMAT_AWB, false, [](ConvertSettings&) {},
                                &ConvertSettings::amplifyAMR, &ConvertSettings::amplifyAMRCoef,
                                0.5, 0.35, 1000},
                      FormatRow{"Wma", FORMAT_WMA, false,
                                [](ConvertSettings& s) {
                                  s.autoDestWMAEncodingParam = 0;
                                  s.wmaChannels = 1;
                                  s.wmaSampleRate = 44100;
                                  s.wmaBitRate = 64000;
                                },
                                &ConvertSettings::amplifyWMA, &ConvertSettings::amplifyWMACoeff},
                      FormatRow{"Flac", FORMAT_FLAC, true,
                                [](ConvertSettings& s) {
                                  s.autoDestFLACEncodingParam = 0;
                                  s.flacChannels = 1;
                                  s.flacSampleRate = 44100;
                                },
                                &ConvertSettings::amplifyFLAC, &ConvertSettings::amplifyFLACCoeff},
                      // Decoded at 48 kHz, where Opus works.
                      FormatRow{"Opus", FORMAT_OPUS, false,
                                [](ConvertSettings& s) {
                                  s.autoDestOpusEncodingParam = 0;
                                  s.opusChannels = 1;
                                  s.opusBitRate = 96;
                                },
                                &ConvertSettings::amplifyOpus, &ConvertSettings::amplifyOpusCoeff}),
    [](const ::testing::TestParamInfo<FormatRow>& row) { return std::string(row.param.name); });

}  // namespace
