#include "codecs/readers/AiffSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "support/ReaderFixtures.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

bool OpenMemory(AiffSource& source, const Bytes& bytes) {
  return source.OpenBytes(std::make_unique<MemoryByteSource>(bytes));
}

int MaxDifference(const std::vector<int16_t>& a, const std::vector<int16_t>& b) {
  int worst = 0;
  for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) worst = std::max(worst, std::abs(a[i] - b[i]));
  return worst;
}

struct EncodedCase {
  const char* name;
  std::vector<std::string> ffmpegArgs;
  int channels;
  int bits;
  int tolerance;
};
void PrintTo(const EncodedCase& c, std::ostream* os) { *os << c.name; }

class AiffEncodings : public ::testing::TestWithParam<EncodedCase> {};

// A DWVW encoder for the tests, written from the format's description: per
// sample the change of delta width (zeros up to a one, at most half the
// width, then a sign bit), the delta without its leading one, the delta's
// sign, and an extra bit for the largest magnitude.
class DwvwWriter {
 public:
  explicit DwvwWriter(int width) : width_(width) {}
  void Put(int sample) {
    const int maxDelta = 1 << (width_ - 1);
    int delta = sample - last_;
    // Deltas wrap around the sample range.
    if (delta > maxDelta) delta -= 2 * maxDelta;
    if (delta < -maxDelta) delta += 2 * maxDelta;
    bool negative = delta < 0;
    delta = std::abs(delta);
    int extra = -1;
    if (delta == maxDelta) {
      extra = 1;
      delta = maxDelta - 1;
    } else if (delta == maxDelta - 1) {
      extra = 0;
    }
    int deltaWidth = 0;
    for (int d = delta; d; d >>= 1) ++deltaWidth;
    int modifier = (deltaWidth - lastWidth_) % width_;
    if (modifier > width_ / 2) modifier -= width_;
    if (modifier < -width_ / 2) modifier += width_;
    Bits(0, std::abs(modifier));
    if (std::abs(modifier) != width_ / 2) Bits(1, 1);
    if (modifier != 0) Bits(modifier < 0 ? 1 : 0, 1);
    if (deltaWidth) {
      Bits(static_cast<uint32_t>(delta), deltaWidth - 1);
      Bits(negative ? 1 : 0, 1);
    }
    if (extra >= 0) Bits(static_cast<uint32_t>(extra), 1);
    last_ = sample;
    lastWidth_ = deltaWidth;
  }
  Bytes Finish() {
    while (count_ % 8) Bits(0, 1);
    return out_;
  }

 private:
  void Bits(uint32_t value, int n) {
    for (int i = n - 1; i >= 0; --i) {
      acc_ = (acc_ << 1) | ((value >> i) & 1);
      if (++count_ % 8 == 0) out_.push_back(static_cast<uint8_t>(acc_));
    }
  }
  int width_;
  int last_ = 0;
  int lastWidth_ = 0;
  uint32_t acc_ = 0;
  int count_ = 0;
  Bytes out_;
};

}  // namespace

// Files written by the ffmpeg tool, compared with ffmpeg's own decode.
TEST_P(AiffEncodings, MatchIndependentDecode) {
  const EncodedCase& c = GetParam();
  TempDir dir;
  WriteWav16(dir.File("in.wav"), 11025, c.channels, SineWave(30000, c.channels, 11025, 330, 0.7));
  std::vector<std::string> args = {"-i", dir.File("in.wav")};
  args.insert(args.end(), c.ffmpegArgs.begin(), c.ffmpegArgs.end());
  args.push_back(dir.File("out.aiff"));
  ASSERT_TRUE(RunFfmpeg(args));

  AiffSource reader;
  ASSERT_TRUE(reader.Open(dir.File("out.aiff"), 0));
  EXPECT_EQ(reader.GetSampleRate(), 11025u);
  EXPECT_EQ(reader.GetOutputChannels(), static_cast<uint32_t>(c.channels));
  EXPECT_EQ(reader.GetBitsPerSample(), static_cast<uint32_t>(c.bits));
  EXPECT_EQ(reader.GetDuration(), 2u);
  const SourceDump dump = ReadToEnd(reader);
  EXPECT_TRUE(dump.contractKept);
  EXPECT_EQ(reader.GetPosition(), reader.GetLength());
  const Decoded reference = DecodeWithFfmpeg(dir.File("out.aiff"));
  ASSERT_TRUE(reference.ok);
  ASSERT_EQ(dump.samples.size(), reference.samples.size());
  EXPECT_LE(MaxDifference(dump.samples, reference.samples), c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    AiffSource, AiffEncodings,
    ::testing::Values(EncodedCase{"s8", {"-c:a", "pcm_s8"}, 2, 8, 0},
                      EncodedCase{"raw_u8", {"-c:a", "pcm_u8"}, 1, 8, 0},
                      EncodedCase{"s16", {"-c:a", "pcm_s16be"}, 2, 16, 0},
                      EncodedCase{"sowt", {"-c:a", "pcm_s16le"}, 2, 16, 0},
                      EncodedCase{"s24", {"-c:a", "pcm_s24be"}, 2, 16, 0},
                      EncodedCase{"s32", {"-c:a", "pcm_s32be"}, 1, 16, 0},
                      EncodedCase{"fl32", {"-c:a", "pcm_f32be"}, 2, 16, 1},
                      EncodedCase{"fl64", {"-c:a", "pcm_f64be"}, 1, 16, 1},
                      EncodedCase{"ulaw", {"-c:a", "pcm_mulaw"}, 2, 16, 0},
                      EncodedCase{"alaw", {"-c:a", "pcm_alaw"}, 1, 16, 0},
                      EncodedCase{"ima4_mono", {"-c:a", "adpcm_ima_qt"}, 1, 16, 0},
                      EncodedCase{"ima4_stereo", {"-c:a", "adpcm_ima_qt"}, 2, 16, 0}),
    [](const ::testing::TestParamInfo<EncodedCase>& param) { return std::string(param.param.name); });

TEST(AiffSource, GsmMatchesIndependentDecode) {
  TempDir dir;
  WriteWav16(dir.File("in.wav"), 8000, 1, SineWave(16000, 1, 8000, 440, 0.5));
  ASSERT_TRUE(RunFfmpeg({"-i", dir.File("in.wav"), "-c:a", "libgsm", "-f", "gsm", dir.File("raw.gsm")}));
  const Bytes frames = ReadBytes(dir.File("raw.gsm"));
  ASSERT_EQ(frames.size() % 33, 0u);
  const uint32_t count = static_cast<uint32_t>(frames.size() / 33 * 160);
  WriteBytes(dir.File("gsm.aifc"), AiffFile(true, {IffChunk("FVER", {0xA2, 0x80, 0x51, 0x40}),
                                                   IffChunk("COMM", AiffCommBody(1, count, 16, 8000, "GSM ", "GSM 6.10")),
                                                   IffChunk("SSND", AiffSsndBody(frames))}));
  AiffSource reader;
  ASSERT_TRUE(reader.Open(dir.File("gsm.aifc"), 0));
  const SourceDump dump = ReadToEnd(reader);
  EXPECT_TRUE(dump.contractKept);
  EXPECT_EQ(dump.samples, DecodeWithFfmpeg(dir.File("gsm.aifc")).samples);
  EXPECT_EQ(dump.samples.size(), count);
}

// DWVW files made by the test's own encoder. DWVW is lossless, so the
// delivered samples are the encoded ones; libsndfile (through sox) is the
// independent decoder for the widths it reads (8, 16 and 24 bits).
TEST(AiffSource, DwvwMatchesSignalAndLibsndfile) {
  for (int width : {8, 12, 16, 24}) {
    for (int channels : {1, 2, 6}) {
      const int frames = 3000;
      std::vector<int16_t> signal = SineWave(frames, channels, 8000, 200, 0.8);
      DwvwWriter writer(width);
      std::vector<int16_t> expected;
      for (size_t i = 0; i < signal.size(); ++i) {
        int value = width >= 16 ? signal[i] * (1 << (width - 16)) : signal[i] >> (16 - width);
        // Full-scale jumps now and then exercise the largest deltas.
        if (i % 997 == 5) value = -(1 << (width - 1));
        if (i % 997 == 6) value = (1 << (width - 1)) - 1;
        writer.Put(value);
        const int16_t top = static_cast<int16_t>(width >= 16 ? value >> (width - 16) : value * (1 << (16 - width)));
        const size_t channel = i % channels;
        if (channel == 0 || channel == (channels == 6 ? 3u : 1u)) expected.push_back(top);
      }
      TempDir dir;
      const std::string path = dir.File("dwvw.aifc");
      WriteBytes(path, AiffFile(true, {IffChunk("COMM", AiffCommBody(static_cast<uint16_t>(channels), frames,
                                                                      static_cast<uint16_t>(width), 8000, "DWVW", "")),
                                       IffChunk("SSND", AiffSsndBody(writer.Finish()))}));
      AiffSource reader;
      ASSERT_TRUE(reader.Open(path, 0));
      const SourceDump dump = ReadToEnd(reader);
      EXPECT_TRUE(dump.contractKept);
      ASSERT_GE(dump.samples.size(), expected.size());
      EXPECT_TRUE(std::equal(expected.begin(), expected.end(), dump.samples.begin())) << width << " " << channels;
      if (width == 12) continue;
      const std::vector<int16_t> reference = PickChannels(DecodeWithSox(path, "sndfile"), channels, 0,
                                                          channels == 1 ? -1 : channels == 6 ? 3 : 1);
      ASSERT_EQ(reference.size(), expected.size()) << width << " " << channels;
      EXPECT_TRUE(std::equal(reference.begin(), reference.end(), dump.samples.begin())) << width << " " << channels;
    }
  }
}

TEST(AiffSource, ChunksInEitherOrderAndCommonChunkSizes) {
  const std::vector<int16_t> samples = {100, -100, 32767, -32768, 5, 6};
  const Bytes ssnd = IffChunk("SSND", AiffSsndBody(PcmBytes16(samples, true), 4));
  const Bytes comm = IffChunk("COMM", AiffCommBody(2, 3, 16, 44100));
  Bytes comm20 = AiffCommBody(2, 3, 16, 44100);
  comm20.insert(comm20.end(), {0, 0});
  const Bytes aifcComm24 = IffChunk("COMM", AiffCommBody(2, 3, 16, 44100, "NONE", "ab"));  // 22 + "\2ab"
  const Bytes aifcComm22 = IffChunk("COMM", [] {
    Bytes b = AiffCommBody(2, 3, 16, 44100, "NONE", "");
    b.resize(22);  // the type alone, no name
    return b;
  }());
  const Bytes marker = IffChunk("MARK", {0, 0, 1});
  struct Case {
    const char* what;
    Bytes file;
    bool opens;
  } cases[] = {
      {"common first", AiffFile(false, {comm, ssnd}), true},
      {"sound first", AiffFile(false, {ssnd, marker, comm}), true},
      {"odd chunk between", AiffFile(false, {marker, comm, marker, ssnd}), true},
      {"AIFF common of 20 bytes", AiffFile(false, {IffChunk("COMM", comm20), ssnd}), false},
      {"AIFF-C common of 24 bytes", AiffFile(true, {aifcComm24, ssnd}), true},
      {"AIFF-C common of 22 bytes", AiffFile(true, {aifcComm22, ssnd}), true},
      {"AIFF-C common of 18 bytes", AiffFile(true, {comm, ssnd}), false},
      {"no sound chunk", AiffFile(false, {comm}), false},
      {"no common chunk", AiffFile(false, {ssnd}), false},
  };
  for (const Case& c : cases) {
    AiffSource reader;
    ASSERT_EQ(OpenMemory(reader, c.file), c.opens) << c.what;
    if (c.opens) {
      EXPECT_EQ(ReadToEnd(reader).samples, samples) << c.what;
      EXPECT_EQ(reader.GetLength(), samples.size() * 2) << c.what;
    }
  }
}

TEST(AiffSource, ChannelCountsAndPicking) {
  for (int channels = 1; channels <= 7; ++channels) {
    std::vector<int16_t> samples(static_cast<size_t>(channels) * 1500);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>(i % channels * 1000 + i / channels);
    const Bytes file = AiffFile(false, {IffChunk("COMM", AiffCommBody(static_cast<uint16_t>(channels), 1500, 16, 8000)),
                                        IffChunk("SSND", AiffSsndBody(PcmBytes16(samples, true)))});
    AiffSource reader;
    const bool supported = channels <= 4 || channels == 6;
    ASSERT_EQ(OpenMemory(reader, file), supported) << channels;
    if (!supported) continue;
    EXPECT_EQ(reader.GetChannels(), static_cast<uint32_t>(channels));
    const int right = channels == 1 ? -1 : channels == 6 ? 3 : 1;
    const SourceDump dump = ReadToEnd(reader);
    EXPECT_TRUE(dump.contractKept);
    EXPECT_EQ(dump.samples, PickChannels(samples, channels, 0, right)) << channels;
  }
}

TEST(AiffSource, SampleValueEdges) {
  // 24-bit extremes, big- and little-endian ("sowt" in lower case).
  const Bytes be24 = {0x7F, 0xFF, 0xFF, 0x80, 0x00, 0x00, 0x00, 0x01, 0x00};
  const Bytes le24 = {0xFF, 0xFF, 0x7F, 0x00, 0x00, 0x80, 0x00, 0x01, 0x00};
  AiffSource reader;
  ASSERT_TRUE(OpenMemory(reader, AiffFile(false, {IffChunk("COMM", AiffCommBody(1, 3, 24, 8000)),
                                                  IffChunk("SSND", AiffSsndBody(be24))})));
  EXPECT_EQ(ReadToEnd(reader).samples, (std::vector<int16_t>{32767, -32768, 1}));
  ASSERT_TRUE(OpenMemory(reader, AiffFile(true, {IffChunk("COMM", AiffCommBody(1, 3, 24, 8000, "sowt", "")),
                                                 IffChunk("SSND", AiffSsndBody(le24))})));
  EXPECT_EQ(ReadToEnd(reader).samples, (std::vector<int16_t>{32767, -32768, 1}));

  // Signed 8-bit: -128 is delivered as 0, 127 as 255. A frame count of 0
  // does not stop reading.
  ASSERT_TRUE(OpenMemory(reader, AiffFile(false, {IffChunk("COMM", AiffCommBody(1, 0, 8, 8000)),
                                                  IffChunk("SSND", AiffSsndBody({0x80, 0x7F, 0x00, 0xFF}))})));
  ASSERT_EQ(reader.GetBitsPerSample(), 8u);
  PcmBlock block;
  ASSERT_EQ(reader.Read(block), 4);
  EXPECT_EQ(block.Left8()[0], 0);
  EXPECT_EQ(block.Left8()[1], 255);
  EXPECT_EQ(block.Left8()[2], 128);
  EXPECT_EQ(block.Left8()[3], 127);
  EXPECT_EQ(reader.Read(block), 0);

  // 12-bit samples sit left-justified in two bytes.
  ASSERT_TRUE(OpenMemory(reader, AiffFile(false, {IffChunk("COMM", AiffCommBody(1, 1, 12, 8000)),
                                                  IffChunk("SSND", AiffSsndBody({0x12, 0x30}))})));
  EXPECT_EQ(ReadToEnd(reader).samples, (std::vector<int16_t>{0x1230}));
}

// Every compression name of the integer and law families, in either case,
// on the same two samples.
TEST(AiffSource, CompressionNames) {
  struct Case {
    const char* type;
    uint16_t bits;
    Bytes data;
    std::vector<int16_t> expected;
  } cases[] = {
      {"TWOS", 16, {0x12, 0x34, 0xFF, 0xFE}, {0x1234, -2}},
      {"twos", 16, {0x12, 0x34, 0xFF, 0xFE}, {0x1234, -2}},
      {"IN24", 24, {0x12, 0x34, 0x56, 0x80, 0x00, 0x01}, {0x1234, -32768}},
      {"in32", 32, {0x12, 0x34, 0x56, 0x78, 0xFF, 0xFF, 0xFF, 0xFF}, {0x1234, -1}},
      {"23NI", 16, {0x34, 0x12, 0xFE, 0xFF}, {0x1234, -2}},
      {"SOWT", 32, {0x78, 0x56, 0x34, 0x12, 0, 0, 0, 0x80}, {0x1234, -32768}},
      {"ulaw", 16, {0x00, 0xFF}, {-32124, 0}},
      {"ALAW", 16, {0xAA, 0xD5}, {32256, 8}},
      {"fl32", 16, {0x3F, 0x00, 0x00, 0x00, 0xBF, 0x80, 0x00, 0x00}, {16383, -32768}},
      {"FL64", 16, {0x3F, 0xE0, 0, 0, 0, 0, 0, 0, 0x40, 0, 0, 0, 0, 0, 0, 0}, {16383, 32767}},
  };
  for (const Case& c : cases) {
    AiffSource reader;
    ASSERT_TRUE(OpenMemory(reader, AiffFile(true, {IffChunk("COMM", AiffCommBody(1, 2, c.bits, 8000, c.type, "")),
                                                   IffChunk("SSND", AiffSsndBody(c.data))})))
        << c.type;
    EXPECT_EQ(ReadToEnd(reader).samples, c.expected) << c.type;
  }
  // "raw " is unsigned 8-bit, delivered as such.
  AiffSource reader;
  ASSERT_TRUE(OpenMemory(reader, AiffFile(true, {IffChunk("COMM", AiffCommBody(1, 2, 8, 8000, "raw ", "")),
                                                 IffChunk("SSND", AiffSsndBody({0x00, 0xC0}))})));
  PcmBlock block;
  ASSERT_EQ(reader.Read(block), 2);
  EXPECT_EQ(reader.GetBitsPerSample(), 8u);
  EXPECT_EQ(block.Left8()[0], 0x00);
  EXPECT_EQ(block.Left8()[1], 0xC0);
}

TEST(AiffSource, ExtendedSampleRates) {
  struct Case {
    Bytes bytes;
    uint32_t rate;
  } cases[] = {
      {{0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}, 44100},
      {{0x40, 0x0D, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}, 22050},
      {{0x40, 0x0D, 0xAC, 0x45, 0, 0, 0, 0, 0, 0}, 22050},  // 22050.5 truncated
      {{0x3F, 0xFF, 0x80, 0, 0, 0, 0, 0, 0, 0}, 1},
      {{0x3F, 0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0}, 0},         // 0.5
      {{0xC0, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}, 0},      // negative
      {{0x40, 0x1E, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}, 0xFFFFFFFFu},
      {{0x40, 0x1F, 0x80, 0, 0, 0, 0, 0, 0, 0}, 0},         // 2^32: too large
      {{0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 0},  // NaN
      {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(AiffSource::ExtendedToRate(c.bytes.data()), c.rate);
}

// Headers that must be refused, each built field by field.
TEST(AiffSource, RefusesMalformedFiles) {
  const Bytes ssnd = IffChunk("SSND", AiffSsndBody({1, 2, 3, 4}));
  ByteWriter forgedOffset;
  forgedOffset.Text("SSND").Be32(12)  // chunk of 12 bytes...
      .Be32(0x7FFFFFF0)               // ...whose offset points far past it
      .Be32(0)                        // block size
      .Be32(0);                       // four sample bytes
  struct Case {
    const char* what;
    Bytes file;
  } cases[] = {
      {"not FORM", [&] { Bytes f = AiffFile(false, {IffChunk("COMM", AiffCommBody(1, 2, 16, 8000)), ssnd}); f[0] = 'X'; return f; }()},
      {"form type", [&] { Bytes f = AiffFile(false, {IffChunk("COMM", AiffCommBody(1, 2, 16, 8000)), ssnd}); f[11] = 'X'; return f; }()},
      {"five channels", AiffFile(false, {IffChunk("COMM", AiffCommBody(5, 2, 16, 8000)), ssnd})},
      {"no channels", AiffFile(false, {IffChunk("COMM", AiffCommBody(0, 2, 16, 8000)), ssnd})},
      {"rate 0", AiffFile(false, {IffChunk("COMM", AiffCommBody(1, 2, 16, 0)), ssnd})},
      {"sample size 0", AiffFile(false, {IffChunk("COMM", AiffCommBody(1, 2, 0, 8000)), ssnd})},
      {"sample size 33", AiffFile(false, {IffChunk("COMM", AiffCommBody(1, 2, 33, 8000)), ssnd})},
      {"unknown compression", AiffFile(true, {IffChunk("COMM", AiffCommBody(1, 2, 16, 8000, "MAC3", "")), ssnd})},
      {"DWVW of 25 bits", AiffFile(true, {IffChunk("COMM", AiffCommBody(1, 2, 25, 8000, "DWVW", "")), ssnd})},
      {"DWVW of 7 bits", AiffFile(true, {IffChunk("COMM", AiffCommBody(1, 2, 7, 8000, "DWVW", "")), ssnd})},
      {"GSM with 3 channels", AiffFile(true, {IffChunk("COMM", AiffCommBody(3, 2, 16, 8000, "GSM ", "")), ssnd})},
      {"sound offset past the chunk", AiffFile(false, {IffChunk("COMM", AiffCommBody(1, 2, 16, 8000)), forgedOffset.bytes})},
      {"sound chunk of 6 bytes", AiffFile(false, {IffChunk("COMM", AiffCommBody(1, 2, 16, 8000)), IffChunk("SSND", Bytes(6, 0))})},
      {"chunk past the end", AiffFile(false, {IffChunk("COMM", AiffCommBody(1, 2, 16, 8000)), IffChunk("MARK", {1, 2})})},
      {"truncated", Bytes{'F', 'O', 'R', 'M', 0, 0, 0}},
  };
  cases[13].file[cases[13].file.size() - 5] = 0x7F;  // MARK claims about 2 GB
  for (const Case& c : cases) {
    AiffSource reader;
    EXPECT_FALSE(OpenMemory(reader, c.file)) << c.what;
    PcmBlock block;
    EXPECT_EQ(reader.Read(block), 0) << c.what;
    EXPECT_EQ(reader.GetLength(), 0u) << c.what;
  }
}

TEST(AiffSource, TruncatedSoundDataEndsWithTheFile) {
  std::vector<int16_t> samples(5000, 1234);
  Bytes file = AiffFile(false, {IffChunk("COMM", AiffCommBody(1, 5000, 16, 8000)),
                                IffChunk("SSND", AiffSsndBody(PcmBytes16(samples, true)))});
  file.resize(file.size() - 1001);  // half a sample at the end is lost too
  AiffSource reader;
  ASSERT_TRUE(OpenMemory(reader, file));
  EXPECT_EQ(reader.GetDuration(), 0u);
  EXPECT_EQ(reader.GetLength(), 10000u - 1001u);
  const SourceDump dump = ReadToEnd(reader);
  EXPECT_EQ(dump.samples.size(), 5000u - 501u);
  EXPECT_EQ(reader.GetPosition(), reader.GetLength() - 1);
}

TEST(AiffSource, SoxFilesAndReopen) {
  TempDir dir;
  const std::string path = dir.File("sox.aiff");
  ASSERT_TRUE(
      Succeeded(RunProcess("sox", {"-D", "-R", "-n", "-r", "22050", "-c", "2", "-b", "24", path,
                                   "synth", "1.5", "sine", "300", "sine", "500", "vol", "0.7"})));
  AiffSource reader;
  ASSERT_TRUE(reader.Open(path, 0));
  EXPECT_EQ(reader.GetDuration(), 1u);
  EXPECT_EQ(reader.GetBitRate(), 22050u * 3 / 2 * 2 * 3 / 125);  // 1.5 s of 24-bit stereo in 1 s
  const SourceDump dump = ReadToEnd(reader);
  EXPECT_EQ(dump.samples, DecodeWithSox(path));
  EXPECT_EQ(dump.samples, DecodeWithFfmpeg(path).samples);
  EXPECT_EQ(reader.GetPosition(), reader.GetLength());
  reader.Close();
  reader.Close();
  EXPECT_FALSE(reader.Open(dir.File("none.aiff"), 0));
  PcmBlock block;
  EXPECT_EQ(reader.Read(block), 0);
}

TEST(AiffSource, GivesBackEveryFileDescriptor) {
  TempDir dir;
  WriteBytes(dir.File("good"), AiffFile(false, {IffChunk("COMM", AiffCommBody(1, 1, 16, 8000)), IffChunk("SSND", AiffSsndBody({0, 1}))}));
  WriteBytes(dir.File("bad"), AiffFile(false, {IffChunk("COMM", AiffCommBody(5, 1, 16, 8000)), IffChunk("SSND", AiffSsndBody({0, 1}))}));
  const int before = OpenDescriptorCount();
  for (int i = 0; i < 20; ++i) {
    AiffSource failed;
    EXPECT_FALSE(failed.Open(dir.File("bad"), 0));
    AiffSource reopened;
    ASSERT_TRUE(reopened.Open(dir.File("good"), 0));
    ASSERT_TRUE(reopened.Open(dir.File("good"), 0));
    EXPECT_FALSE(reopened.Open(dir.File("bad"), 0));
    AiffSource destroyedOpen;
    ASSERT_TRUE(destroyedOpen.Open(dir.File("good"), 0));
  }
  EXPECT_EQ(OpenDescriptorCount(), before);
}

// Sound data that holds no whole sample frame is refused, whatever its
// encoding: the empty DWVW file that sndfile-convert writes for 12 bits
// and an empty file from sox, then sound chunks built field by field.
TEST(AiffSource, RefusesSoundWithoutAWholeFrame) {
  TempDir dir;
  ASSERT_TRUE(Succeeded(RunProcess("sox", {"-D", "-R", "-n", "-r", "8000", "-c", "1", "-b", "16",
                                           dir.File("in.wav"), "synth", "0.5", "sine", "440"})));
  ASSERT_TRUE(Succeeded(
      RunProcess("sndfile-convert", {"-dwvw12", dir.File("in.wav"), dir.File("dwvw12.aif")})));
  ASSERT_TRUE(Succeeded(RunProcess("sox", {"-n", "-r", "8000", "-c", "2", "-b", "16",
                                           dir.File("empty.aiff"), "trim", "0", "0"})));
  auto aifc = [](uint16_t channels, uint16_t bits, const char* type, const Bytes& data) {
    return AiffFile(true, {IffChunk("COMM", AiffCommBody(channels, 1, bits, 8000, type, "")),
                           IffChunk("SSND", AiffSsndBody(data))});
  };
  struct Case {
    const char* what;
    Bytes file;
  } cases[] = {
      {"sndfile-convert 12-bit DWVW", ReadBytes(dir.File("dwvw12.aif"))},
      {"sox with no samples", ReadBytes(dir.File("empty.aiff"))},
      {"half a 16-bit sample", aifc(1, 16, "NONE", {0x12})},
      {"one sample of a 24-bit pair", aifc(2, 24, "NONE", {1, 2, 3, 4, 5})},
      {"one channel of a 6-channel frame", aifc(6, 8, "NONE", {1, 2, 3, 4, 5})},
      {"IMA4 packet of one channel in two", aifc(2, 16, "IMA4", Bytes(34, 0x11))},
      {"GSM frame short of a byte", aifc(1, 16, "GSM ", Bytes(32, 0x22))},
      {"DWVW without data", aifc(1, 16, "DWVW", {})},
  };
  for (const Case& c : cases) {
    AiffSource reader;
    EXPECT_FALSE(OpenMemory(reader, c.file)) << c.what;
    EXPECT_EQ(reader.GetLength(), 0u) << c.what;
  }
}

// A sound-data chunk of 7 bytes (padded to 8) cannot even hold its offset
// and block-size fields: it is refused in either chunk order, and the
// chunks after it are never taken for samples.
TEST(AiffSource, SoundChunkShorterThanItsFieldsIsRefused) {
  ByteWriter ssnd;
  ssnd.Text("SSND")
      .Be32(7)            // size: less than the 8 bytes of fields
      .Be32(0)            // offset
      .Append({0, 0, 0})  // three bytes of the block size
      .Append({0});       // the pad byte of the odd chunk
  const Bytes comm = IffChunk("COMM", AiffCommBody(1, 100, 16, 8000));
  const Bytes loud = IffChunk("APPL", PcmBytes16(std::vector<int16_t>(100, 30000), true));
  for (const Bytes& file :
       {AiffFile(false, {comm, ssnd.bytes, loud}), AiffFile(false, {ssnd.bytes, comm, loud})}) {
    AiffSource reader;
    EXPECT_FALSE(OpenMemory(reader, file));
    EXPECT_TRUE(ReadToEnd(reader).samples.empty());
  }
}

// DWVW streams end on a byte: the bits after the last sample are padding.
// The common chunk's frame count ends the stream, as libsndfile (which
// wrote the files) reads them.
TEST(AiffSource, DwvwEndsAtTheCommonChunkFrameCount) {
  for (const char* width : {"-dwvw16", "-dwvw24"}) {
    TempDir dir;
    ASSERT_TRUE(Succeeded(
        RunProcess("sox", {"-D", "-R", "-n", "-r", "8000", "-c", "1", "-b", "16",
                           dir.File("in.wav"), "synth", "2.5", "sine", "440", "vol", "0.7"})));
    const std::string path = dir.File("dwvw.aif");
    ASSERT_TRUE(Succeeded(RunProcess("sndfile-convert", {width, dir.File("in.wav"), path})));
    const std::vector<int16_t> reference = DecodeWithSox(path, "sndfile");
    ASSERT_EQ(reference.size(), 20000u) << width;
    AiffSource reader;
    ASSERT_TRUE(reader.Open(path, 0)) << width;
    const SourceDump dump = ReadToEnd(reader);
    EXPECT_EQ(dump.samples.size(), reference.size()) << width;
    EXPECT_TRUE(dump.samples == reference) << width;
    EXPECT_EQ(reader.GetPosition(), reader.GetLength()) << width;
  }
}

// GSM 06.10 frames hold 160 samples of one channel: in a stereo file they
// alternate left and right, so a frame is 80 sample frames. The stream is
// a mono encoding of the interleaved samples, so the ffmpeg tool's decode
// of the raw frames is the interleaved reference.
TEST(AiffSource, StereoGsmDurationCountsFramesNotSamples) {
  TempDir dir;
  ASSERT_TRUE(Succeeded(
      RunProcess("sox", {"-D", "-R", "-n", "-r", "8000", "-c", "1", "-b", "16", dir.File("in.wav"),
                         "synth", "6", "sine", "300", "vol", "0.5"})));
  ASSERT_TRUE(
      RunFfmpeg({"-i", dir.File("in.wav"), "-c:a", "libgsm", "-f", "gsm", dir.File("raw.gsm")}));
  const Bytes frames = ReadBytes(dir.File("raw.gsm"));
  ASSERT_EQ(frames.size(), 300u * 33);  // 3 s of stereo at 8000 Hz
  const std::string path = dir.File("stereo.aifc");
  WriteBytes(path,
             AiffFile(true, {IffChunk("COMM", AiffCommBody(2, 24000, 16, 8000, "GSM ", "GSM 6.10")),
                             IffChunk("SSND", AiffSsndBody(frames))}));
  AiffSource reader;
  ASSERT_TRUE(reader.Open(path, 0));
  EXPECT_EQ(reader.GetDuration(), 3u);
  EXPECT_EQ(reader.GetBitRate(), 26u);  // 9900 bytes in 3 s
  EXPECT_EQ(reader.GetLength(), frames.size());
  const SourceDump dump = ReadToEnd(reader);
  EXPECT_TRUE(dump.contractKept);
  EXPECT_EQ(dump.samples, DecodeWithFfmpeg(dir.File("raw.gsm")).samples);
  EXPECT_EQ(reader.GetPosition(), reader.GetLength());
}

// A large chunk after the sound data (an application chunk here) is not
// sound: progress runs over the sound data to its end, and the bit rate is
// that of the samples, as ffprobe reports it.
TEST(AiffSource, ProgressAndBitRateCountSoundDataOnly) {
  TempDir dir;
  const std::string path = dir.File("appl.aiff");
  ASSERT_TRUE(Succeeded(RunProcess("sox", {"-D", "-R", "-n", "-r", "8000", "-c", "1", "-b", "16",
                                           path, "synth", "2", "sine", "440", "vol", "0.5"})));
  Bytes file = ReadBytes(path);
  const Bytes appl = IffChunk("APPL", Bytes(100 * 1024, 0x41));
  file.insert(file.end(), appl.begin(), appl.end());
  ByteWriter formSize;
  formSize.Be32(static_cast<uint32_t>(file.size() - 8));
  std::copy(formSize.bytes.begin(), formSize.bytes.end(), file.begin() + 4);
  WriteBytes(path, file);

  AiffSource reader;
  ASSERT_TRUE(reader.Open(path, 0));
  EXPECT_EQ(reader.GetBitRate(), std::stoul(ProbeStreamField(path, "bit_rate")) / 1000);
  EXPECT_EQ(reader.GetLength(), 32000u);  // 16000 samples of 2 bytes
  EXPECT_EQ(reader.GetPosition(), 0u);
  const SourceDump dump = ReadToEnd(reader);
  EXPECT_EQ(dump.samples, DecodeWithSox(path));
  EXPECT_EQ(reader.GetPosition(), reader.GetLength());
}
