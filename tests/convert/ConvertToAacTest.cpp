// The AAC and M4A outputs (M4A also as .mp4 and .m4b): the encoder settings
// the options choose, the sample durations and the priming of MPEG-4 files,
// their tags and brands, and what a decoder gets back, read by ffprobe,
// ffmpeg and TagLib.

#include <gtest/gtest.h>

#include <taglib/mp4file.h>
#include <taglib/mp4tag.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/EngineStartup.h"
#include "convert/AacOutput.h"
#include "convert/ConvertRoutines.h"
#include "source/SourceKind.h"
#include "platform/aac/AacEncoder.h"
#include "support/AudioFixtures.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

constexpr int64_t kFrame = 1024;  // samples per channel in one AAC frame

struct Packet {
  int64_t pts = 0, duration = 0, size = 0;
};

// The audio packets of `path` as ffprobe lists them.
std::vector<Packet> Packets(const std::string& path) {
  const ProcessResult result =
      RunProcess("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries",
                             "packet=pts,duration,size", "-of", "csv=p=0", path});
  EXPECT_TRUE(Succeeded(result));
  std::vector<Packet> packets;
  std::istringstream lines(result.out);
  std::string line;
  while (std::getline(lines, line)) {
    Packet packet;
    char comma1 = 0, comma2 = 0;
    std::istringstream fields(line);
    if (fields >> packet.pts >> comma1 >> packet.duration >> comma2 >> packet.size)
      packets.push_back(packet);
  }
  return packets;
}

// Kilobits per second of the coded frames over `seconds`.
double CodedKbps(const std::string& path, double seconds) {
  int64_t bytes = 0;
  for (const Packet& packet : Packets(path)) bytes += packet.size;
  return static_cast<double>(bytes) * 8 / seconds / 1000;
}

double Rms(const Decoded& decoded, int channel, int64_t from, int64_t to) {
  double sum = 0;
  for (int64_t i = from; i < to; ++i) {
    const double s = decoded.samples[static_cast<size_t>(i * decoded.channels + channel)];
    sum += s * s;
  }
  return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0;
}

double Decibels(double ratio) {
  return 20 * std::log10(ratio);
}

class ConvertToAacTest : public ::testing::Test {
 protected:
  ConvertToAacTest() : folder_(false, false), engine_(folder_.Path()) {
    settings_.m4aID3TagType = TAG_NONE;
  }

  // The AAC routine for .aac outputs, the M4A routine for the others.
  bool Convert(const std::string& source, const std::string& output, int sequence = 1) {
    const ConversionContext context{settings_, progress_, sequence};
    const int32_t kind = SourceKindFromPath(source);
    return fs::path(output).extension() == ".aac" ? ConvertToAac(kind, source, output, context)
                                                  : ConvertToM4a(kind, source, output, context);
  }
  std::string Sine(const std::string& name, int rate, int channels, int frames,
                   double amplitude = 0.5) {
    const std::string path = dir_.File(name);
    WriteWav16(path, rate, channels, SineWave(frames, channels, rate, 1000, amplitude));
    return path;
  }

  TestProgramFolder folder_;
  EngineSession engine_;
  TempDir dir_;
  ConvertSettings settings_;
  RecordingProgress progress_;
};

// One way of setting the options, with the encoder settings it must choose
// and the coded bit rate the file must then have.
struct OptionsRow {
  const char* name;
  bool m4a;
  uint32_t channels;
  void (*set)(ConvertSettings& settings);
  std::optional<unsigned long> quantqual, bitRate;
  std::optional<unsigned int> mpegVersion;
  double minKbps, maxKbps;
};

// Custom mode, variable bit rate at `Quality`, for both formats.
template <uint32_t Quality>
void CustomVbr(ConvertSettings& s) {
  s.autoDestAACEncodingParam = s.autoDestM4AEncodingParam = 0;
  s.aacVBRQuality = s.m4aVBRQuality = Quality;
}

TEST_F(ConvertToAacTest, OptionsChooseTheEncoderSettings) {
  const OptionsRow rows[] = {
      {"automatic", false, 2, [](ConvertSettings&) {}, {}, {}, {}, 90, 160},
      {"quality 9 is ignored", false, 2, CustomVbr<9>, {}, {}, AAC_MPEG4, 90, 160},
      {"quality 10", false, 2, CustomVbr<10>, 10, {}, AAC_MPEG4, 0, 60},
      {"quality 500", true, 2, CustomVbr<500>, 500, {}, {}, 200, 1e9},
      {"quality 501 is ignored", true, 2, CustomVbr<501>, {}, {}, {}, 90, 160},
      {"ABR 128 stereo",
       false,
       2,
       [](ConvertSettings& s) {
         s.autoDestAACEncodingParam = 0;
         s.aacVBR = 0;
         s.aacABRBitRate = 128;
       },
       {},
       64000,
       AAC_MPEG4,
       110,
       145},
      {"ABR 128 mono",
       true,
       1,
       [](ConvertSettings& s) {
         s.autoDestM4AEncodingParam = 0;
         s.m4aVBR = 0;
         s.m4aABRBitRate = 128;
       },
       {},
       128000,
       {},
       110,
       145},
      {"MPEG-2 for AAC",
       false,
       2,
       [](ConvertSettings& s) {
         s.autoDestAACEncodingParam = 0;
         s.aacMpegVersion = 1;
       },
       100,
       {},
       AAC_MPEG2,
       90,
       160},
      {"M4A has no MPEG version",
       true,
       2,
       [](ConvertSettings& s) {
         s.autoDestM4AEncodingParam = 0;
         s.aacMpegVersion = 1;
       },
       100,
       {},
       {},
       90,
       160},
  };
  // Pink noise: every band carries something, as in music.
  const double seconds = 3;
  for (const uint32_t channels : {1u, 2u}) {
    ASSERT_TRUE(Succeeded(
        RunProcess("sox", {"-n", "-r", "44100", "-c", std::to_string(channels), "-b", "16",
                           dir_.File("noise" + std::to_string(channels) + ".wav"), "synth",
                           std::to_string(seconds), "pinknoise", "gain", "-12"})));
  }
  int n = 0;
  for (const OptionsRow& row : rows) {
    SCOPED_TRACE(row.name);
    settings_ = ConvertSettings();
    settings_.m4aID3TagType = TAG_NONE;
    row.set(settings_);
    const AacEncoderSettings chosen = row.m4a ? ChooseM4aSettings(settings_, row.channels)
                                              : ChooseAacSettings(settings_, row.channels);
    EXPECT_EQ(chosen.quantqual, row.quantqual);
    EXPECT_EQ(chosen.bitRate, row.bitRate);
    EXPECT_EQ(chosen.mpegVersion, row.mpegVersion);

    const std::string out = dir_.File("o" + std::to_string(n++) + (row.m4a ? ".m4a" : ".aac"));
    ASSERT_TRUE(Convert(dir_.File("noise" + std::to_string(row.channels) + ".wav"), out));
    EXPECT_EQ(ProbeStreamField(out, "codec_name"), "aac");
    EXPECT_EQ(ProbeStreamField(out, "channels"), std::to_string(row.channels));
    const double kbps = CodedKbps(out, seconds);
    EXPECT_GE(kbps, row.minKbps);
    EXPECT_LE(kbps, row.maxKbps);
    if (row.m4a) continue;
    // Every ADTS header carries the MPEG version in its ID bit.
    const std::string bytes = ReadFileText(out);
    size_t frames = 0, at = 0, otherVersion = 0;
    for (; at + 7 <= bytes.size(); ++frames) {
      ASSERT_EQ(static_cast<uint8_t>(bytes[at]), 0xFF) << "frame " << frames;
      if (((static_cast<uint8_t>(bytes[at + 1]) >> 3) & 1) != row.mpegVersion.value_or(0))
        ++otherVersion;
      at += ((static_cast<uint8_t>(bytes[at + 3]) & 3) << 11) |
            (static_cast<uint8_t>(bytes[at + 4]) << 3) | (static_cast<uint8_t>(bytes[at + 5]) >> 5);
    }
    EXPECT_EQ(otherVersion, 0u);
    EXPECT_EQ(at, bytes.size()) << "the frames fill the file exactly";
    EXPECT_EQ(frames, Packets(out).size());
  }
}

// The stored durations of an MPEG-4 file, and its length as players see
// it, for inputs around one frame. An .aac stream has no durations: it
// decodes to whole frames, the first one the encoder's delay, and at least
// three of them.
TEST_F(ConvertToAacTest, SampleDurationsAndPriming) {
  const struct {
    int frames, channels;
    const char* extension;
  } rows[] = {
      {1, 2, "m4a"},    {300, 1, "m4a"},   {1023, 2, "mp4"}, {1024, 1, "m4b"}, {1025, 2, "m4a"},
      {2048, 2, "m4a"}, {44117, 2, "m4a"}, {300, 2, "aac"},  {1024, 1, "aac"}, {44117, 2, "aac"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.frames << " frames to ." << row.extension);
    const std::string name = std::to_string(row.frames) + "-" + std::to_string(row.channels);
    const std::string source = Sine(name + ".wav", 44100, row.channels, row.frames);
    const std::string out = dir_.File(name + "." + row.extension);
    ASSERT_TRUE(Convert(source, out));
    const Decoded decoded = DecodeWithFfmpeg(out);
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.channels, row.channels);

    if (std::string(row.extension) == "aac") {
      const int64_t frames = (row.frames + kFrame + kFrame - 1) / kFrame;
      EXPECT_EQ(decoded.Frames(), std::max<int64_t>(frames, 3) * kFrame);
      continue;
    }
    EXPECT_EQ(ProbeStreamField(out, "duration_ts"), std::to_string(row.frames))
        << "the edit list gives the exact length";
    // ffmpeg trims the priming but decodes the last frame whole.
    EXPECT_GE(decoded.Frames(), row.frames);
    EXPECT_LT(decoded.Frames(), row.frames + kFrame);
    const std::vector<Packet> packets = Packets(out);
    ASSERT_FALSE(packets.empty());
    EXPECT_EQ(packets.front().pts, -kFrame) << "the first frame is the encoder's delay";
    int64_t total = 0;
    for (const Packet& packet : packets) {
      EXPECT_LE(packet.duration, kFrame);
      total += packet.duration;
    }
    EXPECT_LE(total, row.frames + kFrame);
  }
}

// Each output decoded back by ffmpeg holds the tone at its level, to its
// very end.
TEST_F(ConvertToAacTest, DecodedBackKeepsTheLevelAndTheTail) {
  const int frames = 2 * 44100 + 333;
  const std::string source = Sine("tone.wav", 44100, 2, frames);
  const Decoded original = DecodeWithFfmpeg(source);
  ASSERT_TRUE(original.ok);
  for (const char* extension : {"aac", "m4a", "mp4", "m4b"}) {
    SCOPED_TRACE(extension);
    const std::string out = dir_.File(std::string("tone.") + extension);
    ASSERT_TRUE(Convert(source, out));
    EXPECT_EQ(ProbeStreamField(out, "codec_name"), "aac");
    EXPECT_EQ(ProbeStreamField(out, "sample_rate"), "44100");
    const Decoded decoded = DecodeWithFfmpeg(out);
    ASSERT_TRUE(decoded.ok);
    ASSERT_EQ(decoded.channels, 2);
    // An .aac stream starts with the encoder's delay.
    const int64_t delay = std::string(extension) == "aac" ? kFrame : 0;
    ASSERT_GE(decoded.Frames(), frames + delay);
    for (int channel = 0; channel < 2; ++channel) {
      const double middle = Rms(original, channel, 4096, frames - 4096);
      const double tail = Rms(original, channel, frames - 2048, frames);
      EXPECT_NEAR(Decibels(Rms(decoded, channel, delay + 4096, delay + frames - 4096) / middle), 0,
                  1);
      EXPECT_NEAR(Decibels(Rms(decoded, channel, delay + frames - 2048, delay + frames) / tail), 0,
                  1);
    }
  }
}

TEST_F(ConvertToAacTest, Mpeg4TagsAndBrands) {
  settings_.m4aID3TagType = TAG_FROM_PRESET;
  TagPreset& preset = settings_.m4aTag;
  preset.artist = "Dvořák";
  preset.album = "東京 🎵";
  preset.year = "1893";
  preset.genre = "Klassik";
  preset.comment = "Ünïcode, two\nlines";
  preset.composer = "Ōe";
  preset.copyright = "(c) Nobody";
  preset.trackNumType = TRACK_NUM_SEQUENCE;
  const std::string source = Sine("Song Ünë.wav", 44100, 2, 22050);
  const auto text = [](const TagLib::MP4::Tag& tag, const char* key) {
    const TagLib::String name(key, TagLib::String::Latin1);
    return tag.contains(name) ? tag.item(name).toStringList().toString("|").to8Bit(true)
                              : std::string("(none)");
  };
  const struct {
    const char* extension;
    const char* brand;
  } rows[] = {{"m4a", "M4A "}, {"m4b", "M4B "}, {"mp4", "isom"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.extension);
    const std::string out = dir_.File(std::string("tagged.") + row.extension);
    ASSERT_TRUE(Convert(source, out, 7));
    const ProcessResult brand =
        RunProcess("ffprobe", {"-v", "error", "-show_entries", "format_tags=major_brand", "-of",
                               "default=noprint_wrappers=1:nokey=1", out});
    ASSERT_TRUE(Succeeded(brand));
    EXPECT_EQ(brand.out, std::string(row.brand) + "\n");

    TagLib::MP4::File file(out.c_str());
    ASSERT_TRUE(file.isValid() && file.tag());
    const TagLib::MP4::Tag& tag = *file.tag();
    EXPECT_EQ(text(tag, "\251nam"), "Song Ünë");
    EXPECT_EQ(text(tag, "\251ART"), "Dvořák");
    EXPECT_EQ(text(tag, "\251alb"), "東京 🎵");
    EXPECT_EQ(text(tag, "\251day"), "1893");
    EXPECT_EQ(text(tag, "\251gen"), "Klassik");
    EXPECT_EQ(text(tag, "\251cmt"), "Ünïcode, two\nlines");
    EXPECT_EQ(text(tag, "\251wrt"), "Ōe");
    EXPECT_EQ(text(tag, "cprt"), "(none)") << "M4A files carry no copyright";
    ASSERT_TRUE(tag.contains("trkn"));
    EXPECT_EQ(tag.item("trkn").toIntPair().first, 7);
  }

  // An empty title and no track number leave their items out; so does a
  // text that is not UTF-8. Without a tag there are no items at all.
  preset = TagPreset();
  preset.titleAsFileName = 0;
  preset.artist = "bad \xC3";
  preset.album = "Album";
  const std::string bare = dir_.File("bare.m4a");
  ASSERT_TRUE(Convert(source, bare));
  settings_.m4aID3TagType = TAG_NONE;
  const std::string none = dir_.File("none.m4a");
  ASSERT_TRUE(Convert(source, none));
  {
    TagLib::MP4::File file(bare.c_str());
    ASSERT_TRUE(file.isValid() && file.tag());
    EXPECT_EQ(text(*file.tag(), "\251alb"), "Album");
    EXPECT_EQ(text(*file.tag(), "\251nam"), "(none)");
    EXPECT_EQ(text(*file.tag(), "\251ART"), "(none)");
    EXPECT_FALSE(file.tag()->contains("trkn"));
  }
  TagLib::MP4::File file(none.c_str());
  ASSERT_TRUE(file.isValid() && file.tag());
  for (const char* key : {"\251nam", "\251ART", "\251alb", "trkn", "\251day", "\251wrt"})
    EXPECT_FALSE(file.tag()->contains(TagLib::String(key, TagLib::String::Latin1))) << key;
}

TEST_F(ConvertToAacTest, RatesAacCannotSignalAreResampledToTheNearestStandardRate) {
  // 37800 Hz lies between 32000 and 44100, nearer 32000; a second of it.
  const std::string source = Sine("odd.wav", 37800, 2, 37800);
  for (const char* extension : {"aac", "m4a"}) {
    SCOPED_TRACE(extension);
    const std::string out = dir_.File(std::string("odd.") + extension);
    ASSERT_TRUE(Convert(source, out));
    EXPECT_EQ(ProbeStreamField(out, "sample_rate"), "32000");
    EXPECT_EQ(ProbeStreamField(out, "channels"), "2");
  }
  // The MPEG-4 file is exact in length: one second at the new rate.
  EXPECT_EQ(ProbeStreamField(dir_.File("odd.m4a"), "duration_ts"), "32000");
  EXPECT_EQ(NearestAacRate(7000), 7350u);
  EXPECT_EQ(NearestAacRate(46050), 44100u);  // a tie goes to the lower rate
  EXPECT_EQ(NearestAacRate(200000), 96000u);
  EXPECT_EQ(NearestAacRate(22050), 22050u);
}

}  // namespace
