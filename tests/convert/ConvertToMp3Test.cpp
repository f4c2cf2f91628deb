// The MP3 output: the encoder settings chosen from the options and the
// source, as LAME takes them and as the file carries them, and the tag of
// the output, checked with ffprobe, ffmpeg and TagLib.

#include <gtest/gtest.h>

#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "app/EngineStartup.h"
#include "codecs/writers/Mp3Writer.h"
#include "convert/ConversionLoop.h"
#include "convert/ConvertRoutines.h"
#include "convert/Mp3Output.h"
#include "source/SourceKind.h"
#include "support/AudioFixtures.h"
#include "support/MidiFixtures.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

class ConvertToMp3Test : public ::testing::Test {
 protected:
  ConvertToMp3Test() : folder_(false, true), engine_(folder_.Path()) {
    settings_.mp3ID3TagType = TAG_NONE;
  }

  bool Convert(const std::string& source, const std::string& output, int sequence = 1) {
    const ConversionContext context{settings_, progress_, sequence};
    return ConvertToMp3(SourceKindFromPath(source), source, output, context);
  }
  std::string Wav(const std::string& name, int rate, int channels, double seconds) {
    const std::string path = dir_.File(name);
    WriteWav16(path, rate, channels, SineWave(static_cast<int>(rate * seconds), channels, rate, 440));
    return path;
  }
  // The channel-mode bits of the first MPEG frame after any ID3v2 tag.
  int FirstFrameMode(const std::string& path) {
    const std::string bytes = ReadFileText(path);
    size_t at = 0;
    if (bytes.compare(0, 3, "ID3") == 0)
      at = 10 + ((static_cast<uint8_t>(bytes[6]) << 21) | (static_cast<uint8_t>(bytes[7]) << 14) |
                 (static_cast<uint8_t>(bytes[8]) << 7) | static_cast<uint8_t>(bytes[9]));
    return static_cast<uint8_t>(bytes.at(at + 3)) >> 6;
  }

  TestProgramFolder folder_;
  EngineSession engine_;
  TempDir dir_;
  ConvertSettings settings_;
  RecordingProgress progress_;
};

TEST_F(ConvertToMp3Test, AutomaticModeLiftsVeryLowRates) {
  const std::string source = Wav("low.wav", 8000, 2, 2.0);
  const std::string out = dir_.File("low.mp3");
  ASSERT_TRUE(Convert(source, out));
  EXPECT_EQ(ProbeStreamField(out, "sample_rate"), "11025");
  EXPECT_EQ(ProbeStreamField(out, "bit_rate"), "48000");
  EXPECT_EQ(ProbeStreamField(out, "channels"), "2");
  // Two seconds, within a frame plus the encoder's delay and its flush.
  EXPECT_NEAR(std::stod(ProbeStreamField(out, "duration")), 2.0, (576.0 + 2 * 1152) / 11025);
}

TEST_F(ConvertToMp3Test, CustomModeRateBitRateAndChannels) {
  const std::string stereo = Wav("s.wav", 44100, 2, 1.0);
  settings_.autoDestMP3EncodingParam = 0;
  struct Case {
    uint32_t rate, bitRate, mode;
    const char *expectRate, *expectBitRate, *expectChannels;
    int expectMode;
  } cases[] = {
      {22050, 320, 0, "22050", "160000", "2", 0},  // limited by the rate
      {44100, 105, 1, "44100", "112000", "2", 1},  // rounded
      {11025, 128, 3, "11025", "64000", "1", 3},
      {44100, 128, 4, "44100", "128000", "2", 1},  // same as the source: joint stereo
  };
  int n = 0;
  for (const Case& c : cases) {
    settings_.mp3SampleRate = c.rate;
    settings_.mp3BitRate = c.bitRate;
    settings_.mp3ChannelMode = c.mode;
    const std::string out = dir_.File("c" + std::to_string(n++) + ".mp3");
    ASSERT_TRUE(Convert(stereo, out)) << out;
    EXPECT_EQ(ProbeStreamField(out, "sample_rate"), c.expectRate) << out;
    EXPECT_EQ(ProbeStreamField(out, "bit_rate"), c.expectBitRate) << out;
    EXPECT_EQ(ProbeStreamField(out, "channels"), c.expectChannels) << out;
    EXPECT_EQ(FirstFrameMode(out), c.expectMode) << out;
  }
}

// LAME resamples a block before encoding it: 1,152 samples at 2,000 Hz become 27,648 at
// 48,000 Hz. Rows: source rate, channels, output rate, kbit/s.
using RateRow = std::array<int, 4>;
class ConvertToMp3Rates : public ConvertToMp3Test, public ::testing::WithParamInterface<RateRow> {};

TEST_P(ConvertToMp3Rates, ExtremeRateChangesEncodeTheWholeSource) {
  const auto [sourceRate, channels, outputRate, kbps] = GetParam();
  settings_.autoDestMP3EncodingParam = 0;
  settings_.mp3SampleRate = static_cast<uint32_t>(outputRate);
  settings_.mp3BitRate = static_cast<uint32_t>(kbps);
  ASSERT_TRUE(Convert(Wav("r.wav", sourceRate, channels, 3.0), dir_.File("r.mp3")));
  const Decoded decoded = DecodeWithFfmpeg(dir_.File("r.mp3"));
  ASSERT_EQ(decoded.rate, outputRate);
  EXPECT_NEAR(decoded.Frames(), 3 * outputRate, 576 + 2 * 1152);  // encoder delay and flush
}
INSTANTIATE_TEST_SUITE_P(Extremes, ConvertToMp3Rates,
                         ::testing::Values(RateRow{2000, 1, 48000, 320},
                                           RateRow{8000, 2, 48000, 256},
                                           RateRow{1000, 2, 48000, 320},
                                           RateRow{48000, 2, 8000, 8}));

// The MPEG audio frames of a file after its ID3v2 tag (LAME writes layer III
// only): where each starts, for every frame up to the first bytes that are none.
std::vector<size_t> FrameStarts(const std::string& bytes) {
  static const int kKbps[2][15] = {
      {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
      {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}};
  static const int kRates[3] = {44100, 48000, 32000};
  std::vector<size_t> starts;
  size_t at = 0;
  if (bytes.compare(0, 3, "ID3") == 0)
    at = 10 + ((static_cast<uint8_t>(bytes[6]) << 21) | (static_cast<uint8_t>(bytes[7]) << 14) |
               (static_cast<uint8_t>(bytes[8]) << 7) | static_cast<uint8_t>(bytes[9]));
  while (at + 4 <= bytes.size() && static_cast<uint8_t>(bytes[at]) == 0xFF) {
    const uint8_t b1 = static_cast<uint8_t>(bytes[at + 1]);
    const uint8_t b2 = static_cast<uint8_t>(bytes[at + 2]);
    const int version = (b1 >> 3) & 3;  // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    if ((b1 & 0xE0) != 0xE0 || version == 1 || (b2 >> 4) == 0 || (b2 >> 4) == 15) break;
    const int rate = kRates[(b2 >> 2) & 3] >> (version == 3 ? 0 : version == 2 ? 1 : 2);
    starts.push_back(at);
    at += (version == 3 ? 144 : 72) * kKbps[version == 3][b2 >> 4] * 1000 / rate + ((b2 >> 1) & 1);
  }
  return starts;
}

// Rows: variable bit rate, its quality level, the gapless option.
using InfoRow = std::array<uint32_t, 3>;
class ConvertToMp3InfoFrame : public ConvertToMp3Test,
                              public ::testing::WithParamInterface<InfoRow> {};

TEST_P(ConvertToMp3InfoFrame, CountsTheFramesAndDecodesToTheSourcesExactLength) {
  const auto [vbr, quality, gapless] = GetParam();
  settings_.autoDestMP3EncodingParam = 0;
  settings_.mp3SampleRate = 44100;
  settings_.mp3VBR = vbr;
  settings_.mp3VBRQuality = quality;
  settings_.mp3Gapless = gapless;
  settings_.mp3ID3TagType = TAG_FROM_PRESET;  // the frame goes after the ID3v2 tag
  const std::string out = dir_.File("i.mp3");
  ASSERT_TRUE(Convert(Wav("i.wav", 44100, 2, 2.5), out));
  const std::string bytes = ReadFileText(out);
  const std::vector<size_t> frames = FrameStarts(bytes);
  ASSERT_GT(frames.size(), 2u);
  const std::string first = bytes.substr(frames[0], frames[1] - frames[0]);
  const size_t tag = first.find(vbr ? "Xing" : "Info");
  ASSERT_NE(tag, std::string::npos);
  ASSERT_EQ(first[tag + 7] & 1, 1);  // the frame count is present
  const auto byte = [&](size_t i) { return uint32_t{static_cast<uint8_t>(first[tag + 8 + i])}; };
  EXPECT_EQ(byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3), frames.size() - 1);
  EXPECT_EQ(DecodeWithFfmpeg(out).Frames(), 44100 * 5 / 2);
}
INSTANTIATE_TEST_SUITE_P(Modes, ConvertToMp3InfoFrame,
                         ::testing::Values(InfoRow{1, 0, 0}, InfoRow{1, 2, 0}, InfoRow{1, 9, 1},
                                           InfoRow{0, 2, 1}));

TEST_F(ConvertToMp3Test, VariableBitRateFollowsTheQualityLevel) {
  const std::string source = Wav("q.wav", 44100, 2, 2.0);
  settings_.autoDestMP3EncodingParam = 0;
  settings_.mp3VBR = 1;
  std::vector<uintmax_t> sizes;
  for (uint32_t level : {0u, 2u, 9u}) {
    settings_.mp3VBRQuality = level;
    const std::string out = dir_.File("q" + std::to_string(level) + ".mp3");
    ASSERT_TRUE(Convert(source, out));
    sizes.push_back(ReadFileText(out).size());
  }
  EXPECT_GT(sizes[0], sizes[1]);
  EXPECT_GT(sizes[1], sizes[2]);
}

TEST_F(ConvertToMp3Test, GaplessOffWritesThePlainFramesOfTheInfoFrameFile) {
  const std::string source = Wav("g.wav", 44100, 2, 1.0);
  settings_.autoDestMP3EncodingParam = 0;
  ASSERT_TRUE(Convert(source, dir_.File("plain.mp3")));
  settings_.mp3Gapless = 1;
  ASSERT_TRUE(Convert(source, dir_.File("gapless.mp3")));
  const std::string gapless = ReadFileText(dir_.File("gapless.mp3"));
  EXPECT_EQ(ReadFileText(dir_.File("plain.mp3")), gapless.substr(FrameStarts(gapless).at(1)));
}

TEST_F(ConvertToMp3Test, PresetTagWithNonLatinText) {
  settings_.mp3ID3TagType = TAG_FROM_PRESET;
  settings_.mp3WriteID3Version = 2;
  settings_.mp3Tag.artist = "Dvořák";
  settings_.mp3Tag.album = "東京";
  settings_.mp3Tag.genre = "Rock";
  settings_.mp3Tag.trackNumType = TRACK_NUM_SEQUENCE;
  const std::string source = Wav("Song One.wav", 44100, 2, 0.5);
  const std::string out = dir_.File("tagged.mp3");
  ASSERT_TRUE(Convert(source, out, 7));

  TagLib::MPEG::File file(out.c_str());
  ASSERT_TRUE(file.ID3v2Tag());
  EXPECT_EQ(file.ID3v2Tag()->title().to8Bit(true), "Song One");
  EXPECT_EQ(file.ID3v2Tag()->artist().to8Bit(true), "Dvořák");
  EXPECT_EQ(file.ID3v2Tag()->album().to8Bit(true), "東京");
  EXPECT_EQ(file.ID3v2Tag()->track(), 7u);
  const std::string bytes = ReadFileText(out);
  const std::string v1 = bytes.substr(bytes.size() - 128);
  ASSERT_EQ(v1.substr(0, 3), "TAG");
  EXPECT_EQ(static_cast<uint8_t>(v1[127]), 17);  // Rock
  EXPECT_EQ(static_cast<uint8_t>(v1[126]), 7);   // the track byte
}

TEST_F(ConvertToMp3Test, TransferCopiesTheId3BlocksOfAnMp3Unchanged) {
  settings_.mp3ID3TagType = TAG_TRANSFER;
  settings_.mp3WriteID3Version = 1;  // not consulted for a transfer from MP3
  // A source with only an ID3v1 tag.
  const std::string wav = Wav("in.wav", 44100, 2, 0.5);
  const std::string v1only = dir_.File("v1only.mp3");
  ASSERT_TRUE(RunFfmpeg({"-i", wav, "-c:a", "libmp3lame", "-id3v2_version", "0", v1only}));
  // The ID3v1 block: "TAG", title, artist, album (30 bytes each), year (4),
  // comment (28), a zero byte and the track byte, the genre byte.
  std::string v1(128, '\0');
  v1.replace(0, 3, "TAG");
  v1.replace(3, 9, "Old Title");
  v1.replace(33, 3, "Ann");
  v1.replace(93, 4, "1999");
  v1[126] = 4;
  v1[127] = 17;
  WriteFileText(v1only, ReadFileText(v1only) + v1);
  const std::string sourceBytes = ReadFileText(v1only);
  ASSERT_EQ(sourceBytes.substr(sourceBytes.size() - 128, 3), "TAG");
  ASSERT_NE(sourceBytes.substr(0, 3), "ID3");

  const std::string out = dir_.File("out1.mp3");
  ASSERT_TRUE(Convert(v1only, out));
  const std::string outBytes = ReadFileText(out);
  EXPECT_NE(outBytes.substr(0, 3), "ID3");
  EXPECT_EQ(outBytes.substr(outBytes.size() - 128), sourceBytes.substr(sourceBytes.size() - 128));

  // Both tags: both blocks byte for byte.
  const std::string both = dir_.File("both.mp3");
  ASSERT_TRUE(RunFfmpeg({"-i", wav, "-c:a", "libmp3lame", "-id3v2_version", "3", "-write_id3v1", "1",
                         "-metadata", "title=Both", both}));
  const std::string bothBytes = ReadFileText(both);
  const size_t v2size = 10 + ((static_cast<uint8_t>(bothBytes[6]) << 21) |
                              (static_cast<uint8_t>(bothBytes[7]) << 14) |
                              (static_cast<uint8_t>(bothBytes[8]) << 7) | static_cast<uint8_t>(bothBytes[9]));
  const std::string out2 = dir_.File("out2.mp3");
  ASSERT_TRUE(Convert(both, out2));
  const std::string out2Bytes = ReadFileText(out2);
  EXPECT_EQ(out2Bytes.substr(0, v2size), bothBytes.substr(0, v2size));
  EXPECT_EQ(out2Bytes.substr(out2Bytes.size() - 128), bothBytes.substr(bothBytes.size() - 128));

  // A WAV source without a tag gives an output without one.
  const std::string out3 = dir_.File("out3.mp3");
  ASSERT_TRUE(Convert(wav, out3));
  const std::string out3Bytes = ReadFileText(out3);
  EXPECT_NE(out3Bytes.substr(0, 3), "ID3");
  EXPECT_NE(out3Bytes.substr(out3Bytes.size() - 128, 3), "TAG");
}

TEST_F(ConvertToMp3Test, MidiSongIsRenderedWhole) {
  const std::string midi = dir_.File("song.mid");
  WriteFileText(midi, OneNoteSong(500000, 2));
  ASSERT_TRUE(Convert(midi, dir_.File("song.mp3")));
  // One second of song and the engine's release tail.
  EXPECT_NEAR(std::stod(ProbeStreamField(dir_.File("song.mp3"), "duration")), 2.0, 0.1);
}

TEST(Mp3BitRateTest, RoundsToTheNearestListedRateWithTiesGoingDown) {
  const struct {
    int in, out;
  } rows[] = {
      {100, 96}, {104, 96}, {105, 112}, {500, 320}, {8, 8},     {320, 320}, {321, 320},
      {12, 8},   {13, 16},  {136, 128}, {137, 144}, {152, 144}, {240, 224}, {241, 256},
      {5, 8},    {1, 8},    {0, 0},     {-4, 0},    {64, 64},   {72, 64},   {73, 80},
  };
  for (const auto& row : rows) EXPECT_EQ(RoundMp3BitRate(row.in), row.out) << row.in;
}

TEST(Mp3BitRateTest, LimitsByTheOutputRate) {
  const struct {
    int kbps, rate, out;
  } rows[] = {
      {128, 11025, 64},  {128, 12000, 64},  {56, 8000, 56},  {128, 12001, 128},
      {320, 22050, 160}, {320, 24000, 160}, {8, 24000, 8},   {8, 24001, 32},
      {8, 44100, 32},    {320, 48000, 320}, {32, 96000, 32},
  };
  for (const auto& row : rows)
    EXPECT_EQ(LimitMp3BitRate(row.kbps, row.rate), row.out) << row.kbps << " at " << row.rate;
}

SourceInfo Source(uint32_t rate, uint32_t channels, uint32_t bitRate = 0,
                  uint32_t mode = CHANNEL_MODE_UNKNOWN) {
  SourceInfo info;
  info.sampleRate = rate;
  info.channels = channels;
  info.outputChannels = channels;
  info.bitsPerSample = 16;
  info.bitRate = bitRate;
  info.mp3ChannelMode = mode;
  return info;
}

ConvertSettings Custom(uint32_t mode, uint32_t rate, uint32_t kbps,
                       uint32_t monoType = MONO_AVERAGE) {
  ConvertSettings settings;
  settings.autoDestMP3EncodingParam = 0;
  settings.mp3ChannelMode = mode;
  settings.mp3SampleRate = rate;
  settings.mp3BitRate = kbps;
  settings.monoType = monoType;
  return settings;
}

TEST(Mp3EncoderSettingsTest, ChoosesFromTheOptionsAndTheSource) {
  ConvertSettings automatic;
  automatic.autoDestMP3EncodingParam = 1;
  const struct {
    const char* what;
    ConvertSettings settings;
    int32_t kind;
    SourceInfo source;
    struct {
      int inputRate, channels, mode, outputRate, bitRate, selectChannel;
    } expected;
  } rows[] = {
      {"automatic, 8000 Hz stereo: raised to 11025 Hz at 48",
       automatic,
       KIND_WAVE,
       Source(8000, 2),
       {8000, 2, -1, 11025, 48, 0}},
      {"automatic, 8000 Hz mono",
       automatic,
       KIND_WAVE,
       Source(8000, 1),
       {8000, 1, -1, 11025, 24, 0}},
      {"automatic, 11025 Hz: LAME's defaults",
       automatic,
       KIND_WAVE,
       Source(11025, 1),
       {11025, 1, -1, 0, 0, 0}},
      {"automatic, CD audio", automatic, KIND_FLAC, Source(44100, 2), {44100, 2, -1, 0, 0, 0}},
      {"mode as source, stereo WAV: joint stereo",
       Custom(4, 44100, 128),
       KIND_WAVE,
       Source(44100, 2),
       {44100, 2, 1, 44100, 128, 0}},
      {"mode as source, mono WAV: mono",
       Custom(4, 44100, 128),
       KIND_WAVE,
       Source(44100, 1),
       {44100, 1, 3, 44100, 128, 0}},
      {"mode as source, MPEG audio: its own mode",
       Custom(4, 44100, 128),
       KIND_MPEG_AUDIO,
       Source(44100, 2, 192, CHANNEL_MODE_STEREO),
       {44100, 2, 0, 44100, 128, 0}},
      {"mode as source, dual-channel MPEG audio",
       Custom(4, 44100, 128),
       KIND_MPEG_AUDIO,
       Source(44100, 2, 192, CHANNEL_MODE_DUAL),
       {44100, 2, 2, 44100, 128, 0}},
      {"mono from stereo, right channel",
       Custom(3, 44100, 128, MONO_RIGHT),
       KIND_WAVE,
       Source(44100, 2),
       {44100, 1, 3, 44100, 128, 2}},
      {"mono from stereo, left channel",
       Custom(3, 44100, 128, MONO_LEFT),
       KIND_WAVE,
       Source(44100, 2),
       {44100, 1, 3, 44100, 128, 1}},
      {"mono from stereo, averaged by the encoder",
       Custom(3, 44100, 128, MONO_AVERAGE),
       KIND_WAVE,
       Source(44100, 2),
       {44100, 2, 3, 44100, 128, 0}},
      {"mono from stereo, out-of-range mono type averages",
       Custom(3, 44100, 128, 7),
       KIND_WAVE,
       Source(44100, 2),
       {44100, 2, 3, 44100, 128, 0}},
      {"mono source needs no selection",
       Custom(3, 44100, 128, MONO_RIGHT),
       KIND_WAVE,
       Source(44100, 1),
       {44100, 1, 3, 44100, 128, 0}},
      {"output rate 0: the source's",
       Custom(1, 0, 128),
       KIND_WAVE,
       Source(48000, 2),
       {48000, 2, 1, 48000, 128, 0}},
      {"bit rate 100 rounds to 96",
       Custom(1, 44100, 100),
       KIND_WAVE,
       Source(44100, 2),
       {44100, 2, 1, 44100, 96, 0}},
      {"11025 Hz limits 128 to 64",
       Custom(1, 11025, 128),
       KIND_WAVE,
       Source(44100, 2),
       {44100, 2, 1, 11025, 64, 0}},
      {"22050 Hz limits 320 to 160",
       Custom(1, 22050, 320),
       KIND_WAVE,
       Source(44100, 2),
       {44100, 2, 1, 22050, 160, 0}},
      {"44100 Hz raises 8 to 32",
       Custom(1, 44100, 8),
       KIND_WAVE,
       Source(44100, 2),
       {44100, 2, 1, 44100, 32, 0}},
      {"bit rate 0, MPEG audio: the source's",
       Custom(1, 44100, 0),
       KIND_MPEG_AUDIO,
       Source(44100, 2, 192, CHANNEL_MODE_JOINT_STEREO),
       {44100, 2, 1, 44100, 192, 0}},
      {"bit rate 0, Ogg Vorbis: the source's, rounded",
       Custom(1, 44100, 0),
       KIND_OGG,
       Source(44100, 2, 117),
       {44100, 2, 1, 44100, 112, 0}},
      {"bit rate 0, MPEG audio that reports none: not set",
       Custom(1, 44100, 0),
       KIND_MPEG_AUDIO,
       Source(44100, 2, 0),
       {44100, 2, 1, 44100, 0, 0}},
      {"bit rate 0, 8000 Hz stereo: 16 per channel",
       Custom(1, 0, 0),
       KIND_WAVE,
       Source(8000, 2),
       {8000, 2, 1, 8000, 32, 0}},
      {"bit rate 0, 8000 Hz, one channel selected",
       Custom(3, 0, 0, MONO_LEFT),
       KIND_WAVE,
       Source(8000, 2),
       {8000, 1, 3, 8000, 16, 1}},
      {"bit rate 0, 44100 Hz WAV: not set",
       Custom(1, 44100, 0),
       KIND_WAVE,
       Source(44100, 2),
       {44100, 2, 1, 44100, 0, 0}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const Mp3Choice chosen = ChooseMp3Settings(row.settings, row.kind, row.source);
    EXPECT_EQ(chosen.input.rate, static_cast<uint32_t>(row.expected.inputRate));
    EXPECT_EQ(chosen.input.channels, static_cast<uint32_t>(row.expected.channels));
    EXPECT_EQ(chosen.input.bits, 16u);
    EXPECT_EQ(chosen.encoder.mode, row.expected.mode);
    EXPECT_EQ(chosen.encoder.outputRate, row.expected.outputRate);
    EXPECT_EQ(chosen.encoder.bitRate, row.expected.bitRate);
    // The channel that the conversion passes on to an encoder of fewer
    // channels than the source.
    BlockPlan plan;
    plan.sourceRate = plan.targetRate = row.source.sampleRate;
    plan.sourceBits = plan.targetBits = 16;
    plan.sourceChannels = row.source.outputChannels;
    plan.targetChannels = chosen.input.channels;
    PlanChannels(plan, row.settings.monoType);
    EXPECT_EQ(plan.selectChannel, static_cast<uint32_t>(row.expected.selectChannel));
    EXPECT_FALSE(plan.convert);
  }
}

// The settings as LAME really uses them, and as ffprobe finds them in the
// encoded file.
TEST(Mp3EncoderSettingsTest, TheEncoderAndTheFileCarryTheChosenSettings) {
  ConvertSettings automatic;
  automatic.autoDestMP3EncodingParam = 1;
  const struct {
    const char* what;
    ConvertSettings settings;
    SourceInfo source;
    int outRate, kbps, channels;
    const char* layout;
  } rows[] = {
      {"11025 Hz with 128", Custom(1, 11025, 128), Source(44100, 2), 11025, 64, 2, "stereo"},
      {"22050 Hz with 320", Custom(1, 22050, 320), Source(44100, 2), 22050, 160, 2, "stereo"},
      {"44100 Hz with 8", Custom(1, 44100, 8), Source(44100, 2), 44100, 32, 2, "stereo"},
      {"automatic, 8000 Hz stereo", automatic, Source(8000, 2), 11025, 48, 2, "stereo"},
      {"stereo source to mono by averaging", Custom(3, 0, 96), Source(32000, 2), 32000, 96, 1,
       "mono"},
      {"one selected channel", Custom(3, 44100, 64, MONO_RIGHT), Source(44100, 2), 44100, 64, 1,
       "mono"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    TempDir dir;
    const std::string path = dir.File("out.mp3");
    const Mp3Choice chosen = ChooseMp3Settings(row.settings, KIND_WAVE, row.source);
    Mp3Writer writer(chosen.encoder);
    ASSERT_TRUE(writer.Open(path, chosen.input));
    EXPECT_EQ(writer.OutputRate(), row.outRate);
    EXPECT_EQ(writer.BitRate(), row.kbps);
    // One second of a sine in the channels the encoder takes.
    const int rate = static_cast<int>(chosen.input.rate);
    const std::vector<int16_t> sine = SineWave(rate, 1, rate, 440);
    for (int at = 0; at < rate; at += BLOCK_SAMPLES)
      ASSERT_TRUE(writer.WriteBlock16(sine.data() + at, sine.data() + at,
                                      std::min(BLOCK_SAMPLES, rate - at)));
    ASSERT_TRUE(writer.Close());

    EXPECT_EQ(ProbeStreamField(path, "sample_rate"), std::to_string(row.outRate));
    EXPECT_EQ(ProbeStreamField(path, "bit_rate"), std::to_string(row.kbps * 1000));
    EXPECT_EQ(ProbeStreamField(path, "channels"), std::to_string(row.channels));
    EXPECT_EQ(ProbeStreamField(path, "channel_layout"), row.layout);
  }
}

}  // namespace
