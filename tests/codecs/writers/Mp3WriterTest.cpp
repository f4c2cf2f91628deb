#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "codecs/writers/Mp3Writer.h"
#include "source/PcmBlock.h"
#include "support/AudioFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

namespace {

// What LAME adds ahead of and behind the signal, in samples: 576 of delay at
// the start and, at the flush, 1152 more so that the last samples leave its
// filter bank. A decoder that knows no Info frame plays both.
constexpr int kEncoderDelay = 576 + 1152;

off_t FileSize(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 ? info.st_size : -1;
}

// Hands an interleaved signal to the writer as planar blocks of `block`
// frames (larger than BLOCK_SAMPLES is allowed: the writer splits them).
bool EncodeSignal(Mp3Writer& writer, const std::vector<int16_t>& interleaved, int channels,
                  int block = BLOCK_SAMPLES) {
  const size_t frames = interleaved.size() / channels;
  std::vector<int16_t> left(block), right(block);
  for (size_t at = 0; at < frames; at += block) {
    const int count = static_cast<int>(std::min<size_t>(block, frames - at));
    for (int i = 0; i < count; ++i) {
      left[i] = interleaved[(at + i) * channels];
      right[i] = interleaved[(at + i) * channels + channels - 1];
    }
    if (!writer.WriteBlock16(left.data(), channels == 2 ? right.data() : nullptr, count))
      return false;
  }
  return true;
}

double Rms(const int16_t* samples, size_t count, size_t step) {
  double sum = 0;
  size_t n = 0;
  for (size_t i = 0; i < count; i += step, ++n) sum += double(samples[i]) * samples[i];
  return n ? std::sqrt(sum / n) : 0;
}

bool Contains(const std::string& bytes, const std::string& what) {
  return bytes.find(what) != std::string::npos;
}

// A frame sync: eleven set bits.
bool IsFrameSync(const std::string& bytes, size_t at) {
  return bytes.size() > at + 1 && static_cast<uint8_t>(bytes[at]) == 0xFF &&
         (static_cast<uint8_t>(bytes[at + 1]) & 0xE0) == 0xE0;
}

TEST(Mp3WriterTest, SettersClampTheirValues) {
  TempDir dir;
  const struct {
    int channels;
    int expected;
  } channelRows[] = {{-5, 1}, {0, 1}, {1, 1}, {2, 2}, {3, 2}, {100, 2}};
  for (const auto& row : channelRows) {
    Mp3Writer writer;
    ASSERT_TRUE(writer.Open(dir.File("c.mp3")));
    writer.SetChannels(row.channels);
    EXPECT_EQ(writer.Channels(), row.expected) << row.channels;
  }

  // LAME keeps a stereo mode as given for two channels at 128 kbit/s.
  const struct {
    int mode;
    int expected;
  } modeRows[] = {{0, 0}, {1, 1}, {2, 0}, {3, 3}, {4, 0}, {-1, 0}, {99, 0}};
  for (const auto& row : modeRows) {
    Mp3Writer writer;
    ASSERT_TRUE(writer.Open(dir.File("m.mp3")));
    writer.SetInputRate(44100);
    writer.SetChannels(2);
    writer.SetMode(row.mode);
    writer.SetBitRate(128);
    ASSERT_TRUE(writer.Start());
    EXPECT_EQ(writer.Mode(), row.expected) << row.mode;
  }

  // 8000 Hz admits 8 kbit/s, 44100 Hz admits 320.
  const struct {
    int rate, kbps, expected;
  } rateRows[] = {{8000, 4, 8},      {8000, -20, 8},    {8000, 8, 8},
                  {44100, 320, 320}, {44100, 500, 320}, {44100, 100000, 320}};
  for (const auto& row : rateRows) {
    Mp3Writer writer;
    ASSERT_TRUE(writer.Open(dir.File("b.mp3")));
    writer.SetInputRate(row.rate);
    writer.SetOutputRate(row.rate);
    writer.SetChannels(1);
    writer.SetBitRate(row.kbps);
    ASSERT_TRUE(writer.Start());
    EXPECT_EQ(writer.BitRate(), row.expected) << row.kbps << " at " << row.rate;
  }
}

TEST(Mp3WriterTest, EncodesConstantBitRateWithoutAHeaderFrame) {
  const struct {
    int rate, channels, kbps, block;
    const char* layout;
  } rows[] = {
      {44100, 2, 128, BLOCK_SAMPLES, "stereo"},
      {22050, 1, 64, 1000, "mono"},     // blocks that do not match MPEG frames
      {48000, 2, 192, 5000, "stereo"},  // blocks larger than the writer's chunk
      {16000, 1, 32, 333, "mono"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << row.rate << " Hz, " << row.channels << " channels, " << row.kbps << " kbit/s");
    TempDir dir;
    const std::string path = dir.File("out.mp3");
    const int frames = row.rate * 5 / 2 + 17;
    const std::vector<int16_t> signal = SineWave(frames, row.channels, row.rate, 440, 0.5);
    Mp3Writer writer;
    ASSERT_TRUE(writer.Open(path));
    writer.SetInputRate(row.rate);
    writer.SetChannels(row.channels);
    writer.SetMode(row.channels == 2 ? 1 : 3);
    writer.SetOutputRate(row.rate);
    writer.SetBitRate(row.kbps);
    ASSERT_TRUE(writer.Start());
    ASSERT_TRUE(EncodeSignal(writer, signal, row.channels, row.block));
    ASSERT_TRUE(writer.Close());
    EXPECT_FALSE(writer.IsOpen());

    EXPECT_EQ(ProbeStreamField(path, "codec_name"), "mp3");
    EXPECT_EQ(ProbeStreamField(path, "sample_rate"), std::to_string(row.rate));
    EXPECT_EQ(ProbeStreamField(path, "bit_rate"), std::to_string(row.kbps * 1000));
    EXPECT_EQ(ProbeStreamField(path, "channels"), std::to_string(row.channels));
    EXPECT_EQ(ProbeStreamField(path, "channel_layout"), row.layout);

    // The decoded length exceeds the input by at most the padding of the
    // last frame plus the encoder's delay.
    const int frameSamples = row.rate >= 32000 ? 1152 : 576;
    const double seconds = static_cast<double>(frames) / row.rate;
    const double slack = static_cast<double>(frameSamples + kEncoderDelay) / row.rate;
    const double duration = std::atof(ProbeStreamField(path, "duration").c_str());
    EXPECT_GE(duration, seconds - 0.001);
    EXPECT_LE(duration, seconds + slack);
    const Decoded decoded = DecodeWithFfmpeg(path);
    ASSERT_TRUE(decoded.ok);
    EXPECT_GE(decoded.Frames(), frames);
    EXPECT_LE(decoded.Frames(), frames + frameSamples + kEncoderDelay);
    // The level survives in every channel: a sine at half scale.
    for (int c = 0; c < row.channels; ++c) {
      const double rms = Rms(decoded.samples.data() + c, decoded.samples.size() - c, row.channels);
      EXPECT_NEAR(rms, 0.5 * 32767 / std::sqrt(2.0), 0.1 * 0.5 * 32767) << "channel " << c;
    }

    // Frames from the first byte to the last: no tag of LAME's own and no
    // VBR/Info header frame.
    const std::string bytes = ReadFileText(path);
    EXPECT_TRUE(IsFrameSync(bytes, 0));
    EXPECT_FALSE(Contains(bytes, "Xing"));
    EXPECT_FALSE(Contains(bytes, "Info"));
    EXPECT_FALSE(Contains(bytes, "ID3"));
    EXPECT_FALSE(Contains(bytes.substr(bytes.size() - 128), "TAG"));
  }
}

TEST(Mp3WriterTest, TagImagesSurroundTheFrames) {
  TempDir dir;
  const std::string path = dir.File("tagged.mp3");
  // A bare ID3v2.3 tag holding 20 bytes of padding, and an ID3v1 tag.
  std::string v2("ID3\x03\x00\x00\x00\x00\x00\x14", 10);
  v2 += std::string(20, '\0');
  std::string v1 = "TAG" + std::string("Title");
  v1.resize(128, '\0');
  v1[127] = 17;

  Mp3Writer writer;
  ASSERT_TRUE(writer.Open(path));
  EXPECT_FALSE(writer.SetId3v1(reinterpret_cast<const uint8_t*>(v1.data()), 127));
  EXPECT_FALSE(writer.SetId3v1(nullptr, 128));
  ASSERT_TRUE(writer.SetId3v1(reinterpret_cast<const uint8_t*>(v1.data()), v1.size()));
  ASSERT_TRUE(writer.SetId3v2(reinterpret_cast<const uint8_t*>(v2.data()), v2.size()));
  writer.SetInputRate(44100);
  writer.SetChannels(1);
  ASSERT_TRUE(writer.Start());
  EXPECT_FALSE(writer.SetId3v2(reinterpret_cast<const uint8_t*>(v2.data()), v2.size()))
      << "the ID3v2 image is already written";
  ASSERT_TRUE(EncodeSignal(writer, SineWave(44100, 1, 44100, 440), 1));
  ASSERT_TRUE(writer.Close());

  const std::string bytes = ReadFileText(path);
  ASSERT_GT(bytes.size(), v2.size() + v1.size());
  EXPECT_EQ(bytes.substr(0, v2.size()), v2);
  EXPECT_TRUE(IsFrameSync(bytes, v2.size())) << "the first frame follows the ID3v2 image";
  EXPECT_EQ(bytes.substr(bytes.size() - 128), v1);
  EXPECT_EQ(ProbeStreamField(path, "channels"), "1");
  const double duration = std::atof(ProbeStreamField(path, "duration").c_str());
  EXPECT_GE(duration, 1.0);
  EXPECT_LE(duration, 1.0 + (1152.0 + kEncoderDelay) / 44100);
}

TEST(Mp3WriterTest, CallsOutOfOrderAreRefused) {
  TempDir dir;
  const std::string path = dir.File("order.mp3");
  const int16_t samples[8] = {};
  Mp3Writer writer;
  EXPECT_FALSE(writer.Start()) << "nothing is open";
  EXPECT_FALSE(writer.WriteBlock16(samples, samples, 8));
  EXPECT_FALSE(writer.SetId3v2(reinterpret_cast<const uint8_t*>("ID3"), 3));
  EXPECT_TRUE(writer.Close()) << "closing nothing is harmless";

  ASSERT_TRUE(writer.Open(path));
  EXPECT_FALSE(writer.WriteBlock16(samples, samples, 8)) << "not started";
  writer.SetInputRate(44100);
  writer.SetChannels(2);
  writer.SetBitRate(128);
  ASSERT_TRUE(writer.Start());
  EXPECT_FALSE(writer.Start()) << "started once";
  writer.SetBitRate(320);
  EXPECT_EQ(writer.BitRate(), 128) << "settings after Start have no effect";
  EXPECT_TRUE(writer.WriteBlock16(samples, samples, 0));
  EXPECT_TRUE(writer.WriteBlock16(samples, samples, 8));
  EXPECT_FALSE(writer.WriteBlock16(samples, nullptr, 8)) << "stereo needs a right array";
  EXPECT_FALSE(writer.WriteBlock16(samples, samples, 8)) << "the file has failed";
  EXPECT_FALSE(writer.Close());
  EXPECT_TRUE(writer.Close());

  // A negative count fails the file too.
  ASSERT_TRUE(writer.Open(path));
  ASSERT_TRUE(writer.Start());
  EXPECT_FALSE(writer.WriteBlock16(samples, samples, -1));
  EXPECT_FALSE(writer.Close());

  // A file that was opened but never started holds no MPEG data.
  ASSERT_TRUE(writer.Open(path));
  EXPECT_FALSE(writer.Close());

  // Opening again closes the file before: both are complete.
  ASSERT_TRUE(writer.Open(dir.File("first.mp3")));
  ASSERT_TRUE(writer.Start());
  ASSERT_TRUE(EncodeSignal(writer, SineWave(4410, 2, 44100, 440), 2));
  ASSERT_TRUE(writer.Open(dir.File("second.mp3")));
  EXPECT_EQ(writer.Path(), dir.File("second.mp3"));
  EXPECT_EQ(ProbeStreamField(dir.File("first.mp3"), "codec_name"), "mp3");
}

TEST(Mp3WriterTest, TheDestructorFinishesTheFile) {
  TempDir dir;
  const std::string path = dir.File("unclosed.mp3");
  std::string v1 = "TAG";
  v1.resize(128, 'x');
  {
    Mp3Writer writer;
    ASSERT_TRUE(writer.Open(path));
    ASSERT_TRUE(writer.SetId3v1(reinterpret_cast<const uint8_t*>(v1.data()), v1.size()));
    writer.SetInputRate(22050);
    writer.SetChannels(1);
    ASSERT_TRUE(writer.Start());
    ASSERT_TRUE(EncodeSignal(writer, SineWave(22050, 1, 22050, 440), 1));
  }
  const std::string bytes = ReadFileText(path);
  EXPECT_EQ(bytes.substr(bytes.size() - 128), v1);
  const Decoded decoded = DecodeWithFfmpeg(path);
  ASSERT_TRUE(decoded.ok);
  EXPECT_GE(decoded.Frames(), 22050) << "the flushed tail is in the file";
}

TEST(Mp3WriterTest, OpenFailsOnAnImpossiblePath) {
  TempDir dir;
  Mp3Writer writer;
  EXPECT_FALSE(writer.Open(dir.File("missing/out.mp3")));
  EXPECT_FALSE(writer.IsOpen());
  EXPECT_FALSE(writer.Open(dir.Path()));  // a folder
  EXPECT_FALSE(writer.IsOpen());
  EXPECT_EQ(FileSize(dir.File("missing/out.mp3")), -1);
  EXPECT_FALSE(writer.Start());
}

TEST(Mp3WriterTest, AFullDiskFailsTheFile) {
  TempDir dir;
  const std::vector<int16_t> signal = SineWave(44100 * 5, 2, 44100, 440);  // about 80 KB

  // The frames do not fit.
  {
    const std::string path = dir.File("frames.mp3");
    bool written = true;
    bool closed = true;
    {
      FileSizeLimit limit(20000);
      ASSERT_TRUE(limit.Active());
      Mp3Writer writer;
      ASSERT_TRUE(writer.Open(path));
      writer.SetInputRate(44100);
      writer.SetChannels(2);
      ASSERT_TRUE(writer.Start());
      written = EncodeSignal(writer, signal, 2);
      closed = writer.Close();
    }
    EXPECT_FALSE(written);
    EXPECT_FALSE(closed);
    EXPECT_LE(FileSize(path), 20000);
  }

  // Every frame fits, the flush and the ID3v1 image do not: Close fails.
  {
    const std::string path = dir.File("tail.mp3");
    std::string v1 = "TAG";
    v1.resize(128, ' ');
    Mp3Writer writer;
    ASSERT_TRUE(writer.Open(path));
    ASSERT_TRUE(writer.SetId3v1(reinterpret_cast<const uint8_t*>(v1.data()), v1.size()));
    writer.SetInputRate(44100);
    writer.SetChannels(2);
    ASSERT_TRUE(writer.Start());
    ASSERT_TRUE(EncodeSignal(writer, signal, 2));
    FileSizeLimit limit(static_cast<rlim_t>(FileSize(path)));
    ASSERT_TRUE(limit.Active());
    EXPECT_FALSE(writer.Close());
  }

  // Not even the ID3v2 image fits: Start fails.
  {
    const std::string path = dir.File("head.mp3");
    const std::vector<uint8_t> v2(1000, 0);
    FileSizeLimit limit(100);
    ASSERT_TRUE(limit.Active());
    Mp3Writer writer;
    ASSERT_TRUE(writer.Open(path));
    ASSERT_TRUE(writer.SetId3v2(v2.data(), v2.size()));
    EXPECT_FALSE(writer.Start());
    EXPECT_FALSE(writer.Close());
  }
}

}  // namespace
