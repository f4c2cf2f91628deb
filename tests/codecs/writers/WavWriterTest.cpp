#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "codecs/writers/WavWriter.h"
#include "source/PcmBlock.h"
#include "platform/bytes/ByteOrder.h"
#include "support/AudioFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

namespace {

uint32_t Le32(const std::string& bytes, size_t at) { return LoadLe<32>(bytes.data() + at); }
uint16_t Le16(const std::string& bytes, size_t at) { return LoadLe<16>(bytes.data() + at); }

off_t FileSize(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 ? info.st_size : -1;
}

// Planar blocks of an interleaved 16-bit signal, written in blocks of
// BLOCK_SAMPLES frames; 8-bit output takes the high byte plus 128.
bool WriteSignal(WavWriter& writer, const std::vector<int16_t>& interleaved, int channels,
                 int bits) {
  const size_t frames = interleaved.size() / channels;
  for (size_t at = 0; at < frames; at += BLOCK_SAMPLES) {
    const int count = static_cast<int>(std::min<size_t>(BLOCK_SAMPLES, frames - at));
    PcmBlock block;
    for (int i = 0; i < count; ++i) {
      const int16_t l = interleaved[(at + i) * channels];
      const int16_t r = interleaved[(at + i) * channels + channels - 1];
      if (bits == 16) {
        block.left[i] = l;
        block.right[i] = r;
      } else {
        block.Left8()[i] = static_cast<uint8_t>((l >> 8) + 128);
        block.Right8()[i] = static_cast<uint8_t>((r >> 8) + 128);
      }
    }
    const bool ok = bits == 16 ? writer.WriteBlock16(block.left, block.right, count)
                               : writer.WriteBlock8(block.Left8(), block.Right8(), count);
    if (!ok) return false;
  }
  return true;
}

TEST(WavWriterTest, HeaderFieldsAndSizesForEachLayout) {
  const struct {
    bool stereo;
    uint32_t bits;
    uint32_t rate;
    int frames;
  } rows[] = {
      {false, 8, 8000, 1001},  // odd data size: no pad byte follows
      {true, 8, 11025, 1500},  {false, 16, 22050, 2500},
      {true, 16, 44100, 3000}, {true, 16, 48000, 0},  // nothing delivered: a bare header
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << (row.stereo ? "stereo " : "mono ") << row.bits << " bits, "
                                    << row.frames << " frames");
    TempDir dir;
    const std::string path = dir.File("out.wav");
    const int channels = row.stereo ? 2 : 1;
    {
      WavWriter writer;
      ASSERT_TRUE(writer.Open(path, {row.rate, row.stereo ? 2u : 1u, row.bits}));
      ASSERT_TRUE(
          WriteSignal(writer, SineWave(row.frames, channels, row.rate, 440), channels, row.bits));
      ASSERT_TRUE(writer.Close());
      EXPECT_TRUE(writer.Close()) << "a second Close is harmless";
    }
    const std::string bytes = ReadFileText(path);
    const uint32_t data = static_cast<uint32_t>(row.frames * channels * row.bits / 8);
    ASSERT_EQ(bytes.size(), 44u + data);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(Le32(bytes, 4), 36 + data);
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le32(bytes, 16), 16u);
    EXPECT_EQ(Le16(bytes, 20), 1u);
    EXPECT_EQ(Le16(bytes, 22), channels);
    EXPECT_EQ(Le32(bytes, 24), row.rate);
    EXPECT_EQ(Le32(bytes, 28), row.rate * channels * row.bits / 8);
    EXPECT_EQ(Le16(bytes, 32), channels * row.bits / 8);
    EXPECT_EQ(Le16(bytes, 34), row.bits);
    EXPECT_EQ(bytes.substr(36, 4), "data");
    EXPECT_EQ(Le32(bytes, 40), data);
  }
}

TEST(WavWriterTest, MonoIgnoresTheRightArray) {
  TempDir dir;
  const std::string path = dir.File("mono.wav");
  const int16_t left[3] = {1, -2, 3};
  const int16_t right[3] = {100, 200, 300};
  WavWriter writer;
  ASSERT_TRUE(writer.Open(path, {8000, 1, 16}));
  ASSERT_TRUE(writer.WriteBlock16(left, right, 3));
  ASSERT_TRUE(writer.WriteBlock16(left, nullptr, 1));
  ASSERT_TRUE(writer.Close());
  const std::string bytes = ReadFileText(path);
  ASSERT_EQ(bytes.size(), 44u + 8u);
  EXPECT_EQ(bytes.substr(44), std::string("\x01\x00\xfe\xff\x03\x00\x01\x00", 8));
}

TEST(WavWriterTest, DestructorPatchesTheSizes) {
  TempDir dir;
  const std::string path = dir.File("unclosed.wav");
  {
    WavWriter writer;
    ASSERT_TRUE(writer.Open(path, {8000, 2, 8}));
    const uint8_t left[5] = {1, 2, 3, 4, 5}, right[5] = {6, 7, 8, 9, 10};
    ASSERT_TRUE(writer.WriteBlock8(left, right, 5));
    // While the file is open the size fields hold their placeholder.
    const std::string open = ReadFileText(path);
    EXPECT_EQ(Le32(open, 4), 4u);
    EXPECT_EQ(Le32(open, 40), 4u);
  }
  const std::string bytes = ReadFileText(path);
  ASSERT_EQ(bytes.size(), 54u);
  EXPECT_EQ(Le32(bytes, 4), 46u);
  EXPECT_EQ(Le32(bytes, 40), 10u);
  EXPECT_EQ(bytes.substr(44), std::string("\x01\x06\x02\x07\x03\x08\x04\x09\x05\x0a", 10));
}

TEST(WavWriterTest, OpenRefusesWhatItCannotWrite) {
  TempDir dir;
  WavWriter writer;
  EXPECT_FALSE(writer.Open(dir.File("missing/out.wav"), {44100, 2, 16}));
  EXPECT_FALSE(writer.Open(dir.File("24bit.wav"), {44100, 2, 24}));
  EXPECT_FALSE(writer.Open(dir.File("norate.wav"), {0, 2, 16}));
  EXPECT_FALSE(writer.Open(dir.File("three.wav"), {44100, 3, 16}));
  EXPECT_EQ(FileSize(dir.File("24bit.wav")), -1);
  EXPECT_EQ(FileSize(dir.File("norate.wav")), -1);
  EXPECT_EQ(FileSize(dir.File("three.wav")), -1);
  const int16_t samples[2] = {};
  EXPECT_FALSE(writer.WriteBlock16(samples, samples, 2)) << "nothing is open";

  // Opening over an existing file truncates it; a block of the other depth
  // is refused.
  WriteFileText(dir.File("old.wav"), std::string(5000, 'x'));
  ASSERT_TRUE(writer.Open(dir.File("old.wav"), {8000, 1, 16}));
  EXPECT_FALSE(writer.WriteBlock8(reinterpret_cast<const uint8_t*>(samples), nullptr, 2));
  EXPECT_FALSE(writer.Close()) << "a refused block fails the file";
  EXPECT_EQ(FileSize(dir.File("old.wav")), 44);
}

TEST(WavWriterTest, WriteErrorsFailTheBlockAndClose) {
  TempDir dir;
  const std::string path = dir.File("full.wav");
  const std::vector<int16_t> signal = SineWave(44100, 2, 44100, 440);
  bool written = true;
  bool closed = true;
  {
    FileSizeLimit limit(20000);
    ASSERT_TRUE(limit.Active());
    WavWriter writer;
    ASSERT_TRUE(writer.Open(path, {44100, 2, 16}));
    written = WriteSignal(writer, signal, 2, 16);
    closed = writer.Close();
  }
  EXPECT_FALSE(written);
  EXPECT_FALSE(closed);
  EXPECT_LE(FileSize(path), 20000);

  // Not even the header fits: Open fails and leaves no file.
  {
    FileSizeLimit limit(10);
    ASSERT_TRUE(limit.Active());
    WavWriter writer;
    EXPECT_FALSE(writer.Open(dir.File("tiny.wav"), {44100, 2, 16}));
  }
  EXPECT_EQ(FileSize(dir.File("tiny.wav")), -1);
}

TEST(WavWriterTest, DataThatTheSizeFieldsCannotDescribeIsRefused) {
  // The RIFF size (data + 36) is the field that overflows first.
  EXPECT_EQ(WavWriter::kMaxDataBytes + 36, 0xFFFFFFFFull);
  EXPECT_TRUE(WavWriter::FitsSizeFields(WavWriter::kMaxDataBytes));
  EXPECT_FALSE(WavWriter::FitsSizeFields(WavWriter::kMaxDataBytes + 1));
  EXPECT_FALSE(WavWriter::FitsSizeFields(4ull << 30));

  // The same refusal with a lowered limit: the block that would pass it is
  // written not at all, and the header still describes what is there.
  TempDir dir;
  const std::string path = dir.File("limit.wav");
  WavWriter writer(1000);
  ASSERT_TRUE(writer.Open(path, {8000, 2, 16}));
  const std::vector<int16_t> samples(BLOCK_SAMPLES, 1000);
  ASSERT_TRUE(writer.WriteBlock16(samples.data(), samples.data(), 200));  // 800 bytes
  ASSERT_TRUE(writer.WriteBlock16(samples.data(), samples.data(), 50));   // exactly 1000
  EXPECT_FALSE(writer.WriteBlock16(samples.data(), samples.data(), 1));   // 1004
  EXPECT_FALSE(writer.Close());
  const std::string bytes = ReadFileText(path);
  ASSERT_EQ(bytes.size(), 1044u);
  EXPECT_EQ(Le32(bytes, 4), 1036u);
  EXPECT_EQ(Le32(bytes, 40), 1000u);
}

}  // namespace
