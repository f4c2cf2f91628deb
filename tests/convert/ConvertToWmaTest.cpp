// The WMA output: the codec format list and its choice rules, the format
// the options choose, the file as ffprobe reads it (codec, rate, channels,
// bit rate, length, attributes), the level and the tail as ffmpeg decodes
// them, and the batch's check of the runtime.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "app/EngineStartup.h"
#include "app/OutputFormat.h"
#include "app/WebLinks.h"
#include "codecs/readers/ProgramReaders.h"
#include "codecs/writers/WmaWriter.h"
#include "convert/ConversionJob.h"
#include "convert/ConvertRoutines.h"
#include "convert/WmaOutput.h"
#include "platform/wma/WmaFormatList.h"
#include "platform/wma/WmaRuntime.h"
#include "source/SourceKind.h"
#include "source/SourceList.h"
#include "support/AudioFixtures.h"
#include "support/MidiFixtures.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

WmaFormat Format(uint32_t rate, uint32_t channels, uint32_t bitRate,
                 const std::string& description = "", uint16_t tag = kWmaFormatTagV2) {
  WmaFormat format;
  format.wave.formatTag = tag;
  format.wave.channels = static_cast<uint16_t>(channels);
  format.wave.samplesPerSec = rate;
  format.bitRate = bitRate;
  format.description = description;
  return format;
}

std::string FormatTag(const std::string& path, const std::string& key) {
  const ProcessResult result =
      RunProcess("ffprobe", {"-v", "error", "-show_entries", "format_tags=" + key, "-of",
                             "default=noprint_wrappers=1:nokey=1", path});
  EXPECT_TRUE(Succeeded(result));
  std::string value = result.out;
  while (!value.empty() && value.back() == '\n') value.pop_back();
  return value;
}

TEST(WmaFormatListTest, OffersAreListedInOrderWithoutAudioVideoFormatsOrDuplicates) {
  WmaFormatList list;
  const struct {
    WmaFormat format;
    bool listed;
  } offers[] = {
      {Format(44100, 2, 128000), true},
      {Format(22050, 1, 32000), true},
      {Format(44100, 2, 96000), true},
      {Format(44100, 1, 96000), true},
      {Format(44100, 2, 128000, "another name"), false},  // same rate, bit rate, channels
      {Format(48000, 2, 64000, "WMA 64 kbit/s (A/V)"), false},
      {Format(48000, 2, 64000, "wma 64 kbit/s (a/v)"), false},
      {Format(48000, 2, 64000, "wma 64 kbit/s (A/v)"), false},
      {Format(48000, 6, 256000), false},
      {Format(48000, 2, 256000, "", 0x0001), false},
      {Format(48000, 2, 192000, "", kWmaFormatTagV9), true},
      {Format(8000, 1, 24000), true},
  };
  for (const auto& offer : offers) {
    SCOPED_TRACE(offer.format.description + " " + std::to_string(offer.format.bitRate));
    EXPECT_EQ(list.Offer(offer.format), offer.listed);
  }
  std::vector<std::string> order;
  for (const WmaFormat& entry : list.Entries())
    order.push_back(std::to_string(entry.wave.samplesPerSec) + "/" + std::to_string(entry.bitRate) +
                    "/" + std::to_string(entry.wave.channels));
  EXPECT_EQ(order, (std::vector<std::string>{"8000/24000/1", "22050/32000/1", "44100/96000/1",
                                             "44100/96000/2", "44100/128000/2", "48000/192000/2"}));
}

TEST(WmaFormatListTest, FindFormatRules) {
  WmaFormatList list;
  for (const WmaFormat& format :
       {Format(22050, 2, 32000), Format(22050, 2, 48000), Format(32000, 2, 40000),
        Format(32000, 2, 64000), Format(44100, 2, 96000), Format(44100, 2, 128000),
        Format(44100, 1, 48000), Format(48000, 2, 192000)})
    ASSERT_TRUE(list.Offer(format));
  const struct {
    uint32_t rate, bitRate, channels;
    uint32_t foundRate, foundBitRate;  // 0: nothing found
  } rows[] = {
      {44100, 128000, 2, 44100, 128000},  // exact
      {44100, 100000, 2, 44100, 96000},   // nearer to the lower
      {44100, 112000, 2, 44100, 128000},  // a tie goes to the higher
      {44100, 90000, 2, 44100, 96000},    // below every bit rate at the rate
      {44100, 320000, 2, 44100, 128000},  // above every bit rate at the rate
      {24000, 320000, 2, 32000, 40000},   // no such rate: next higher, lowest bit rate
      {11025, 16000, 2, 22050, 32000},
      {96000, 64000, 2, 48000, 192000},  // nothing higher: the last one below
      {44100, 64000, 1, 44100, 48000},   // only entries of that channel count count
      {22050, 32000, 1, 44100, 48000},
      {44100, 128000, 3, 0, 0},  // no such channel count
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.rate << " Hz, " << row.bitRate << " bit/s, "
                                    << row.channels << " channels");
    const WmaFormat* found = list.FindFormat(row.rate, row.bitRate, row.channels);
    if (row.foundRate == 0) {
      EXPECT_EQ(found, nullptr);
      continue;
    }
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->wave.samplesPerSec, row.foundRate);
    EXPECT_EQ(found->bitRate, row.foundBitRate);
    EXPECT_EQ(found->wave.channels, row.channels);
  }
}

TEST(WmaFormatListTest, TheBuiltListHoldsWhatTheEncoderTakes) {
  ASSERT_TRUE(LoadWmaRuntime());
  WmaFormatList list;
  ASSERT_TRUE(list.Build());
  ASSERT_FALSE(list.Entries().empty());
  const WmaFormat* previous = nullptr;
  for (const WmaFormat& entry : list.Entries()) {
    const WmaWaveFormat& wave = entry.wave;
    SCOPED_TRACE(entry.description);
    const double bitsPerSample = entry.bitRate / double(wave.samplesPerSec * wave.channels);
    EXPECT_GE(bitsPerSample, 0.5);
    EXPECT_LE(bitsPerSample, 4.0);
    EXPECT_EQ(wave.formatTag, kWmaFormatTagV2);
    EXPECT_EQ(wave.avgBytesPerSec, entry.bitRate / 8);
    EXPECT_GT(wave.blockAlign, 0);
    EXPECT_FALSE(entry.description.empty());
    if (previous) {
      const WmaWaveFormat& p = previous->wave;
      EXPECT_TRUE(p.samplesPerSec < wave.samplesPerSec ||
                  (p.samplesPerSec == wave.samplesPerSec && previous->bitRate <= entry.bitRate));
    }
    previous = &entry;
  }
  EXPECT_NE(list.FindFormat(44100, 128000, 2)->bitRate, 0u);
  EXPECT_EQ(list.FindFormat(44100, 128000, 2)->description, "128 kbit/s, 44.1 kHz, stereo");
  EXPECT_EQ(list.FindFormat(8000, 24000, 1)->description, "24 kbit/s, 8 kHz, mono");
}

TEST(WmaWriterTest, SampleTimeIsTruncatedPerBlock) {
  EXPECT_EQ(AdvanceSampleTime(0, 1152, 44100), 261224u);
  EXPECT_EQ(AdvanceSampleTime(261224, 1152, 44100), 522448u);
  EXPECT_EQ(AdvanceSampleTime(0, 1152, 48000), 240000u);

  TempDir dir;
  WmaWriter writer(Format(44100, 2, 128000));
  ASSERT_TRUE(writer.Open(dir.File("t.wma"), WriterFormat{44100, 2, 16}));
  const std::vector<int16_t> silence(1152);
  ASSERT_TRUE(writer.WriteBlock16(silence.data(), silence.data(), 1152));
  ASSERT_TRUE(writer.WriteBlock16(silence.data(), silence.data(), 1152));
  EXPECT_EQ(writer.SampleTime(), 522448u);
  EXPECT_TRUE(writer.Close());
}

class ConvertToWmaTest : public ::testing::Test {
 protected:
  ConvertToWmaTest() : folder_(false, false), engine_(folder_.Path()) {
    settings_.outputFormat = FORMAT_WMA;
  }

  bool Convert(const std::string& source, const std::string& output) {
    const ConversionContext context{settings_, progress_, 1};
    return RoutineFor(FORMAT_WMA)(SourceKindFromPath(source), source, output, context);
  }

  TestProgramFolder folder_;
  EngineSession engine_;
  TempDir dir_;
  ConvertSettings settings_;
  RecordingProgress progress_;
};

struct TargetRow {
  const char* name;
  int sourceRate, sourceChannels, sourceBits;
  void (*options)(ConvertSettings& settings);  // null: automatic
  int rate, channels, bitRate;                 // of the output
  // The output's level against the source's: 0 dB, except the average of
  // two channels a quarter turn apart in phase (SineWave), -3 dB.
  double levelDb = 0;
};

std::ostream& operator<<(std::ostream& out, const TargetRow& row) {
  return out << row.name;
}

class WmaTargetTest : public ConvertToWmaTest, public ::testing::WithParamInterface<TargetRow> {};

double Rms(const Decoded& decoded, int channel, int64_t from, int64_t to) {
  double sum = 0;
  for (int64_t i = from; i < to; ++i) {
    const double s = decoded.samples[static_cast<size_t>(i * decoded.channels + channel)];
    sum += s * s;
  }
  return std::sqrt(sum / static_cast<double>(to - from));
}

// The options choose the codec format; the output holds the whole source,
// at its level (a channel mixed down or up keeps it), up to the last
// sample.
TEST_P(WmaTargetTest, OutputHasTheChosenFormatTheLevelAndTheTail) {
  const TargetRow& row = GetParam();
  const int frames = row.sourceRate * 2;
  const std::vector<int16_t> sine = SineWave(frames, row.sourceChannels, row.sourceRate, 300, 0.5);
  const std::string source = dir_.File("source.wav");
  if (row.sourceBits == 8) {
    std::vector<uint8_t> eight;
    for (const int16_t s : sine) eight.push_back(static_cast<uint8_t>((s >> 8) + 128));
    WriteWav8(source, row.sourceRate, row.sourceChannels, eight);
  } else {
    WriteWav16(source, row.sourceRate, row.sourceChannels, sine);
  }
  if (row.options) row.options(settings_);
  const std::string out = dir_.File("out.wma");
  ASSERT_TRUE(Convert(source, out));

  EXPECT_EQ(ProbeStreamField(out, "codec_name"), "wmav2");
  EXPECT_EQ(ProbeStreamField(out, "sample_rate"), std::to_string(row.rate));
  EXPECT_EQ(ProbeStreamField(out, "channels"), std::to_string(row.channels));
  EXPECT_EQ(ProbeStreamField(out, "bit_rate"), std::to_string(row.bitRate));
  // One codec frame: 512 samples up to 16 kHz, 1024 at 22.05 kHz, 2048 above.
  const int codecFrame = row.rate <= 16000 ? 512 : row.rate < 32000 ? 1024 : 2048;
  const double duration = std::stod(ProbeStreamField(out, "duration"));
  EXPECT_NEAR(duration, 2.0, double(codecFrame) / row.rate);

  const Decoded decoded = DecodeWithFfmpeg(out);
  ASSERT_TRUE(decoded.ok);
  ASSERT_EQ(decoded.channels, row.channels);
  // The source from its first sample to its last: the first 50 ms and the
  // last 256 samples at full level.
  const int64_t end = int64_t{row.rate} * 2;
  ASSERT_GE(decoded.Frames(), end);
  const double expected = 0.5 * 32767 / std::sqrt(2.0);
  for (int channel = 0; channel < row.channels; ++channel) {
    SCOPED_TRACE(testing::Message() << "channel " << channel);
    const double head = Rms(decoded, channel, row.rate / 200, row.rate / 20);
    const double body = Rms(decoded, channel, row.rate / 4, row.rate * 7 / 4);
    const double tail = Rms(decoded, channel, end - 256, end);
    EXPECT_NEAR(20 * std::log10(head / expected), row.levelDb, 1.0);
    EXPECT_NEAR(20 * std::log10(body / expected), row.levelDb, 1.0);
    EXPECT_NEAR(20 * std::log10(tail / expected), row.levelDb, 1.0);
  }
}

void Custom(ConvertSettings& s, uint32_t rate, uint32_t channels, uint32_t bitRate) {
  s.autoDestWMAEncodingParam = 0;
  s.wmaSampleRate = rate;
  s.wmaChannels = channels;
  s.wmaBitRate = bitRate;
}

INSTANTIATE_TEST_SUITE_P(
    Targets, WmaTargetTest,
    ::testing::Values(
        TargetRow{"AutoCdStereo", 44100, 2, 16, nullptr, 44100, 2, 128000},
        TargetRow{"Auto22kMono8Bit", 22050, 1, 8, nullptr, 22050, 1, 32000},
        TargetRow{"Auto16kStereo", 16000, 2, 16, nullptr, 16000, 2, 32000},
        TargetRow{"Auto32kMono", 32000, 1, 16, nullptr, 32000, 1, 32000},
        TargetRow{"CustomDownmixAndResample", 44100, 2, 16,
                  [](ConvertSettings& s) { Custom(s, 32000, 1, 48000); }, 32000, 1, 48000, -3.01},
        TargetRow{"CustomUpmixAndResample", 22050, 1, 16,
                  [](ConvertSettings& s) { Custom(s, 48000, 2, 160000); }, 48000, 2, 160000},
        TargetRow{"CustomRateNotOffered", 44100, 2, 16,
                  [](ConvertSettings& s) { Custom(s, 24000, 2, 64000); }, 32000, 2, 32000}),
    [](const ::testing::TestParamInfo<TargetRow>& row) { return std::string(row.param.name); });

TEST_F(ConvertToWmaTest, AttributesReadBackWithTheirText) {
  const std::string source = dir_.File("s.wav");
  WriteWav16(source, 44100, 2, SineWave(44100, 2, 44100, 440));
  settings_.wmaID3TagType = TAG_FROM_PRESET;
  TagPreset& preset = settings_.wmaTag;
  preset = TagPreset{0,         "Шёпот 曲",   "Ärtist", "Альбом", "2024", "Жанр",
                     "Коммент", "Композитор", "© Ü",    0,        0};
  const std::string out = dir_.File("o.wma");
  ASSERT_TRUE(Convert(source, out));
  // ffprobe names the attributes by its own keys where it knows them.
  const std::pair<const char*, const char*> rows[] = {
      {"Title", "Шёпот 曲"},  {"artist", "Ärtist"}, {"album_artist", "Ärtist"},
      {"comment", "Коммент"}, {"album", "Альбом"},  {"genre", "Жанр"},
      {"track", "0"},         {"WM/Year", "2024"},  {"composer", "Композитор"},
      {"Copyright", "© Ü"},
  };
  for (const auto& [key, value] : rows) EXPECT_EQ(FormatTag(out, key), value) << key;
  EXPECT_EQ(FormatTag(out, "WM/EncodingSettings"), "");

  settings_.wmaID3TagType = TAG_NONE;
  const std::string bare = dir_.File("bare.wma");
  ASSERT_TRUE(Convert(source, bare));
  EXPECT_EQ(FormatTag(bare, "track"), "");
  EXPECT_EQ(FormatTag(bare, "Title"), "");
}

// The runtime is checked before anything else of the batch: missing, it
// costs the whole batch (MIDI entries without a SoundFont included) and
// offers its download page.
TEST_F(ConvertToWmaTest, AMissingRuntimeConvertsNothingAndOffersTheDownload) {
  settings_.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
  settings_.destSpecifiedFolder = dir_.File("out");
  settings_.browseOutputFolder = 0;
  fs::create_directories(dir_.File("in"));
  const std::string wav = dir_.File("in/a.wav");
  WriteWav16(wav, 44100, 2, SineWave(44100, 2, 44100, 440));
  const std::string midi = dir_.File("in/b.mid");
  WriteFileText(midi, OneNoteSong(500000, 1));

  struct Restore {
    ~Restore() { SetWmaRuntimeMissing(false); }
  } restore;
  const std::string question = std::string("question: ") + WMA_RUNTIME_MISSING_MESSAGE;
  for (const bool yes : {true, false}) {
    SCOPED_TRACE(yes ? "Yes" : "No");
    SetWmaRuntimeMissing(true);
    SourceList list{ProgramReaders()};
    list.AddOneFile(wav);
    list.AddOneFile(midi);
    ScriptedPrompter prompter;
    prompter.answer = yes;
    ConversionJob job(settings_, engine_, prompter, progress_);
    EXPECT_FALSE(ConvertAll(list, job, prompter).ran);
    const std::vector<std::string> expected =
        yes ? std::vector<std::string>{question, std::string("url: ") + WMA_RUNTIME_DOWNLOAD_URL}
            : std::vector<std::string>{question};
    EXPECT_EQ(prompter.shown, expected);
    EXPECT_EQ(progress_.begun, -1);
    EXPECT_FALSE(fs::exists(dir_.File("out")));
    // A routine run despite the check does not write either.
    EXPECT_FALSE(Convert(wav, dir_.File("direct.wma")));
    EXPECT_FALSE(fs::exists(dir_.File("direct.wma")));
  }

  SetWmaRuntimeMissing(false);
  SourceList list{ProgramReaders()};
  list.AddOneFile(wav);
  ScriptedPrompter prompter;
  ConversionJob job(settings_, engine_, prompter, progress_);
  const BatchResult result = ConvertAll(list, job, prompter);
  EXPECT_EQ(result.converted, 1);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(ProbeStreamField(dir_.File("out/a.wma"), "codec_name"), "wmav2");
}

}  // namespace
