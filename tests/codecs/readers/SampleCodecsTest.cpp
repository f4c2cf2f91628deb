#include "codecs/readers/SampleCodecs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/bytes/ByteOrder.h"
#include "support/ReaderFixtures.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

using namespace SampleCodecs;

namespace {

// All 256 codes expanded by the ffmpeg tool from a raw G.711 stream.
std::vector<int16_t> FfmpegExpand(const std::string& format) {
  TempDir dir;
  Bytes codes(256);
  for (int i = 0; i < 256; ++i) codes[i] = static_cast<uint8_t>(i);
  WriteBytes(dir.File("codes.raw"), codes);
  EXPECT_TRUE(RunFfmpeg({"-f", format, "-ar", "8000", "-ac", "1", "-i", dir.File("codes.raw"), "-f",
                         "s16le", "-acodec", "pcm_s16le", dir.File("out.raw")}));
  const Bytes out = ReadBytes(dir.File("out.raw"));
  std::vector<int16_t> samples(out.size() / 2);
  for (size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<int16_t>(LoadLe<16>(&out[2 * i]));
  return samples;
}

}  // namespace

TEST(SampleCodecs, G711MatchesFfmpegForEveryCode) {
  const std::vector<int16_t> ulaw = FfmpegExpand("mulaw");
  const std::vector<int16_t> alaw = FfmpegExpand("alaw");
  ASSERT_EQ(ulaw.size(), 256u);
  ASSERT_EQ(alaw.size(), 256u);
  for (int code = 0; code < 256; ++code) {
    EXPECT_EQ(UlawToLinear(static_cast<uint8_t>(code)), ulaw[code]) << "mu-law code " << code;
    EXPECT_EQ(AlawToLinear(static_cast<uint8_t>(code)), alaw[code]) << "A-law code " << code;
  }
  // The ends of both laws, as G.711 tabulates them (scaled to 16 bits).
  EXPECT_EQ(UlawToLinear(0x00), -32124);
  EXPECT_EQ(UlawToLinear(0x80), 32124);
  EXPECT_EQ(UlawToLinear(0xFF), 0);
  EXPECT_EQ(AlawToLinear(0xD5), 8);
  EXPECT_EQ(AlawToLinear(0xAA), 32256);
  EXPECT_EQ(AlawToLinear(0x2A), -32256);
}

TEST(SampleCodecs, IntegerFormatsKeepTheMostSignificantBytes) {
  struct Case {
    Bytes stored;
    SampleFormat format;
    int expected;
  } cases[] = {
      {{0x7F, 0xFF}, SampleFormat::S16Be, 32767},
      {{0xFF, 0x7F}, SampleFormat::S16Le, 32767},
      {{0x80, 0x00}, SampleFormat::S16Be, -32768},
      {{0x00, 0x80}, SampleFormat::S16Le, -32768},
      {{0x7F, 0xFF, 0xFF}, SampleFormat::S24Be, 32767},
      {{0x80, 0x00, 0x00}, SampleFormat::S24Be, -32768},
      {{0xFF, 0xFF, 0x7F}, SampleFormat::S24Le, 32767},
      {{0x00, 0x00, 0x80}, SampleFormat::S24Le, -32768},
      {{0x12, 0x34, 0x56}, SampleFormat::S24Be, 0x1234},
      {{0x56, 0x34, 0x12}, SampleFormat::S24Le, 0x1234},
      {{0x7F, 0xFF, 0xFF, 0xFF}, SampleFormat::S32Be, 32767},
      {{0x00, 0x00, 0x00, 0x80}, SampleFormat::S32Le, -32768},
      {{0x78, 0x56, 0x34, 0x12}, SampleFormat::S32Le, 0x1234},
      {{0xFF}, SampleFormat::S8, -256},
      {{0x7F}, SampleFormat::S8, 127 * 256},
      {{0x80}, SampleFormat::S8, -32768},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(static_cast<size_t>(StoredBytes(c.format)), c.stored.size());
    EXPECT_EQ(DecodeSample16(c.stored.data(), c.format), c.expected);
  }
}

TEST(SampleCodecs, EightBitFormatsDeliverUnsigned) {
  const uint8_t minus128 = 0x80, plus127 = 0x7F, zero = 0, raw = 0x37;
  EXPECT_EQ(DecodeSample8(&minus128, SampleFormat::S8ToU8), 0);
  EXPECT_EQ(DecodeSample8(&plus127, SampleFormat::S8ToU8), 255);
  EXPECT_EQ(DecodeSample8(&zero, SampleFormat::S8ToU8), 128);
  EXPECT_EQ(DecodeSample8(&raw, SampleFormat::U8), 0x37);
  EXPECT_TRUE(DeliversU8(SampleFormat::U8));
  EXPECT_TRUE(DeliversU8(SampleFormat::S8ToU8));
  EXPECT_FALSE(DeliversU8(SampleFormat::S8));
}

TEST(SampleCodecs, FloatsScaleAndClipInsteadOfWrapping) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double value;
    int expected;
  } cases[] = {{0.0, 0},       {1.0, 32767},   {-1.0, -32768}, {0.5, 16383},
               {-0.5, -16384}, {1.5, 32767},   {-1.5, -32768}, {1e300, 32767},
               {-1e300, -32768}, {inf, 32767}, {-inf, -32768}, {nan, 0},
               {1.0 / 32768, 0}, {2.0 / 32768, 1}};
  for (const Case& c : cases) EXPECT_EQ(FloatToPcm16(c.value), c.expected) << c.value;

  // The same through the stored forms in both byte orders.
  const Bytes f32be = {0x3F, 0xC0, 0x00, 0x00};  // 1.5f
  const Bytes f32le = {0x00, 0x00, 0xC0, 0xBF};  // -1.5f
  const Bytes f64be = {0x3F, 0xE0, 0, 0, 0, 0, 0, 0};  // 0.5
  const Bytes f64le = {0, 0, 0, 0, 0, 0, 0xE0, 0xBF};  // -0.5
  EXPECT_EQ(DecodeSample16(f32be.data(), SampleFormat::F32Be), 32767);
  EXPECT_EQ(DecodeSample16(f32le.data(), SampleFormat::F32Le), -32768);
  EXPECT_EQ(DecodeSample16(f64be.data(), SampleFormat::F64Be), 16383);
  EXPECT_EQ(DecodeSample16(f64le.data(), SampleFormat::F64Le), -16384);
}

TEST(SampleCodecs, ConvertFramesPicksTheLayoutChannels) {
  // Three 16-bit big-endian channels per frame; deliver the 1st and 3rd.
  const Bytes in = {0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6};
  PcmBlock block;
  ConvertFrames(in.data(), 2, SampleFormat::S16Be, {6, 4, true}, block);
  EXPECT_EQ(block.left[0], 1);
  EXPECT_EQ(block.right[0], 3);
  EXPECT_EQ(block.left[1], 4);
  EXPECT_EQ(block.right[1], 6);

  PcmBlock mono;
  mono.right[0] = 99;
  const Bytes bytes = {0x00, 0xFF};
  ConvertFrames(bytes.data(), 2, SampleFormat::S8ToU8, {1, 0, false}, mono);
  EXPECT_EQ(mono.Left8()[0], 128);
  EXPECT_EQ(mono.Left8()[1], 127);
  EXPECT_EQ(mono.right[0], 99);
}

// Every code at the two ends of the step table, worked out by hand from the
// IMA ADPCM rule: difference = step/8 (+ step/4, step/2, step for bits 0..2).
TEST(SampleCodecs, ImaNibblesAtTheEdgeIndices) {
  const int diffAtIndex0[8] = {0, 1, 3, 4, 7, 8, 10, 11};                          // step 7
  const int diffAtIndex88[8] = {4095, 12286, 20478, 28669, 36862, 45053, 53245, 61436};  // 32767
  for (unsigned code = 0; code < 16; ++code) {
    const int sign = (code & 8) ? -1 : 1;
    ImaState low{1000, 0};
    EXPECT_EQ(ImaDecodeNibble(low, code), 1000 + sign * diffAtIndex0[code & 7]) << code;
    EXPECT_EQ(low.index, std::max(0, static_cast<int>(kImaIndexTable[code])));

    ImaState high{0, 88};
    const int expected = std::clamp(sign * diffAtIndex88[code & 7], -32768, 32767);
    EXPECT_EQ(ImaDecodeNibble(high, code), expected) << code;
    EXPECT_EQ(high.index, std::min(88, 88 + kImaIndexTable[code]));

    // From the rails the predictor saturates rather than wrapping.
    ImaState top{32767, 88};
    EXPECT_EQ(ImaDecodeNibble(top, code), std::clamp(32767 + sign * diffAtIndex88[code & 7], -32768, 32767));
    ImaState bottom{-32768, 88};
    EXPECT_EQ(ImaDecodeNibble(bottom, code), std::clamp(-32768 + sign * diffAtIndex88[code & 7], -32768, 32767));
  }
  // The index walks the whole table and stays inside it.
  ImaState walk;
  for (int i = 0; i < 30; ++i) ImaDecodeNibble(walk, 7);
  EXPECT_EQ(walk.index, 88);
  for (int i = 0; i < 100; ++i) ImaDecodeNibble(walk, 0);
  EXPECT_EQ(walk.index, 0);
  EXPECT_EQ(kImaStepTable[0], 7);
  EXPECT_EQ(kImaStepTable[88], 32767);
}
