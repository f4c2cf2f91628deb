// The AMR and AWB outputs: how AmrWriter cuts PCM into codec frames, the
// mode range of each band, the band, mode and DTX that the options choose,
// and the files read back by parsing their storage format and by ffmpeg.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "app/EngineStartup.h"
#include "app/OutputFormat.h"
#include "codecs/writers/AmrWriter.h"
#include "convert/ConvertRoutines.h"
#include "convert/OutputDescription.h"
#include "source/SourceKind.h"
#include "support/AudioFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// Frame types of the storage format that carry no speech.
constexpr int kNarrowBandSid = 8;
constexpr int kWideBandSid = 9;
constexpr int kNoData = 15;

// An AMR file as its storage format describes it: the band of its magic and
// the frame type of each frame, read from the table-of-contents bytes.
struct AmrFile {
  bool ok = false;
  bool wideBand = false;
  std::vector<int> frameTypes;

  bool HasComfortNoise() const {
    for (const int type : frameTypes)
      if (type == kNarrowBandSid || (wideBand && type == kWideBandSid) || type == kNoData)
        return true;
    return false;
  }
};

// Bytes of speech data after the table-of-contents byte, by frame type;
// -1 for types an encoder does not write.
constexpr int kNarrowBandBytes[16] = {12, 13, 15, 17, 19, 20, 26, 31, 5, -1, -1, -1, -1, -1, -1, 0};
constexpr int kWideBandBytes[16] = {17, 23, 32, 36, 40, 46, 50, 58, 60, 5, -1, -1, -1, -1, 0, 0};

// `ok` only when the magic is known and the frames fill the file exactly,
// each with a table-of-contents byte whose follow bit and padding are 0.
AmrFile ParseAmr(const std::string& path) {
  AmrFile parsed;
  const std::string bytes = ReadFileText(path);
  size_t at = 0;
  const int* sizes = nullptr;
  if (bytes.compare(0, 6, "#!AMR\n") == 0) {
    at = 6;
    sizes = kNarrowBandBytes;
  } else if (bytes.compare(0, 9, "#!AMR-WB\n") == 0) {
    at = 9;
    sizes = kWideBandBytes;
    parsed.wideBand = true;
  } else {
    return parsed;
  }
  while (at < bytes.size()) {
    const auto toc = static_cast<uint8_t>(bytes[at]);
    const int type = (toc >> 3) & 0x0F;
    if ((toc & 0x83) != 0 || sizes[type] < 0) return parsed;
    at += 1 + static_cast<size_t>(sizes[type]);
    parsed.frameTypes.push_back(type);
  }
  parsed.ok = at == bytes.size();
  return parsed;
}

// The power of `frequency` in `samples` at `rate` (Goertzel), per sample.
double TonePower(const std::vector<int16_t>& samples, size_t from, size_t to, int rate,
                 double frequency) {
  const double k = 2 * std::cos(2 * M_PI * frequency / rate);
  double s1 = 0, s2 = 0;
  for (size_t i = from; i < to; ++i) {
    const double s = samples[i] + k * s1 - s2;
    s2 = s1;
    s1 = s;
  }
  return (s1 * s1 + s2 * s2 - k * s1 * s2) / static_cast<double>(to - from);
}

double RmsDb(const std::vector<int16_t>& samples, size_t from, size_t to) {
  double sum = 0;
  for (size_t i = from; i < to; ++i) sum += static_cast<double>(samples[i]) * samples[i];
  return 20 * std::log10(std::sqrt(sum / static_cast<double>(to - from)) / 32767);
}

// Writes `signal` to `writer` in blocks of the given sizes.
void WriteBlocks(AmrWriter& writer, const std::vector<int16_t>& signal,
                 const std::vector<int>& blocks) {
  size_t at = 0;
  for (const int count : blocks) {
    ASSERT_TRUE(writer.WriteBlock16(signal.data() + at, nullptr, count));
    at += static_cast<size_t>(count);
  }
}

// ---------------------------------------------------------------------------
// AmrWriter: frames and pending samples.

struct PendingRow {
  const char* name;
  bool narrowBand;
  std::vector<int> blocks;
  int64_t framesBeforeClose;
  int pending;
  size_t framesInFile;
};

std::ostream& operator<<(std::ostream& out, const PendingRow& row) {
  return out << row.name;
}

class AmrWriterPendingTest : public ::testing::TestWithParam<PendingRow> {};

// The file the blocks make holds as many frames as the samples fill, the
// last one padded. In wide band it holds exactly the frames that the same
// samples, zero-padded to whole frames by hand and written in one block,
// make: the frames are cut in order at the band's frame size and the last
// one is filled with silence. (The narrow-band library's first frames vary
// between encoder instances, so its bytes cannot be compared.)
TEST_P(AmrWriterPendingTest, FramesAreCutAtTheBandsFrameSize) {
  const PendingRow& row = GetParam();
  const int rate = row.narrowBand ? 8000 : 16000;
  const int frame = row.narrowBand ? 160 : 320;
  const WriterFormat format{static_cast<uint32_t>(rate), 1, 16};
  int total = 0;
  for (const int count : row.blocks) total += count;
  std::vector<int16_t> signal = SineWave(total, 1, rate, 1500, 0.5);

  TempDir dir;
  AmrWriter writer(AmrSettings{row.narrowBand, 7, false});
  ASSERT_TRUE(writer.Open(dir.File("blocks.amr"), format));
  WriteBlocks(writer, signal, row.blocks);
  EXPECT_EQ(writer.FramesEncoded(), row.framesBeforeClose);
  EXPECT_EQ(writer.PendingSamples(), row.pending);
  ASSERT_TRUE(writer.Close());

  signal.resize((static_cast<size_t>(total) + frame - 1) / frame * frame, 0);
  AmrWriter whole(AmrSettings{row.narrowBand, 7, false});
  ASSERT_TRUE(whole.Open(dir.File("whole.amr"), format));
  ASSERT_TRUE(whole.WriteBlock16(signal.data(), nullptr, static_cast<int>(signal.size())));
  EXPECT_EQ(whole.PendingSamples(), 0);
  ASSERT_TRUE(whole.Close());

  const AmrFile parsed = ParseAmr(dir.File("blocks.amr"));
  ASSERT_TRUE(parsed.ok);
  EXPECT_EQ(parsed.wideBand, !row.narrowBand);
  EXPECT_EQ(parsed.frameTypes.size(), row.framesInFile);
  EXPECT_EQ(ParseAmr(dir.File("whole.amr")).frameTypes.size(), row.framesInFile);
  if (!row.narrowBand) {
    EXPECT_EQ(ReadFileText(dir.File("blocks.amr")), ReadFileText(dir.File("whole.amr")));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, AmrWriterPendingTest,
    ::testing::Values(
        // 100 samples wait; the next 100 complete one frame and leave 40,
        // which close as one frame of 40 samples and 120 zeros.
        PendingRow{"NarrowHundredThenHundred", true, {100, 100}, 1, 40, 2},
        PendingRow{"NarrowTwoWholeFrames", true, {320}, 2, 0, 2},
        // Nothing pending: Close encodes nothing more.
        PendingRow{"NarrowOneFrameClosesAsIs", true, {160}, 1, 0, 1},
        PendingRow{"NarrowPendingAndWholeFrames", true, {150, 500, 3, 1}, 4, 14, 5},
        PendingRow{"WideHundredThenHundred", false, {100, 100}, 0, 200, 1},
        PendingRow{"WideCloseWithFortyPending", false, {300, 60}, 1, 40, 2},
        PendingRow{"WideOneFrameClosesAsIs", false, {320}, 1, 0, 1},
        PendingRow{"WideUnevenBlocks", false, {1000, 7, 333, 320}, 5, 60, 6}),
    [](const ::testing::TestParamInfo<PendingRow>& row) { return std::string(row.param.name); });

// Every mode of a band reaches the encoder (each frame's type is the mode);
// modes outside the band's range are refused before any file is made.
TEST(AmrWriterTest, ModesOfEachBand) {
  TempDir dir;
  for (const bool narrowBand : {true, false}) {
    const int maxMode = narrowBand ? 7 : 8;
    const uint32_t rate = narrowBand ? 8000 : 16000;
    const std::vector<int16_t> signal = SineWave(static_cast<int>(rate) / 5, 1, rate, 1500, 0.5);
    for (int mode = -1; mode <= maxMode + 1; ++mode) {
      SCOPED_TRACE(testing::Message()
                   << (narrowBand ? "narrow" : "wide") << " band, mode " << mode);
      const std::string path = dir.File("mode" + std::to_string(mode) + ".amr");
      AmrWriter writer(AmrSettings{narrowBand, mode, false});
      if (mode < 0 || mode > maxMode) {
        EXPECT_FALSE(writer.Open(path, WriterFormat{rate, 1, 16}));
        EXPECT_FALSE(fs::exists(path));
        continue;
      }
      ASSERT_TRUE(writer.Open(path, WriterFormat{rate, 1, 16}));
      ASSERT_TRUE(writer.WriteBlock16(signal.data(), nullptr, static_cast<int>(signal.size())));
      ASSERT_TRUE(writer.Close());
      const AmrFile parsed = ParseAmr(path);
      ASSERT_TRUE(parsed.ok);
      EXPECT_EQ(parsed.frameTypes, std::vector<int>(10, mode));
    }
  }
}

TEST(AmrWriterTest, TheRateOfTheOtherBandIsRefused) {
  TempDir dir;
  EXPECT_FALSE(AmrWriter(AmrSettings{true, 4, false}).Open(dir.File("a.amr"), {16000, 1, 16}));
  EXPECT_FALSE(AmrWriter(AmrSettings{false, 4, false}).Open(dir.File("a.awb"), {8000, 1, 16}));
  EXPECT_FALSE(fs::exists(dir.File("a.amr")));
  EXPECT_FALSE(fs::exists(dir.File("a.awb")));
}

TEST(AmrWriterTest, AFileThatReceivedNoSampleIsNoSuccess) {
  TempDir dir;
  AmrWriter writer(AmrSettings{true, 4, false});
  ASSERT_TRUE(writer.Open(dir.File("empty.amr"), {8000, 1, 16}));
  EXPECT_FALSE(writer.Close());
}

// A write that fails halfway (a full disk) fails the blocks from then on and
// Close, so the caller removes the file.
TEST(AmrWriterTest, AFullDiskFailsTheBlocksAndClose) {
  TempDir dir;
  const std::vector<int16_t> signal = SineWave(16000 * 10, 1, 16000, 1500, 0.5);
  AmrWriter writer(AmrSettings{false, 8, false});
  bool failed = false;
  {
    FileSizeLimit limit(5000);
    ASSERT_TRUE(limit.Active());
    ASSERT_TRUE(writer.Open(dir.File("full.awb"), {16000, 1, 16}));
    for (size_t at = 0; at < signal.size() && !failed; at += 1000)
      failed = !writer.WriteBlock16(signal.data() + at, nullptr, 1000);
    EXPECT_FALSE(writer.Close());
  }
  EXPECT_TRUE(failed);
}

// ---------------------------------------------------------------------------
// The AMR and AWB routines.

struct OptionsRow {
  const char* name;
  uint32_t format;
  uint32_t amrType, amrDTX, awbDTX;
  bool narrowBand;
  int mode;  // the frame type of every speech frame
  bool comfortNoise;
};

std::ostream& operator<<(std::ostream& out, const OptionsRow& row) {
  return out << row.name;
}

class ConvertToAmrTest : public ::testing::TestWithParam<OptionsRow> {
 protected:
  ConvertToAmrTest() : folder_(false, false), engine_(folder_.Path()) {
    settings_.amrMode = 7;
    settings_.amrWBMode = 1;
    settings_.awbMode = 3;
  }

  bool Convert(uint32_t format, const std::string& source, const std::string& output) {
    settings_.outputFormat = format;
    const ConversionContext context{settings_, progress_, 1};
    const ConvertRoutine routine = RoutineFor(format);
    return routine && routine(SourceKindFromPath(source), source, output, context);
  }

  TestProgramFolder folder_;
  EngineSession engine_;
  TempDir dir_;
  ConvertSettings settings_;
  RecordingProgress progress_;
};

// Two seconds of mono CD audio, a tone at 0.8 of full scale for 1.5 s and
// then silence, converted under the row's options.
TEST_P(ConvertToAmrTest, OptionsChooseBandModeAndDtx) {
  const OptionsRow& row = GetParam();
  settings_.amrType = row.amrType;
  settings_.amrDTX = row.amrDTX;
  settings_.awbDTX = row.awbDTX;
  std::vector<int16_t> source = SineWave(88200, 1, 44100, 1500, 0.8);
  std::fill(source.begin() + 66150, source.end(), 0);
  WriteWav16(dir_.File("tone.wav"), 44100, 1, source);
  const std::string out = dir_.File(std::string("out.") + OutputExtension(row.format));
  ASSERT_TRUE(Convert(row.format, dir_.File("tone.wav"), out));

  const int rate = row.narrowBand ? 8000 : 16000;
  const OutputDescription& output = row.format == FORMAT_AWB ? AwbOutput() : AmrOutput();
  EXPECT_EQ(output.renderRate(settings_), static_cast<uint32_t>(rate)) << "MIDI renders at it";

  const AmrFile parsed = ParseAmr(out);
  ASSERT_TRUE(parsed.ok);
  EXPECT_EQ(parsed.wideBand, !row.narrowBand);
  EXPECT_EQ(parsed.frameTypes.size(), 100u) << "2 s of 20 ms frames";
  EXPECT_EQ(parsed.HasComfortNoise(), row.comfortNoise);
  for (size_t i = 0; i < 70; ++i) EXPECT_EQ(parsed.frameTypes[i], row.mode) << "frame " << i;

  EXPECT_EQ(ProbeStreamField(out, "codec_name"), row.narrowBand ? "amr_nb" : "amr_wb");
  EXPECT_EQ(ProbeStreamField(out, "sample_rate"), std::to_string(rate));
  EXPECT_EQ(ProbeStreamField(out, "channels"), "1");
  const Decoded decoded = DecodeWithFfmpeg(out);
  ASSERT_TRUE(decoded.ok);
  ASSERT_GE(decoded.samples.size(), static_cast<size_t>(rate * 3 / 2));
  // A tone in the speech band keeps its level within 2 dB.
  const double expected = 20 * std::log10(0.8 / std::sqrt(2.0));
  EXPECT_NEAR(RmsDb(decoded.samples, rate / 2, rate * 7 / 5), expected, 2.0);
}

INSTANTIATE_TEST_SUITE_P(
    Options, ConvertToAmrTest,
    ::testing::Values(OptionsRow{"AmrNarrowBand", FORMAT_AMR, 0, 0, 1, true, 7, false},
                      OptionsRow{"AmrNarrowBandDtx", FORMAT_AMR, 0, 1, 0, true, 7, true},
                      OptionsRow{"AmrWideBand", FORMAT_AMR, 1, 0, 1, false, 1, false},
                      OptionsRow{"AmrWideBandDtx", FORMAT_AMR, 1, 1, 0, false, 1, true},
                      OptionsRow{"Awb", FORMAT_AWB, 0, 1, 0, false, 3, false},
                      OptionsRow{"AwbDtx", FORMAT_AWB, 1, 0, 1, false, 3, true}),
    [](const ::testing::TestParamInfo<OptionsRow>& row) { return std::string(row.param.name); });

// A stereo source with the left channel at 1500 Hz and the right one at 500
// Hz: MonoType 1 carries the left tone, 2 the right one, 0 both.
TEST_F(ConvertToAmrTest, MonoTypeChoosesTheChannel) {
  const std::vector<int16_t> left = SineWave(44100, 1, 44100, 1500, 0.4);
  const std::vector<int16_t> right = SineWave(44100, 1, 44100, 500, 0.4);
  std::vector<int16_t> stereo;
  for (size_t i = 0; i < left.size(); ++i) stereo.insert(stereo.end(), {left[i], right[i]});
  WriteWav16(dir_.File("lr.wav"), 44100, 2, stereo);
  for (const uint32_t format : {FORMAT_AMR, FORMAT_AWB}) {
    for (const uint32_t monoType : {MONO_LEFT, MONO_RIGHT, MONO_AVERAGE}) {
      SCOPED_TRACE(testing::Message() << "format " << format << ", MonoType " << monoType);
      settings_.monoType = monoType;
      const std::string out =
          dir_.File("lr" + std::to_string(monoType) + "." + OutputExtension(format));
      ASSERT_TRUE(Convert(format, dir_.File("lr.wav"), out));
      const Decoded decoded = DecodeWithFfmpeg(out);
      ASSERT_TRUE(decoded.ok);
      const size_t from = static_cast<size_t>(decoded.rate) / 4;
      const size_t to = static_cast<size_t>(decoded.rate) * 9 / 10;
      ASSERT_GE(decoded.samples.size(), to);
      const double high = TonePower(decoded.samples, from, to, decoded.rate, 1500);
      const double low = TonePower(decoded.samples, from, to, decoded.rate, 500);
      if (monoType == MONO_LEFT) {
        EXPECT_GT(high, 100 * low);
      } else if (monoType == MONO_RIGHT) {
        EXPECT_GT(low, 100 * high);
      } else {
        EXPECT_LT(high, 10 * low);
        EXPECT_LT(low, 10 * high);
      }
    }
  }
}

}  // namespace
