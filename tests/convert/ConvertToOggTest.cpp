// The OGG output: the rate, channels and nominal bit rate chosen from the
// options and the source; the stream as ffprobe, ffmpeg and a walk over its
// pages see it; its comments as vorbiscomment lists them.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "app/EngineStartup.h"
#include "app/OutputFormat.h"
#include "codecs/writers/OggWriter.h"
#include "convert/ConvertRoutines.h"
#include "convert/OggOutput.h"
#include "source/SourceKind.h"
#include "support/AudioFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

SourceInfo Source(uint32_t rate, uint32_t channels, uint32_t bits = 16, uint32_t bitRate = 0) {
  SourceInfo info;
  info.sampleRate = rate;
  info.channels = channels;
  info.outputChannels = channels;
  info.bitsPerSample = bits;
  info.bitRate = bitRate;
  return info;
}

ConvertSettings Manual(uint32_t rate, uint32_t channels, uint32_t kbps) {
  ConvertSettings settings;
  settings.autoDestOGGEncodingParam = 0;
  settings.oggSampleRate = rate;
  settings.oggChannels = channels;
  settings.oggBitRate = kbps;
  return settings;
}

// Quality mode at 44100 Hz stereo; the bit rate stays 128 so that only the
// quality can change what the stream says.
ConvertSettings Quality(int level) {
  ConvertSettings settings = Manual(44100, 2, 128);
  settings.oggQualityMode = 1;
  settings.oggQuality = static_cast<uint32_t>(level);
  return settings;
}

TEST(OggSettingsTest, ChoosesRateChannelsAndBitRate) {
  const ConvertSettings automatic;
  const struct {
    const char* what;
    ConvertSettings settings;
    int32_t kind;
    SourceInfo source;
    uint32_t rate, channels;
    int kbps;
  } rows[] = {
      {"automatic, CD audio", automatic, KIND_WAVE, Source(44100, 2), 44100, 2, 128},
      {"automatic, 48000 Hz mono", automatic, KIND_WAVE, Source(48000, 1), 48000, 1, 64},
      {"automatic, 32000 Hz stereo", automatic, KIND_WAVE, Source(32000, 2), 32000, 2, 64},
      {"automatic, 22050 Hz mono", automatic, KIND_WAVE, Source(22050, 1), 22050, 1, 32},
      {"automatic, 8-bit 11025 Hz: 16-bit", automatic, KIND_WAVE, Source(11025, 2, 8), 11025, 2,
       32},
      {"automatic, 8000 Hz mono", automatic, KIND_WAVE, Source(8000, 1), 8000, 1, 16},
      {"automatic, 96000 Hz: 48000 Hz", automatic, KIND_FLAC, Source(96000, 2), 48000, 2, 128},
      {"automatic, 37800 Hz: the nearer 32000 Hz", automatic, KIND_WAVE, Source(37800, 2), 32000, 2,
       64},
      {"automatic, 28000 Hz, halfway: the lower 24000 Hz", automatic, KIND_WAVE, Source(28000, 2),
       24000, 2, 64},
      {"automatic, 6000 Hz: 8000 Hz", automatic, KIND_WAVE, Source(6000, 1), 8000, 1, 16},
      {"130 kbit/s: 128", Manual(44100, 2, 130), KIND_WAVE, Source(44100, 2), 44100, 2, 128},
      {"136 kbit/s, halfway: 128", Manual(44100, 2, 136), KIND_WAVE, Source(44100, 2), 44100, 2,
       128},
      {"137 kbit/s: 144", Manual(44100, 2, 137), KIND_WAVE, Source(44100, 2), 44100, 2, 144},
      {"600 kbit/s: 480", Manual(44100, 2, 600), KIND_WAVE, Source(44100, 2), 44100, 2, 480},
      {"mono at 44100 Hz, 320 kbit/s: 224", Manual(44100, 1, 320), KIND_WAVE, Source(44100, 2),
       44100, 1, 224},
      {"5 kbit/s: the stereo minimum of 44100 Hz", Manual(44100, 2, 5), KIND_WAVE, Source(44100, 2),
       44100, 2, 48},
      {"5 kbit/s, 8000 Hz mono: 8", Manual(8000, 1, 5), KIND_WAVE, Source(44100, 2), 8000, 1, 8},
      {"100 kbit/s, 11025 Hz stereo: 96", Manual(11025, 2, 100), KIND_WAVE, Source(44100, 1), 11025,
       2, 96},
      {"rate and channels of the source, mono limit", Manual(0, 0, 160), KIND_WAVE,
       Source(22050, 1), 22050, 1, 80},
      {"a 96000 Hz option: 48000 Hz", Manual(96000, 2, 500), KIND_WAVE, Source(44100, 2), 48000, 2,
       480},
      {"88200 Hz source kept: 48000 Hz", Manual(0, 2, 192), KIND_WAVE, Source(88200, 2), 48000, 2,
       192},
      {"bit rate of an MP3 source", Manual(44100, 2, 0), KIND_MPEG_AUDIO, Source(44100, 2, 16, 192),
       44100, 2, 192},
      {"bit rate of an OGG source, rounded", Manual(44100, 2, 0), KIND_OGG,
       Source(44100, 2, 16, 150), 44100, 2, 144},
      {"OGG source of unknown bit rate: the automatic rule", Manual(44100, 2, 0), KIND_OGG,
       Source(44100, 2), 44100, 2, 128},
      {"WAV source: the automatic rule at the chosen rate and channels", Manual(22050, 1, 0),
       KIND_WAVE, Source(44100, 2, 16, 1411), 22050, 1, 32},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const OggChoice chosen = ChooseOggSettings(row.settings, row.kind, row.source);
    EXPECT_EQ(chosen.input.rate, row.rate);
    EXPECT_EQ(chosen.input.channels, row.channels);
    EXPECT_EQ(chosen.input.bits, 16u);
    EXPECT_EQ(chosen.bitRate, row.kbps);
  }
}

TEST(OggSettingsTest, EveryLimitIsOneLibvorbisencAccepts) {
  TempDir dir;
  const std::string path = dir.File("limit.ogg");
  for (uint32_t rate : {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000}) {
    for (uint32_t channels : {1u, 2u}) {
      for (int wanted : {0, 1000}) {
        const int kbps = ClampOggBitRate(wanted, rate, channels);
        SCOPED_TRACE(testing::Message() << rate << " Hz, " << channels << " ch, " << kbps);
        OggWriter writer(kbps * 1000);
        EXPECT_TRUE(writer.Open(path, WriterFormat{rate, channels, 16}));
        EXPECT_TRUE(writer.Close());
      }
    }
  }
  // A set-up libvorbisenc refuses creates no file.
  fs::remove(path);
  OggWriter writer(128000);
  EXPECT_FALSE(writer.Open(path, WriterFormat{96000, 2, 16}));
  EXPECT_FALSE(fs::exists(path));
}

// One page of an Ogg stream, as its header describes it.
struct OggPage {
  uint8_t flags = 0;  // 0x02 first page, 0x04 last page
  int64_t granule = 0;
  uint32_t serial = 0;
  uint32_t sequence = 0;
  int packetsEnded = 0;       // lacing values below 255
  bool endsInPacket = false;  // the last lacing value is 255: a packet goes on
};

uint32_t Le32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

// The pages of `bytes`; the test fails when they do not fill the file.
std::vector<OggPage> Pages(const std::string& bytes) {
  std::vector<OggPage> pages;
  size_t at = 0;
  while (at + 27 <= bytes.size() && bytes.compare(at, 4, "OggS") == 0) {
    OggPage page;
    page.flags = static_cast<uint8_t>(bytes[at + 5]);
    page.granule = static_cast<int64_t>(uint64_t{Le32(bytes, at + 10)} << 32 | Le32(bytes, at + 6));
    page.serial = Le32(bytes, at + 14);
    page.sequence = Le32(bytes, at + 18);
    const size_t segments = static_cast<uint8_t>(bytes[at + 26]);
    size_t body = 0;
    for (size_t i = 0; i < segments && at + 27 + i < bytes.size(); ++i) {
      const uint8_t lacing = static_cast<uint8_t>(bytes[at + 27 + i]);
      body += lacing;
      if (lacing < 255) ++page.packetsEnded;
      page.endsInPacket = lacing == 255;
    }
    pages.push_back(page);
    at += 27 + segments + body;
  }
  EXPECT_EQ(at, bytes.size()) << "bytes that are not a whole page";
  return pages;
}

TEST(OggStreamTest, HeaderPagesComeAloneAndOnlyTheLastPageEndsTheStream) {
  TempDir dir;
  for (int frames : {0, 44100}) {
    SCOPED_TRACE(testing::Message() << frames << " frames");
    const std::string path = dir.File("s" + std::to_string(frames) + ".ogg");
    const std::vector<int16_t> signal = SineWave(frames, 2, 44100, 440);
    std::vector<int16_t> left, right;
    for (int i = 0; i < frames; ++i) {
      left.push_back(signal[2 * i]);
      right.push_back(signal[2 * i + 1]);
    }
    OggWriter writer(128000);
    ASSERT_TRUE(writer.Open(path, WriterFormat{44100, 2, 16}));
    for (int at = 0; at < frames; at += 1152)
      ASSERT_TRUE(writer.WriteBlock16(&left[at], &right[at], std::min(1152, frames - at)));
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(ProbeStreamField(path, "codec_name"), "vorbis");

    const std::vector<OggPage> pages = Pages(ReadFileText(path));
    ASSERT_GE(pages.size(), 3u);
    // The three header packets end on pages of their own, at granule 0.
    size_t headerPages = 0;
    for (int packets = 0; packets < 3; ++headerPages) {
      ASSERT_LT(headerPages, pages.size());
      packets += pages[headerPages].packetsEnded;
      EXPECT_EQ(pages[headerPages].granule, 0);
      if (packets >= 3) {
        EXPECT_EQ(packets, 3) << "audio shares the last header page";
        EXPECT_FALSE(pages[headerPages].endsInPacket);
      }
    }
    ASSERT_LT(headerPages, pages.size()) << "no page after the headers";
    for (size_t i = 0; i < pages.size(); ++i) {
      EXPECT_EQ(pages[i].sequence, i);
      EXPECT_EQ(pages[i].serial, pages[0].serial);
      EXPECT_EQ((pages[i].flags & 0x02) != 0, i == 0) << "page " << i;
      EXPECT_EQ((pages[i].flags & 0x04) != 0, i + 1 == pages.size()) << "page " << i;
    }
    EXPECT_EQ(pages.back().granule, frames) << "the last page counts every sample";
  }
}

TEST(OggStreamTest, HeadersThatCannotBeWrittenFailTheOpenAndLeaveNothing) {
  TempDir dir;
  const std::string path = dir.File("full.ogg");
  OggWriter writer(128000);
  {
    FileSizeLimit limit(1000);  // less than the set-up header alone
    ASSERT_TRUE(limit.Active());
    EXPECT_FALSE(writer.Open(path, WriterFormat{44100, 2, 16}));
  }
  EXPECT_FALSE(fs::exists(path));
  EXPECT_TRUE(writer.Close());
}

// The comments of an Ogg Vorbis file as vorbiscomment lists them, one
// NAME=value line each.
std::string ListComments(const std::string& path) {
  const ProcessResult listed = RunProcess("vorbiscomment", {"-l", path});
  EXPECT_TRUE(Succeeded(listed));
  return listed.out;
}

TagInfo Track(const std::string& track) {
  TagInfo tags;
  tags.track = track;
  return tags;
}

TEST(OggCommentsTest, FieldsInTheirOrderAndWhatIsLeftOut) {
  TagInfo every;
  every.title = "Ninth";
  every.artist = "Dvořák";
  every.album = "東京 🎵";
  every.year = "1893";
  every.genre = "Classical";
  every.comment = "From the New World";
  every.track = "7";
  every.composer = "Antonín";
  every.copyright = "© Ann";
  TagInfo notUtf8;
  notUtf8.title = "\xff\xfe";
  notUtf8.artist = "Ann";
  const struct {
    const char* what;
    TagInfo tags;
    const char* listed;
  } rows[] = {
      {"every field, text of any script", every,
       "TITLE=Ninth\nARTIST=Dvořák\nALBUM=東京 🎵\nDATE=1893\nGENRE=Classical\n"
       "COMMENT=From the New World\nCOMPOSER=Antonín\nCOPYRIGHT=© Ann\nTRACKNUMBER=7\n"},
      {"no tag: only the vendor text", TagInfo(), ""},
      {"track 0", Track("0"), ""},
      {"track abc", Track("abc"), ""},
      {"track -3", Track("-3"), ""},
      {"track 7/12 as it is", Track("7/12"), "TRACKNUMBER=7/12\n"},
      {"text that is not UTF-8", notUtf8, "ARTIST=Ann\n"},
  };
  TempDir dir;
  int n = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const std::string path = dir.File(std::to_string(n++) + ".ogg");
    OggWriter writer(64000, row.tags);
    ASSERT_TRUE(writer.Open(path, WriterFormat{22050, 1, 16}));
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(ListComments(path), row.listed);
  }
}

class ConvertToOggTest : public ::testing::Test {
 protected:
  ConvertToOggTest() : folder_(false, false), engine_(folder_.Path()) {}

  bool Convert(const std::string& source, const std::string& output, int sequence = 1) {
    const ConversionContext context{settings_, progress_, sequence};
    const ConvertRoutine routine = RoutineFor(FORMAT_OGG);
    return routine && routine(SourceKindFromPath(source), source, output, context);
  }

  TestProgramFolder folder_;
  EngineSession engine_;
  TempDir dir_;
  ConvertSettings settings_;
  RecordingProgress progress_;
};

TEST_F(ConvertToOggTest, TheTagFollowsTheOggOptionAndPreset) {
  const std::string source = dir_.File("Song One.wav");
  WriteWav16(source, 44100, 2, SineWave(22050, 2, 44100, 440));
  // Another format's preset is never consulted.
  settings_.mp3ID3TagType = TAG_FROM_PRESET;
  settings_.mp3Tag.artist = "Not this one";
  settings_.oggTag.artist = "Ann Example";
  settings_.oggTag.trackNumType = TRACK_NUM_SEQUENCE;

  // A source with comments of its own, made by ffmpeg's Vorbis encoder.
  const std::string tagged = dir_.File("tagged.ogg");
  ASSERT_TRUE(RunFfmpeg({"-i", source, "-c:a", "libvorbis", "-metadata", "title=Old Title",
                         "-metadata", "artist=Bob", "-metadata", "track=5", tagged}));
  const struct {
    const char* what;
    uint32_t option;
    std::string source;
    const char* listed;
  } rows[] = {
      {"preset, the sequence number as track", TAG_FROM_PRESET, source,
       "TITLE=Song One\nARTIST=Ann Example\nTRACKNUMBER=3\n"},
      {"transfer from a tagged source", TAG_TRANSFER, tagged,
       "TITLE=Old Title\nARTIST=Bob\nTRACKNUMBER=5\n"},
      {"transfer from a source without a tag", TAG_TRANSFER, source, ""},
      {"no tag", TAG_NONE, tagged, ""},
  };
  int n = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    settings_.oggID3TagType = row.option;
    const std::string out = dir_.File("out" + std::to_string(n++) + ".ogg");
    ASSERT_TRUE(Convert(row.source, out, 3));
    EXPECT_EQ(ListComments(out), row.listed);
  }
}

TEST_F(ConvertToOggTest, TheCommandLineWritesOgg) {
  const std::string source = dir_.File("a.wav");
  WriteWav16(source, 22050, 1, SineWave(11025, 1, 22050, 440));
  const ProcessResult result =
      RunCliProcess({"convert", "--to", "ogg", "--out", dir_.File("out"), source},
                    {{"HOME", dir_.Path()}, {"XDG_CONFIG_HOME", dir_.File("config")}});
  ASSERT_TRUE(Succeeded(result));
  EXPECT_EQ(result.out, source + "\ta.ogg\n");
  EXPECT_EQ(ProbeStreamField(dir_.File("out/a.ogg"), "codec_name"), "vorbis");
}

// One conversion through the OGG routine, checked by ffprobe and by
// ffmpeg's decode.
struct RoundTripRow {
  const char* name;
  int rate, channels, bits;
  void (*options)(ConvertSettings& settings);
  const char *expectRate, *expectChannels, *expectBitRate;
};

std::ostream& operator<<(std::ostream& out, const RoundTripRow& row) {
  return out << row.name;
}

double Rms(const std::vector<int16_t>& samples, size_t from, size_t to) {
  double sum = 0;
  for (size_t i = from; i < to; ++i) sum += static_cast<double>(samples[i]) * samples[i];
  return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0;
}

double Decibels(double level, double reference) {
  return 20 * std::log10(level / reference);
}

class OggRoundTripTest : public ConvertToOggTest,
                         public ::testing::WithParamInterface<RoundTripRow> {};

TEST_P(OggRoundTripTest, ToneLevelLengthAndTailSurvive) {
  const RoundTripRow& row = GetParam();
  constexpr double kSeconds = 1.5;
  const int frames = static_cast<int>(row.rate * kSeconds);
  // A 1 kHz tone to the last sample; its level as the source holds it, on
  // the 16-bit scale ffmpeg decodes to.
  const std::vector<int16_t> tone = SineWave(frames, row.channels, row.rate, 1000, 0.5);
  const std::string source = dir_.File("tone.wav");
  double sourceLevel = 0;
  if (row.bits == 8) {
    std::vector<uint8_t> eight;
    std::vector<int16_t> widened;
    for (int16_t s : tone) {
      eight.push_back(static_cast<uint8_t>((s >> 8) + 128));
      widened.push_back(static_cast<int16_t>((eight.back() - 128) * 256));
    }
    WriteWav8(source, row.rate, row.channels, eight);
    sourceLevel = Rms(widened, 0, widened.size());
  } else {
    WriteWav16(source, row.rate, row.channels, tone);
    sourceLevel = Rms(tone, 0, tone.size());
  }
  row.options(settings_);
  const std::string out = dir_.File("tone.ogg");
  ASSERT_TRUE(Convert(source, out));

  EXPECT_EQ(ProbeStreamField(out, "codec_name"), "vorbis");
  EXPECT_EQ(ProbeStreamField(out, "sample_rate"), row.expectRate);
  EXPECT_EQ(ProbeStreamField(out, "channels"), row.expectChannels);
  EXPECT_EQ(ProbeStreamField(out, "bit_rate"), row.expectBitRate);
  const double rate = std::stod(row.expectRate);
  // Within one long Vorbis block of the source's length.
  EXPECT_NEAR(std::stod(ProbeStreamField(out, "duration")), kSeconds, 2048 / rate);

  const Decoded decoded = DecodeWithFfmpeg(out);
  ASSERT_TRUE(decoded.ok);
  const size_t channels = static_cast<size_t>(decoded.channels);
  const size_t edge = 2048 * channels;
  ASSERT_GT(decoded.samples.size(), 3 * edge);
  EXPECT_NEAR(Decibels(Rms(decoded.samples, edge, decoded.samples.size() - edge), sourceLevel), 0,
              1.0);
  // The last 1024 frames still hold the tone.
  const size_t tail = 1024 * channels;
  EXPECT_NEAR(Decibels(Rms(decoded.samples, decoded.samples.size() - tail, decoded.samples.size()),
                       sourceLevel),
              0, 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OggRoundTripTest,
    ::testing::Values(
        RoundTripRow{"AutomaticCdAudio", 44100, 2, 16, [](ConvertSettings&) {}, "44100", "2",
                     "128000"},
        RoundTripRow{"Automatic96000Hz", 96000, 2, 16, [](ConvertSettings&) {}, "48000", "2",
                     "128000"},
        RoundTripRow{"AutomaticEightBitMono", 11025, 1, 8, [](ConvertSettings&) {}, "11025", "1",
                     "16000"},
        RoundTripRow{"Manual130Kbps", 44100, 2, 16,
                     [](ConvertSettings& s) { s = Manual(44100, 2, 130); }, "44100", "2", "128000"},
        RoundTripRow{"ManualMono320Kbps", 44100, 1, 16,
                     [](ConvertSettings& s) { s = Manual(44100, 1, 320); }, "44100", "1", "224000"},
        RoundTripRow{"Manual22050HzFromCdAudio", 44100, 2, 16,
                     [](ConvertSettings& s) { s = Manual(22050, 0, 0); }, "22050", "2", "64000"},
        // The nominal bit rates libvorbisenc gives its quality levels.
        RoundTripRow{"QualityZero", 44100, 2, 16, [](ConvertSettings& s) { s = Quality(0); },
                     "44100", "2", "64000"},
        RoundTripRow{"QualityFive", 44100, 2, 16, [](ConvertSettings& s) { s = Quality(5); },
                     "44100", "2", "160000"},
        RoundTripRow{"QualityTen", 44100, 2, 16, [](ConvertSettings& s) { s = Quality(10); },
                     "44100", "2", "499821"}),
    [](const ::testing::TestParamInfo<RoundTripRow>& row) { return std::string(row.param.name); });

}  // namespace
