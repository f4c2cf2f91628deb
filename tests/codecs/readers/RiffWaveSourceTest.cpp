#include "codecs/readers/RiffWaveSource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "support/ReaderFixtures.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

// A stereo test signal: two sines of different pitch, long enough for
// several reads and several codec blocks.
std::vector<int16_t> TestSignal(int channels, int frames = 20000) {
  return SineWave(frames, channels, 8000, 440.0, 0.6);
}

bool OpenMemory(RiffWaveSource& source, const Bytes& bytes) {
  return source.OpenBytes(std::make_unique<MemoryByteSource>(bytes));
}

void ExpectWithin(const std::vector<int16_t>& got, const std::vector<int16_t>& want, int tolerance) {
  ASSERT_EQ(got.size(), want.size());
  int worst = 0;
  size_t where = 0;
  for (size_t i = 0; i < got.size(); ++i) {
    const int d = std::abs(got[i] - want[i]);
    if (d > worst) {
      worst = d;
      where = i;
    }
  }
  EXPECT_LE(worst, tolerance) << "at sample " << where << ": " << got[where] << " vs " << want[where];
}

struct EncodedCase {
  const char* name;
  std::vector<std::string> ffmpegArgs;  // codec options for the ffmpeg tool
  int channels;
  int bits;        // delivered bits per sample
  bool soxOracle;  // compare with sox's decode instead of ffmpeg's
  int tolerance;
};

void PrintTo(const EncodedCase& c, std::ostream* os) { *os << c.name; }

class WaveEncodings : public ::testing::TestWithParam<EncodedCase> {};

}  // namespace

// Files made by the ffmpeg tool; the samples delivered must equal what an
// independent decoder makes of the same file.
TEST_P(WaveEncodings, MatchIndependentDecode) {
  const EncodedCase& c = GetParam();
  TempDir dir;
  const std::string source = dir.File("source.wav");
  WriteWav16(source, 8000, c.channels, TestSignal(c.channels));
  const std::string encoded = dir.File("encoded.wav");
  std::vector<std::string> args = {"-i", source};
  args.insert(args.end(), c.ffmpegArgs.begin(), c.ffmpegArgs.end());
  args.push_back(encoded);
  ASSERT_TRUE(RunFfmpeg(args)) << c.name;

  RiffWaveSource reader;
  ASSERT_TRUE(reader.Open(encoded, 0)) << c.name;
  EXPECT_EQ(reader.GetSampleRate(), 8000u);
  EXPECT_EQ(reader.GetChannels(), static_cast<uint32_t>(c.channels));
  EXPECT_EQ(reader.GetOutputChannels(), static_cast<uint32_t>(c.channels));
  EXPECT_EQ(reader.GetBitsPerSample(), static_cast<uint32_t>(c.bits));
  EXPECT_EQ(reader.GetDuration(), 2u);
  const SourceDump dump = ReadToEnd(reader);
  EXPECT_TRUE(dump.contractKept);
  EXPECT_EQ(reader.GetPosition(), reader.GetLength());

  std::vector<int16_t> reference =
      c.soxOracle ? DecodeWithSox(encoded) : DecodeWithFfmpeg(encoded).samples;
  ASSERT_FALSE(reference.empty());
  ExpectWithin(dump.samples, reference, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    RiffWaveSource, WaveEncodings,
    ::testing::Values(
        EncodedCase{"u8", {"-c:a", "pcm_u8"}, 2, 8, false, 0},
        EncodedCase{"s16", {"-c:a", "pcm_s16le"}, 1, 16, false, 0},
        EncodedCase{"s24", {"-c:a", "pcm_s24le"}, 2, 16, false, 0},
        EncodedCase{"s32", {"-c:a", "pcm_s32le"}, 2, 16, false, 0},
        EncodedCase{"f32", {"-c:a", "pcm_f32le"}, 2, 16, false, 1},
        EncodedCase{"f64", {"-c:a", "pcm_f64le"}, 1, 16, false, 1},
        EncodedCase{"alaw", {"-c:a", "pcm_alaw"}, 2, 16, false, 0},
        EncodedCase{"mulaw", {"-c:a", "pcm_mulaw"}, 1, 16, false, 0},
        EncodedCase{"msadpcm_mono", {"-c:a", "adpcm_ms"}, 1, 16, false, 0},
        EncodedCase{"msadpcm_stereo", {"-c:a", "adpcm_ms", "-block_size", "512"}, 2, 16, false, 0},
        EncodedCase{"ima_mono", {"-c:a", "adpcm_ima_wav"}, 1, 16, true, 0},
        EncodedCase{"ima_stereo", {"-c:a", "adpcm_ima_wav"}, 2, 16, true, 0},
        EncodedCase{"gsm", {"-c:a", "libgsm_ms"}, 1, 16, false, 0}),
    [](const ::testing::TestParamInfo<EncodedCase>& param) { return std::string(param.param.name); });

TEST(RiffWaveSource, DeliversFirstTwoOfSixChannels) {
  std::vector<int16_t> samples(6 * 3000);
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>(i * 7 % 60000 - 30000);
  RiffWaveSource reader;
  ASSERT_TRUE(OpenMemory(reader, PcmWave16(8000, 6, samples)));
  EXPECT_EQ(reader.GetChannels(), 6u);
  EXPECT_EQ(reader.GetOutputChannels(), 2u);
  const SourceDump dump = ReadToEnd(reader);
  EXPECT_TRUE(dump.contractKept);
  EXPECT_EQ(dump.samples, PickChannels(samples, 6, 0, 1));
  EXPECT_EQ(dump.calls, 4);  // 1152 + 1152 + 696 frames, then the end
}

TEST(RiffWaveSource, DataSizeZeroRunsToTheEndOfTheFile) {
  const std::vector<int16_t> samples = TestSignal(2, 3000);
  Bytes file = PcmWave16(8000, 2, samples);
  // The data size field sits just before the samples.
  const size_t sizeField = file.size() - samples.size() * 2 - 4;
  for (int i = 0; i < 4; ++i) file[sizeField + i] = 0;
  RiffWaveSource reader;
  ASSERT_TRUE(OpenMemory(reader, file));
  EXPECT_EQ(reader.GetLength(), samples.size() * 2);
  EXPECT_EQ(ReadToEnd(reader).samples, samples);
}

TEST(RiffWaveSource, DataSizePastTheEndIsCutToTheFile) {
  const std::vector<int16_t> samples = TestSignal(1, 1000);
  Bytes file = PcmWave16(8000, 1, samples);
  const size_t sizeField = file.size() - samples.size() * 2 - 4;
  file[sizeField + 3] = 0x40;  // claims a gigabyte
  RiffWaveSource reader;
  ASSERT_TRUE(OpenMemory(reader, file));
  EXPECT_EQ(reader.GetLength(), 2000u);
  EXPECT_EQ(ReadToEnd(reader).samples, samples);
}

TEST(RiffWaveSource, OddChunksAreResynchronisedAtTheNextLetter) {
  const std::vector<int16_t> samples = TestSignal(1, 500);
  const Bytes fmt = RiffChunk("fmt ", WaveFormatBody(1, 1, 8000, 2, 16));
  const Bytes data = RiffChunk("data", PcmBytes16(samples, false));
  for (bool pad : {true, false}) {
    // An odd "LIST" chunk before and after the format chunk, with and
    // without its pad byte, and a run of stray zeros.
    Bytes stray = {0, 0, 0};
    Bytes file = WaveFile({RiffChunk("LIST", Bytes(5, 'x'), pad), fmt, stray,
                           RiffChunk("junk", Bytes(3, 0), pad), data});
    RiffWaveSource reader;
    ASSERT_TRUE(OpenMemory(reader, file)) << pad;
    EXPECT_EQ(ReadToEnd(reader).samples, samples);
  }
}

TEST(RiffWaveSource, ExtensibleFormatFollowsItsSubFormat) {
  const std::vector<int16_t> samples = {0, 1000, -1000, 32767};
  auto extensible = [](uint16_t subTag, uint16_t bits) {
    ByteWriter extra;
    extra.Le16(22)                      // extension size
        .Le16(bits)                     // valid bits per sample
        .Le32(4)                        // channel mask: front centre
        .Le16(subTag)                   // sub-format GUID: the format tag...
        .Append({0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B,
                 0x71});                // ...and the standard tail
    return WaveFormatBody(0xFFFE, 1, 8000, static_cast<uint16_t>(bits / 8), bits, extra.bytes);
  };
  ByteWriter floats;
  for (float f : {0.0f, 0.5f, -0.5f, 2.0f}) {
    uint32_t u;
    std::memcpy(&u, &f, 4);
    floats.Le32(u);
  }
  RiffWaveSource reader;
  ASSERT_TRUE(OpenMemory(reader, WaveFile({RiffChunk("fmt ", extensible(3, 32)), RiffChunk("data", floats.bytes)})));
  EXPECT_EQ(ReadToEnd(reader).samples, (std::vector<int16_t>{0, 16383, -16384, 32767}));

  ASSERT_TRUE(OpenMemory(reader, WaveFile({RiffChunk("fmt ", extensible(1, 16)),
                                           RiffChunk("data", PcmBytes16(samples, false))})));
  EXPECT_EQ(ReadToEnd(reader).samples, samples);

  EXPECT_FALSE(OpenMemory(reader, WaveFile({RiffChunk("fmt ", extensible(0x55, 16)),
                                            RiffChunk("data", PcmBytes16(samples, false))})));
}

// Headers that must be refused, each a small byte array.
TEST(RiffWaveSource, RefusesMalformedHeaders) {
  const Bytes pcm = PcmBytes16({1, 2, 3, 4}, false);
  const Bytes goodFmt = RiffChunk("fmt ", WaveFormatBody(1, 1, 8000, 2, 16));
  ByteWriter msExtra;
  msExtra.Le16(32)       // extension size
      .Le16(500)         // samples per block
      .Le16(0x7FFF);     // coefficient count far beyond the chunk
  ByteWriter imaExtra;
  imaExtra.Le16(2)       // extension size
      .Le16(4000);       // samples per block: more than a 256-byte block holds
  ByteWriter gsmExtra;
  gsmExtra.Le16(2).Le16(320);
  struct Case {
    const char* what;
    Bytes file;
  } cases[] = {
      {"no RIFF", [&] { Bytes f = WaveFile({goodFmt, RiffChunk("data", pcm)}); f[0] = 'X'; return f; }()},
      {"not WAVE", [&] { Bytes f = WaveFile({goodFmt, RiffChunk("data", pcm)}); f[8] = 'X'; return f; }()},
      {"data before fmt", WaveFile({RiffChunk("data", pcm), goodFmt})},
      {"no data chunk", WaveFile({goodFmt})},
      {"fmt of 14 bytes", WaveFile({RiffChunk("fmt ", Bytes(14, 1)), RiffChunk("data", pcm)})},
      {"12-bit PCM", WaveFile({RiffChunk("fmt ", WaveFormatBody(1, 1, 8000, 2, 12)), RiffChunk("data", pcm)})},
      {"no channels", WaveFile({RiffChunk("fmt ", WaveFormatBody(1, 0, 8000, 2, 16)), RiffChunk("data", pcm)})},
      {"nine channels", WaveFile({RiffChunk("fmt ", WaveFormatBody(1, 9, 8000, 18, 16)), RiffChunk("data", pcm)})},
      {"rate 0", WaveFile({RiffChunk("fmt ", WaveFormatBody(1, 1, 0, 2, 16)), RiffChunk("data", pcm)})},
      {"16-bit float", WaveFile({RiffChunk("fmt ", WaveFormatBody(3, 1, 8000, 2, 16)), RiffChunk("data", pcm)})},
      {"MPEG tag", WaveFile({RiffChunk("fmt ", WaveFormatBody(0x55, 1, 8000, 2, 16)), RiffChunk("data", pcm)})},
      {"MS ADPCM forged coefficient count",
       WaveFile({RiffChunk("fmt ", WaveFormatBody(2, 1, 8000, 256, 4, msExtra.bytes)), RiffChunk("data", pcm)})},
      {"MS ADPCM without extension", WaveFile({RiffChunk("fmt ", WaveFormatBody(2, 1, 8000, 256, 4)), RiffChunk("data", pcm)})},
      {"IMA block too small", WaveFile({RiffChunk("fmt ", WaveFormatBody(17, 1, 8000, 256, 4, imaExtra.bytes)), RiffChunk("data", pcm)})},
      {"GSM block align 64", WaveFile({RiffChunk("fmt ", WaveFormatBody(49, 1, 8000, 64, 0, gsmExtra.bytes)), RiffChunk("data", pcm)})},
      {"GSM stereo", WaveFile({RiffChunk("fmt ", WaveFormatBody(49, 2, 8000, 65, 0, gsmExtra.bytes)), RiffChunk("data", pcm)})},
      {"chunk size past the end", WaveFile({RiffChunk("LIST", Bytes(4, 'a')), goodFmt})},
      {"truncated", Bytes{'R', 'I', 'F', 'F', 0, 0}},
      {"empty", Bytes{}},
  };
  cases[16].file[16] = 0xFF;  // the LIST chunk claims far more than the file holds
  for (const Case& c : cases) {
    RiffWaveSource reader;
    EXPECT_FALSE(OpenMemory(reader, c.file)) << c.what;
    PcmBlock block;
    EXPECT_EQ(reader.Read(block), 0) << c.what;
    EXPECT_EQ(reader.GetLength(), 0u) << c.what;
    EXPECT_EQ(reader.GetChannels(), 0u) << c.what;
  }
}

TEST(RiffWaveSource, TruncatedBlockEndsTheStream) {
  TempDir dir;
  WriteWav16(dir.File("in.wav"), 8000, 1, TestSignal(1, 5000));
  ASSERT_TRUE(RunFfmpeg({"-i", dir.File("in.wav"), "-c:a", "adpcm_ms", dir.File("ms.wav")}));
  Bytes file = ReadBytes(dir.File("ms.wav"));
  file.resize(file.size() - 100);  // the last block loses its tail
  RiffWaveSource reader;
  ASSERT_TRUE(OpenMemory(reader, file));
  const SourceDump dump = ReadToEnd(reader);
  const std::vector<int16_t> full = DecodeWithFfmpeg(dir.File("ms.wav")).samples;
  ASSERT_LT(dump.samples.size(), full.size());
  EXPECT_EQ(dump.samples.size() % 2036, 0u);  // whole blocks only
  EXPECT_TRUE(std::equal(dump.samples.begin(), dump.samples.end(), full.begin()));
}

TEST(RiffWaveSource, CloseIsIdempotentAndReopenWorks) {
  TempDir dir;
  const std::vector<int16_t> samples = TestSignal(2, 2000);
  WriteWav16(dir.File("a.wav"), 8000, 2, samples);
  RiffWaveSource reader;
  reader.Close();
  EXPECT_FALSE(reader.Open(dir.File("missing.wav"), 0));
  EXPECT_FALSE(reader.Open(dir.Path(), 0));  // a folder
  ASSERT_TRUE(reader.Open(dir.File("a.wav"), 44100));
  EXPECT_EQ(reader.GetBitRate(), 256u);  // 8000 Hz x 2 x 16 bits, under a second
  ASSERT_TRUE(reader.Open(dir.File("a.wav"), 0));
  EXPECT_EQ(ReadToEnd(reader).samples, samples);
  reader.Close();
  reader.Close();
  PcmBlock block;
  EXPECT_EQ(reader.Read(block), 0);
  EXPECT_EQ(reader.GetSampleRate(), 0u);
}

TEST(RiffWaveSource, GivesBackEveryFileDescriptor) {
  TempDir dir;
  WriteBytes(dir.File("good"), PcmWave16(8000, 1, {1, 2, 3}));
  WriteBytes(dir.File("bad"), WaveFile({RiffChunk("data", Bytes(4, 0))}));
  const int before = OpenDescriptorCount();
  for (int i = 0; i < 20; ++i) {
    RiffWaveSource failed;
    EXPECT_FALSE(failed.Open(dir.File("bad"), 0));
    RiffWaveSource reopened;
    ASSERT_TRUE(reopened.Open(dir.File("good"), 0));
    ASSERT_TRUE(reopened.Open(dir.File("good"), 0));
    EXPECT_FALSE(reopened.Open(dir.File("bad"), 0));
    RiffWaveSource destroyedOpen;
    ASSERT_TRUE(destroyedOpen.Open(dir.File("good"), 0));
  }
  EXPECT_EQ(OpenDescriptorCount(), before);
}

// A data chunk that holds no whole frame (or, for the block codecs, no
// whole block) is refused: an empty file from sox, then chunks built field
// by field.
TEST(RiffWaveSource, RefusesDataWithoutAWholeFrame) {
  TempDir dir;
  ASSERT_TRUE(Succeeded(RunProcess("sox", {"-n", "-r", "8000", "-c", "1", "-b", "16",
                                           dir.File("empty.wav"), "trim", "0", "0"})));
  ByteWriter gsmExtra;
  gsmExtra
      .Le16(2)     // extension size
      .Le16(320);  // samples per block
  ByteWriter imaExtra;
  imaExtra
      .Le16(2)     // extension size
      .Le16(505);  // samples per block: 256-byte blocks of one channel
  struct Case {
    const char* what;
    Bytes file;
  } cases[] = {
      {"sox with no samples", ReadBytes(dir.File("empty.wav"))},
      {"empty data chunk at the end",
       WaveFile({RiffChunk("fmt ", WaveFormatBody(1, 1, 8000, 2, 16)), RiffChunk("data", {})})},
      {"half a 16-bit sample", WaveFile({RiffChunk("fmt ", WaveFormatBody(1, 1, 8000, 2, 16)),
                                         RiffChunk("data", {0x12}, false)})},
      {"three of six channels", WaveFile({RiffChunk("fmt ", WaveFormatBody(1, 6, 8000, 6, 8)),
                                          RiffChunk("data", {1, 2, 3})})},
      {"GSM block short of a byte",
       WaveFile({RiffChunk("fmt ", WaveFormatBody(49, 1, 8000, 65, 0, gsmExtra.bytes)),
                 RiffChunk("data", Bytes(64, 0))})},
      {"IMA block short of a byte",
       WaveFile({RiffChunk("fmt ", WaveFormatBody(17, 1, 8000, 256, 4, imaExtra.bytes)),
                 RiffChunk("data", Bytes(255, 0))})},
  };
  for (const Case& c : cases) {
    RiffWaveSource reader;
    EXPECT_FALSE(OpenMemory(reader, c.file)) << c.what;
    EXPECT_EQ(reader.GetLength(), 0u) << c.what;
  }
}
