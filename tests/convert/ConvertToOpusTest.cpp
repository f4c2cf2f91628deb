// The Opus output against independent decoders: opusdec and ffmpeg give
// back exactly the source's length and its level within 1 dB, whatever the
// source's rate (the encoder resamples it to 48 kHz), and the tag reads
// back with opusinfo and ffprobe, any script included.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/EngineStartup.h"
#include "app/OutputFormat.h"
#include "convert/ConvertRoutines.h"
#include "source/SourceKind.h"
#include "support/AudioFixtures.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

struct OpusRow {
  const char* name;
  int rate;
  int channels;
  uint32_t mode;  // OpusBitRateMode
};

std::ostream& operator<<(std::ostream& out, const OpusRow& row) {
  return out << row.name;
}

// The RMS level in dB of full scale, away from the first and last tenth.
double LevelDb(const std::vector<int16_t>& samples) {
  const size_t from = samples.size() / 10, to = samples.size() - from;
  double sum = 0;
  for (size_t i = from; i < to; ++i) sum += static_cast<double>(samples[i]) * samples[i];
  return 20 * std::log10(std::sqrt(sum / static_cast<double>(to - from)) / 32768);
}

class ConvertToOpusTest : public ::testing::TestWithParam<OpusRow> {
 protected:
  ConvertToOpusTest() : folder_(false, false), engine_(folder_.Path()) {
    settings_.outputFormat = FORMAT_OPUS;
  }

  bool Convert(const std::string& source, const std::string& output) {
    const ConversionContext context{settings_, progress_, 1};
    const ConvertRoutine routine = RoutineFor(FORMAT_OPUS);
    return routine && routine(SourceKindFromPath(source), source, output, context);
  }

  TestProgramFolder folder_;
  EngineSession engine_;
  TempDir dir_;
  ConvertSettings settings_;
  RecordingProgress progress_;
};

TEST_P(ConvertToOpusTest, DecodersGiveBackTheSourcesLengthAndLevel) {
  const OpusRow& row = GetParam();
  // 2.345 s: no whole number of Opus frames at any of the rows' rates.
  const int frames = row.rate * 2345 / 1000;
  const std::vector<int16_t> signal = SineWave(frames, row.channels, row.rate, 997, 0.4);
  const std::string source = dir_.File("source.wav");
  WriteWav16(source, row.rate, row.channels, signal);
  settings_.opusBitRateMode = row.mode;
  settings_.opusTagType = TAG_FROM_PRESET;
  settings_.opusTag.titleAsFileName = 0;
  settings_.opusTag.title = "東京 🎵 Dvořák";
  const std::string out = dir_.File("out.opus");
  ASSERT_TRUE(Convert(source, out));

  // opusdec writes the source's rate, from the header's record of it.
  const std::string viaOpusdec = dir_.File("opusdec.wav");
  ASSERT_TRUE(Succeeded(RunProcess("opusdec", {"--quiet", "--rate", std::to_string(row.rate),
                                               out, viaOpusdec})));
  const Decoded byOpusdec = DecodeWithFfmpeg(viaOpusdec);
  ASSERT_TRUE(byOpusdec.ok);
  EXPECT_EQ(byOpusdec.Frames(), frames);
  // ffmpeg decodes at 48 kHz: the same length, in 48 kHz samples.
  const Decoded byFfmpeg = DecodeWithFfmpeg(out);
  ASSERT_TRUE(byFfmpeg.ok);
  EXPECT_EQ(byFfmpeg.rate, 48000);
  EXPECT_EQ(byFfmpeg.channels, row.channels);
  EXPECT_NEAR(static_cast<double>(byFfmpeg.Frames()), frames * 48000.0 / row.rate, 1.0);

  const double level = LevelDb(signal);
  EXPECT_NEAR(LevelDb(byOpusdec.samples), level, 1.0);
  EXPECT_NEAR(LevelDb(byFfmpeg.samples), level, 1.0);

  const ProcessResult info = RunProcess("opusinfo", {out});
  ASSERT_TRUE(Succeeded(info));
  EXPECT_NE(info.out.find("TITLE=東京 🎵 Dvořák"), std::string::npos) << info.out;
  const ProcessResult probe = RunProcess(
      "ffprobe", {"-v", "error", "-show_entries", "stream_tags=title", "-of",
                  "default=nw=1:nk=1", out});
  EXPECT_EQ(probe.out, "東京 🎵 Dvořák\n");
}

INSTANTIATE_TEST_SUITE_P(
    Sources, ConvertToOpusTest,
    ::testing::Values(OpusRow{"Stereo44100", 44100, 2, 0}, OpusRow{"Mono48000Constant", 48000, 1, 2},
                      OpusRow{"Stereo22050Constrained", 22050, 2, 1},
                      OpusRow{"Mono96000", 96000, 1, 0}),
    [](const ::testing::TestParamInfo<OpusRow>& row) { return std::string(row.param.name); });

}  // namespace
