// The FLAC output against the reference decoder: `flac -d` gives back the
// very PCM the conversion delivered (the PCM its WAV output holds), `flac -t`
// passes, and the stream carries its MD5 signature, its tag (any script, as
// metaflac reads it) and a seek table whose unreached points are
// placeholders.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/EngineStartup.h"
#include "app/OutputFormat.h"
#include "codecs/writers/FlacWriter.h"
#include "convert/ConvertRoutines.h"
#include "source/SourceKind.h"
#include "support/AudioFixtures.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

struct FlacSourceRow {
  const char* name;
  const char* codec;  // the WAV source's sample format, as ffmpeg names it
  const char* layout;
  int rate;
  int level;
};

std::ostream& operator<<(std::ostream& out, const FlacSourceRow& row) {
  return out << row.name;
}

class ConvertToFlacTest : public ::testing::TestWithParam<FlacSourceRow> {
 protected:
  ConvertToFlacTest() : folder_(false, false), engine_(folder_.Path()) {}

  bool Convert(uint32_t format, const std::string& source, const std::string& output) {
    settings_.outputFormat = format;
    const ConversionContext context{settings_, progress_, 1};
    const ConvertRoutine routine = RoutineFor(format);
    return routine && routine(SourceKindFromPath(source), source, output, context);
  }
  // Five and a half seconds of two tones at the row's depth, rate and
  // channels, made by ffmpeg.
  std::string Source() {
    const FlacSourceRow& row = GetParam();
    const std::string path = dir_.File("source.wav");
    const std::string rate = std::to_string(row.rate);
    return MadePath(RunFfmpeg({"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=" + rate,
                               "-f", "lavfi", "-i", "sine=frequency=1234:sample_rate=" + rate,
                               "-filter_complex", "[0][1]amerge,volume=0.7", "-t", "5.5", "-ac",
                               row.layout[0] == 'm' ? "1" : "2", "-c:a", row.codec, path}),
                    path);
  }

  TestProgramFolder folder_;
  EngineSession engine_;
  TempDir dir_;
  ConvertSettings settings_;
  RecordingProgress progress_;
};

TEST_P(ConvertToFlacTest, TheReferenceDecoderGivesBackTheConvertedPcm) {
  const std::string source = Source();
  ASSERT_FALSE(source.empty());
  settings_.flacCompressionLevel = static_cast<uint32_t>(GetParam().level);
  settings_.flacTagType = TAG_FROM_PRESET;
  settings_.flacTag.titleAsFileName = 0;
  settings_.flacTag.title = "東京 🎵 Dvořák";
  const std::string flac = dir_.File("out.flac");
  const std::string wav = dir_.File("out.wav");
  ASSERT_TRUE(Convert(FORMAT_FLAC, source, flac));
  ASSERT_TRUE(Convert(FORMAT_WAV, source, wav));

  EXPECT_TRUE(Succeeded(RunProcess("flac", {"-t", "-s", flac})));
  const std::string decoded = dir_.File("decoded.wav");
  ASSERT_TRUE(Succeeded(RunProcess("flac", {"-d", "-s", "-o", decoded, flac})));
  const Decoded expected = DecodeWithFfmpeg(wav);
  const Decoded actual = DecodeWithFfmpeg(decoded);
  ASSERT_TRUE(expected.ok && actual.ok);
  EXPECT_EQ(actual.rate, GetParam().rate);
  EXPECT_EQ(actual.channels, expected.channels);
  EXPECT_EQ(actual.Frames(), static_cast<int64_t>(GetParam().rate * 5.5));
  EXPECT_TRUE(actual.samples == expected.samples) << "the decoded PCM differs";

  // The MD5 signature of the audio is filled in (flac -t checked it).
  const ProcessResult md5 = RunProcess("metaflac", {"--show-md5sum", flac});
  ASSERT_TRUE(Succeeded(md5));
  EXPECT_NE(md5.out, std::string(32, '0') + "\n");
  const ProcessResult title = RunProcess("metaflac", {"--show-tag=TITLE", flac});
  EXPECT_EQ(title.out, "TITLE=東京 🎵 Dvořák\n");
}

// A stream shorter than the source announced: the seek points it did not
// reach are placeholders, not points that send a reader to the first frame.
TEST(FlacSeekTableTest, PointsPastTheEndBecomePlaceholders) {
  TempDir dir;
  const std::string path = dir.File("short.flac");
  FlacWriter writer(FlacSettings{5, {}, 8000 * 60});
  ASSERT_TRUE(writer.Open(path, WriterFormat{8000, 1, 16}));
  const std::vector<int16_t> tone = SineWave(8000 * 25, 1, 8000, 300);
  for (size_t at = 0; at < tone.size(); at += 4000)
    ASSERT_TRUE(writer.WriteBlock16(&tone[at], nullptr, 4000));
  ASSERT_TRUE(writer.Close());
  const ProcessResult table = RunProcess("metaflac", {"--list", "--block-type=SEEKTABLE", path});
  ASSERT_TRUE(Succeeded(table));
  // Points at 0, 10 and 20 s (at the frames that hold them), then the rest.
  for (const char* point : {"point 0: sample_number=0,", "point 1: sample_number=77824,",
                            "point 2: sample_number=159744,", "point 3: PLACEHOLDER"})
    EXPECT_NE(table.out.find(point), std::string::npos) << point << "\n" << table.out;
  EXPECT_TRUE(Succeeded(RunProcess("flac", {"-t", "-s", path})));
}

INSTANTIATE_TEST_SUITE_P(
    Depths, ConvertToFlacTest,
    ::testing::Values(FlacSourceRow{"Stereo16", "pcm_s16le", "stereo", 44100, 5},
                      FlacSourceRow{"Stereo24", "pcm_s24le", "stereo", 48000, 8},
                      FlacSourceRow{"Mono24Fastest", "pcm_s24le", "mono", 96000, 0},
                      FlacSourceRow{"Mono8", "pcm_u8", "mono", 22050, 5}),
    [](const ::testing::TestParamInfo<FlacSourceRow>& row) { return std::string(row.param.name); });

}  // namespace
