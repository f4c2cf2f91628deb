#include "codecs/readers/AuSource.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/bytes/ByteOrder.h"
#include "support/ReaderFixtures.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

bool OpenMemory(AuSource& source, const Bytes& bytes) {
  return source.OpenBytes(std::make_unique<MemoryByteSource>(bytes));
}

struct SoxCase {
  const char* name;
  std::vector<std::string> encoding;  // sox output options
  uint32_t auEncoding;
  int tolerance;
};
void PrintTo(const SoxCase& c, std::ostream* os) { *os << c.name; }

class AuEncodings : public ::testing::TestWithParam<SoxCase> {};

}  // namespace

// Files written by sox; the delivered samples must equal ffmpeg's decode.
TEST_P(AuEncodings, MatchIndependentDecode) {
  const SoxCase& c = GetParam();
  TempDir dir;
  const std::string path = dir.File("test.au");
  std::vector<std::string> args = {"-D", "-R", "-n", "-r", "8000", "-c", "2"};
  args.insert(args.end(), c.encoding.begin(), c.encoding.end());
  args.insert(args.end(), {path, "synth", "2.5", "sine", "440", "sine", "660", "vol", "0.8"});
  ASSERT_TRUE(Succeeded(RunProcess("sox", args)));
  ASSERT_EQ(ReadBytes(path)[15], c.auEncoding);

  AuSource reader;
  ASSERT_TRUE(reader.Open(path, 0));
  EXPECT_EQ(reader.GetChannels(), 2u);
  EXPECT_EQ(reader.GetOutputChannels(), 2u);
  EXPECT_EQ(reader.GetBitsPerSample(), 16u);
  EXPECT_EQ(reader.GetSampleRate(), 8000u);
  EXPECT_EQ(reader.GetDuration(), 2u);
  const SourceDump dump = ReadToEnd(reader);
  EXPECT_TRUE(dump.contractKept);
  EXPECT_EQ(reader.GetPosition(), reader.GetLength());
  const Decoded reference = DecodeWithFfmpeg(path);
  ASSERT_EQ(dump.samples.size(), reference.samples.size());
  int worst = 0;
  for (size_t i = 0; i < dump.samples.size(); ++i)
    worst = std::max(worst, std::abs(dump.samples[i] - reference.samples[i]));
  EXPECT_LE(worst, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    AuSource, AuEncodings,
    ::testing::Values(SoxCase{"ulaw", {"-e", "u-law"}, 1, 0}, SoxCase{"s8", {"-b", "8", "-e", "signed"}, 2, 0},
                      SoxCase{"s16", {"-b", "16"}, 3, 0}, SoxCase{"s24", {"-b", "24"}, 4, 0},
                      SoxCase{"s32", {"-b", "32"}, 5, 0},
                      SoxCase{"f32", {"-b", "32", "-e", "floating-point"}, 6, 1},
                      SoxCase{"f64", {"-b", "64", "-e", "floating-point"}, 7, 1},
                      SoxCase{"alaw", {"-e", "a-law"}, 27, 0}),
    [](const ::testing::TestParamInfo<SoxCase>& param) { return std::string(param.param.name); });

// G.721 and G.723 through the reader, mono and stereo (one decoder state
// for both channels, codes in stream order), against sox's reference
// decoder; the codes come from the ffmpeg tool's G.726 encoder, run on a
// sweep (see G72xDecoderTest for the one corner where sox's decoder leaves
// the standard).
TEST(AuSource, AdpcmMatchesReferenceDecoder) {
  TempDir dir;
  ASSERT_TRUE(Succeeded(
      RunProcess("sox", {"-D", "-R", "-n", "-r", "8000", "-c", "1", "-b", "16", dir.File("in.wav"),
                         "synth", "3", "sine", "100-3000", "tremolo", "3", "90", "vol", "0.5"})));
  for (int channels : {1, 2}) {
    for (int codeSize : {3, 4, 5}) {
      ASSERT_TRUE(RunFfmpeg({"-i", dir.File("in.wav"), "-ac", "1", "-c:a", "g726le", "-code_size",
                             std::to_string(codeSize), "-f", "g726le", dir.File("codes")}));
      AuHeader header;
      header.encoding = codeSize == 4 ? 23 : codeSize == 3 ? 25 : 26;
      header.channels = static_cast<uint32_t>(channels);
      header.offset = 32;
      const Bytes codes = ReadBytes(dir.File("codes"));
      header.dataSize = static_cast<uint32_t>(codes.size());
      const std::string path = dir.File("adpcm.au");
      WriteBytes(path, AuFile(header, codes));

      AuSource reader;
      ASSERT_TRUE(reader.Open(path, 0));
      EXPECT_EQ(reader.GetLength(), codes.size());
      EXPECT_EQ(reader.GetDuration(), static_cast<uint32_t>(codes.size() * 8 / codeSize / channels / 8000));
      const SourceDump dump = ReadToEnd(reader);
      EXPECT_TRUE(dump.contractKept);
      std::vector<int16_t> reference = DecodeWithSox(path);
      reference.resize(reference.size() / channels * channels);
      // Where the reconstruction overflows 16 bits the reference wraps
      // around and the reader clips to a rail (the unclipped values are
      // compared exactly in G72xDecoderTest).
      ASSERT_EQ(dump.samples.size(), reference.size());
      size_t clipped = 0;
      for (size_t i = 0; i < reference.size(); ++i) {
        const int16_t got = dump.samples[i], want = reference[i];
        const bool wrapped = got == 32767 || got == -32768;
        clipped += wrapped;
        ASSERT_TRUE(got == want || wrapped) << codeSize << "-bit, " << channels << " channels, sample " << i;
      }
      EXPECT_LT(clipped, reference.size() / 100);
      EXPECT_EQ(reader.GetPosition(), reader.GetLength());
    }
  }
}

TEST(AuSource, ByteOrdersAndMagicForms) {
  const std::vector<int16_t> samples = {0, 1, -1, 32767, -32768, 0x1234, -0x1234, 77};
  struct Case {
    uint32_t magic;
    bool littleEndian;
  } cases[] = {{0x2E736E64, false}, {0x2E736400, false}, {0x2E736E64, true}, {0x2E736400, true}};
  for (const Case& c : cases) {
    AuHeader header;
    header.magic = c.magic;
    header.littleEndian = c.littleEndian;  // writes "dns." / "\0ds." and swapped fields
    header.channels = 2;
    header.dataSize = 16;
    AuSource reader;
    ASSERT_TRUE(OpenMemory(reader, AuFile(header, PcmBytes16(samples, !c.littleEndian)))) << c.magic;
    EXPECT_EQ(reader.GetChannels(), 2u);
    EXPECT_EQ(ReadToEnd(reader).samples, samples) << c.magic << " " << c.littleEndian;
  }
}

TEST(AuSource, HeaderFieldEdges) {
  AuSource reader;
  // Unknown data size: the rest of a 10 024-byte file after offset 24.
  AuHeader unknown;
  ASSERT_TRUE(OpenMemory(reader, AuFile(unknown, Bytes(10000, 0))));
  EXPECT_EQ(reader.GetLength(), 10000u);
  EXPECT_EQ(ReadToEnd(reader).samples.size(), 5000u);

  // Offset 28: four bytes of annotation are skipped.
  AuHeader annotated;
  annotated.offset = 28;
  annotated.dataSize = 4;
  Bytes file = AuFile(annotated, PcmBytes16({1000, -1000}, true));
  file[24] = 0x7F;  // annotation bytes that would read as a loud sample
  ASSERT_TRUE(OpenMemory(reader, file));
  EXPECT_EQ(ReadToEnd(reader).samples, (std::vector<int16_t>{1000, -1000}));

  // A data size beyond the file is cut to what is there; a smaller one
  // stops exactly at its end.
  AuHeader tooLong;
  tooLong.dataSize = 1000000;
  ASSERT_TRUE(OpenMemory(reader, AuFile(tooLong, PcmBytes16({5, 6, 7}, true))));
  EXPECT_EQ(reader.GetLength(), 6u);
  EXPECT_EQ(ReadToEnd(reader).samples, (std::vector<int16_t>{5, 6, 7}));
  AuHeader shorter;
  shorter.dataSize = 4;
  ASSERT_TRUE(OpenMemory(reader, AuFile(shorter, PcmBytes16({5, 6, 7}, true))));
  EXPECT_EQ(ReadToEnd(reader).samples, (std::vector<int16_t>{5, 6}));

  // 8-bit linear -1 becomes -256.
  AuHeader eight;
  eight.encoding = 2;
  ASSERT_TRUE(OpenMemory(reader, AuFile(eight, {0xFF, 0x7F, 0x80})));
  EXPECT_EQ(ReadToEnd(reader).samples, (std::vector<int16_t>{-256, 32512, -32768}));

  // Duration and bit rate: 2 s of 8-bit mono at 8000 Hz.
  ASSERT_TRUE(OpenMemory(reader, AuFile(eight, Bytes(16000, 0))));
  EXPECT_EQ(reader.GetDuration(), 2u);
  EXPECT_EQ(reader.GetBitRate(), 64u);
}

// Headers that must be refused, each built field by field.
TEST(AuSource, RefusesMalformedHeaders) {
  auto with = [](auto change) {
    AuHeader h;
    h.dataSize = 8;
    change(h);
    return AuFile(h, Bytes(8, 0));
  };
  struct Case {
    const char* what;
    Bytes file;
  } cases[] = {
      {"unknown magic", with([](AuHeader& h) { h.magic = 0x2E736E65; })},
      {"offset 23", with([](AuHeader& h) { h.offset = 23; })},
      {"offset past the end", [] { AuHeader h; h.offset = 24; Bytes f = AuFile(h, {}); f[6] = 0x10; return f; }()},
      {"encoding 8", with([](AuHeader& h) { h.encoding = 8; })},
      {"encoding 24", with([](AuHeader& h) { h.encoding = 24; })},
      {"three channels", with([](AuHeader& h) { h.channels = 3; })},
      {"no channels", with([](AuHeader& h) { h.channels = 0; })},
      {"rate 0", with([](AuHeader& h) { h.rate = 0; })},
      {"short header", Bytes{0x2E, 0x73, 0x6E, 0x64, 0, 0, 0, 24, 0, 0}},
  };
  for (const Case& c : cases) {
    AuSource reader;
    EXPECT_FALSE(OpenMemory(reader, c.file)) << c.what;
    PcmBlock block;
    EXPECT_EQ(reader.Read(block), 0) << c.what;
    EXPECT_EQ(reader.GetLength(), 0u) << c.what;
  }
}

TEST(AuSource, OpenFromFileCloseAndReopen) {
  TempDir dir;
  AuHeader header;
  header.channels = 1;
  header.dataSize = 6;
  WriteBytes(dir.File("a.au"), AuFile(header, PcmBytes16({1, 2, 3}, true)));
  AuSource reader;
  EXPECT_FALSE(reader.Open(dir.File("missing.au"), 0));
  ASSERT_TRUE(reader.Open(dir.File("a.au"), 0));
  ASSERT_TRUE(reader.Open(dir.File("a.au"), 22050));
  const SourceDump dump = ReadToEnd(reader);
  EXPECT_TRUE(dump.contractKept);
  EXPECT_EQ(dump.samples, (std::vector<int16_t>{1, 2, 3}));
  reader.Close();
  reader.Close();
  PcmBlock block;
  EXPECT_EQ(reader.Read(block), 0);
  EXPECT_EQ(reader.GetChannels(), 0u);
}

TEST(AuSource, GivesBackEveryFileDescriptor) {
  TempDir dir;
  WriteBytes(dir.File("good"), AuFile(AuHeader{}, {0, 1}));
  WriteBytes(dir.File("bad"), AuFile([] { AuHeader h; h.encoding = 99; return h; }(), {0, 1}));
  const int before = OpenDescriptorCount();
  for (int i = 0; i < 20; ++i) {
    AuSource failed;
    EXPECT_FALSE(failed.Open(dir.File("bad"), 0));
    AuSource reopened;
    ASSERT_TRUE(reopened.Open(dir.File("good"), 0));
    ASSERT_TRUE(reopened.Open(dir.File("good"), 0));
    EXPECT_FALSE(reopened.Open(dir.File("bad"), 0));
    AuSource destroyedOpen;
    ASSERT_TRUE(destroyedOpen.Open(dir.File("good"), 0));
  }
  EXPECT_EQ(OpenDescriptorCount(), before);
}

// A data size of 0 is what a writer that could not go back to the header
// leaves: the data runs to the end of the file, as ffmpeg and sox read it.
TEST(AuSource, DataSizeZeroRunsToTheEndOfTheFile) {
  TempDir dir;
  const std::string path = dir.File("zero.au");
  ASSERT_TRUE(
      Succeeded(RunProcess("sox", {"-D", "-R", "-n", "-r", "8000", "-c", "2", "-b", "16", path,
                                   "synth", "1.5", "sine", "440", "sine", "660", "vol", "0.5"})));
  Bytes file = ReadBytes(path);
  ASSERT_EQ(LoadBe<32>(&file[8]), 48000u);
  for (int i = 8; i < 12; ++i) file[i] = 0;  // the data size field
  WriteBytes(path, file);

  AuSource reader;
  ASSERT_TRUE(reader.Open(path, 0));
  EXPECT_EQ(reader.GetLength(), 48000u);
  EXPECT_EQ(reader.GetDuration(), 1u);
  const SourceDump dump = ReadToEnd(reader);
  EXPECT_EQ(dump.samples, DecodeWithFfmpeg(path).samples);
  EXPECT_EQ(dump.samples, DecodeWithSox(path));
  EXPECT_EQ(reader.GetPosition(), reader.GetLength());
}

// Data that holds no whole frame is refused: an empty file from sox, then
// headers built field by field.
TEST(AuSource, RefusesDataWithoutAWholeFrame) {
  TempDir dir;
  ASSERT_TRUE(Succeeded(RunProcess(
      "sox", {"-n", "-r", "8000", "-c", "1", "-b", "16", dir.File("empty.au"), "trim", "0", "0"})));
  auto with = [](uint32_t encoding, uint32_t channels, uint32_t dataSize, const Bytes& data) {
    AuHeader h;
    h.encoding = encoding;
    h.channels = channels;
    h.dataSize = dataSize;
    return AuFile(h, data);
  };
  struct Case {
    const char* what;
    Bytes file;
  } cases[] = {
      {"sox with no samples", ReadBytes(dir.File("empty.au"))},
      {"size 0, nothing after the header", with(3, 1, 0, {})},
      {"size 1 of 16-bit", with(3, 1, 1, {0x12, 0x34})},
      {"one sample of a stereo 24-bit frame", with(4, 2, 0xFFFFFFFF, {1, 2, 3, 4, 5})},
      {"G.723 40 kbit/s: 5 bits of a stereo pair's 10", with(26, 2, 1, {0xFF})},
  };
  for (const Case& c : cases) {
    AuSource reader;
    EXPECT_FALSE(OpenMemory(reader, c.file)) << c.what;
    EXPECT_EQ(reader.GetLength(), 0u) << c.what;
  }
}
