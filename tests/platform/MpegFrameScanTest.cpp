#include "platform/engine/MpegFrameScan.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using engine::MpegFrameHeader;
using engine::MpegInfoHeader;
using engine::MpegVersion;

namespace {

struct HeaderCase {
  uint8_t bytes[4];
  MpegVersion version;
  int layer;
  int bitRate;
  int sampleRate;
  int frameBytes;
  int samplesPerFrame;
};

// Frame lengths worked out by hand from ISO/IEC 11172-3 and 13818-3.
const HeaderCase kValidHeaders[] = {
    // MPEG-1 layer III, 128 kbit/s, 44.1 kHz: 144 * 128000 / 44100 = 417.9
    {{0xFF, 0xFB, 0x90, 0x00}, MpegVersion::kMpeg1, 3, 128, 44100, 417, 1152},
    {{0xFF, 0xFB, 0x92, 0x00}, MpegVersion::kMpeg1, 3, 128, 44100, 418, 1152},  // padded
    {{0xFF, 0xFB, 0x94, 0xC0}, MpegVersion::kMpeg1, 3, 128, 48000, 384, 1152},
    {{0xFF, 0xFA, 0xE8, 0x00}, MpegVersion::kMpeg1, 3, 320, 32000, 1440, 1152},  // CRC
    // MPEG-1 layer II, 256 kbit/s, 48 kHz
    {{0xFF, 0xFD, 0xC4, 0x00}, MpegVersion::kMpeg1, 2, 256, 48000, 768, 1152},
    // MPEG-1 layer I, 288 kbit/s, 44.1 kHz: (12 * 288000 / 44100 + pad) * 4
    {{0xFF, 0xFF, 0x90, 0x00}, MpegVersion::kMpeg1, 1, 288, 44100, 312, 384},
    {{0xFF, 0xFF, 0x92, 0x00}, MpegVersion::kMpeg1, 1, 288, 44100, 316, 384},
    // MPEG-2 layer III, 64 kbit/s, 22.05 kHz: 72 * 64000 / 22050 = 208.9
    {{0xFF, 0xF3, 0x80, 0x00}, MpegVersion::kMpeg2, 3, 64, 22050, 208, 576},
    // MPEG-2 layer I, 256 kbit/s, 22.05 kHz: 12 * 256000 / 22050 = 139.3
    {{0xFF, 0xF7, 0xE0, 0x00}, MpegVersion::kMpeg2, 1, 256, 22050, 556, 384},
    // MPEG-2 layer II, 160 kbit/s, 16 kHz, padded
    {{0xFF, 0xF5, 0xEA, 0x00}, MpegVersion::kMpeg2, 2, 160, 16000, 1441, 1152},
    // MPEG-2.5 layer III, 8 kbit/s, 8 kHz
    {{0xFF, 0xE3, 0x18, 0x00}, MpegVersion::kMpeg25, 3, 8, 8000, 72, 576},
    // MPEG-2.5 layer II at its largest: the longest frame there is
    {{0xFF, 0xE5, 0xEA, 0x00},
     MpegVersion::kMpeg25,
     2,
     160,
     8000,
     engine::kMaxMpegFrameBytes,
     1152},
};

TEST(MpegFrameScanTest, ParsesValidHeadersAndFrameLengths) {
  for (const HeaderCase& c : kValidHeaders) {
    SCOPED_TRACE(testing::Message() << std::hex << int(c.bytes[1]) << ' ' << int(c.bytes[2]));
    MpegFrameHeader h;
    ASSERT_TRUE(engine::ParseMpegFrameHeader(c.bytes, h));
    EXPECT_EQ(h.version, c.version);
    EXPECT_EQ(h.layer, c.layer);
    EXPECT_EQ(h.bitRate, c.bitRate);
    EXPECT_EQ(h.sampleRate, c.sampleRate);
    EXPECT_EQ(h.frameBytes, c.frameBytes);
    EXPECT_EQ(h.samplesPerFrame, c.samplesPerFrame);
    EXPECT_EQ(h.channelMode, c.bytes[3] >> 6);
    EXPECT_EQ(h.crc, (c.bytes[1] & 1) == 0);
  }
}

TEST(MpegFrameScanTest, RefusesInvalidHeaders) {
  const uint8_t invalid[][4] = {
      {0xFE, 0xFB, 0x90, 0x00},  // no sync in the first byte
      {0xFF, 0x7B, 0x90, 0x00},  // sync bits of the second byte missing
      {0xFF, 0xEB, 0x90, 0x00},  // reserved version
      {0xFF, 0xF9, 0x90, 0x00},  // reserved layer
      {0xFF, 0xFB, 0x00, 0x00},  // free format
      {0xFF, 0xFB, 0xF0, 0x00},  // bit-rate index 15
      {0xFF, 0xFB, 0x9C, 0x00},  // reserved sample rate
  };
  for (const auto& bytes : invalid) {
    MpegFrameHeader h;
    EXPECT_FALSE(engine::ParseMpegFrameHeader(bytes, h)) << std::hex << int(bytes[1]);
  }
}

TEST(MpegFrameScanTest, Id3v2TagSizes) {
  struct Case {
    std::vector<uint8_t> bytes;
    uint64_t size;
  };
  const Case cases[] = {
      {{'I', 'D', '3', 3, 0, 0x00, 0, 0, 0x02, 0x01}, 10 + 257},
      {{'I', 'D', '3', 4, 0, 0x10, 0, 0, 0x02, 0x01}, 10 + 257 + 10},  // footer
      {{'I', 'D', '3', 4, 0, 0x00, 0x7F, 0x7F, 0x7F, 0x7F}, 10 + 0x0FFFFFFF},
      {{'I', 'D', '3', 3, 0, 0x00, 0, 0, 0x82, 0x01}, 0},  // not syncsafe
      {{'I', 'D', '3', 0xFF, 0, 0x00, 0, 0, 0x02, 0x01}, 0},
      {{'I', 'D', '2', 3, 0, 0x00, 0, 0, 0x02, 0x01}, 0},
      {{'I', 'D', '3', 3, 0, 0x00, 0, 0, 0x02}, 0},  // cut short
  };
  for (const Case& c : cases) {
    EXPECT_EQ(engine::Id3v2TagSize(c.bytes.data(), c.bytes.size()), c.size);
  }
}

// `count` MPEG-1 layer III frames of 417 bytes with silent bodies.
std::vector<uint8_t> Frames(int count, uint8_t rateBits = 0x90) {
  std::vector<uint8_t> bytes;
  for (int i = 0; i < count; ++i) {
    const uint8_t header[4] = {0xFF, 0xFB, rateBits, 0x00};
    bytes.insert(bytes.end(), header, header + 4);
    bytes.resize(bytes.size() + (rateBits == 0x90 ? 417 : 384) - 4, 0);
  }
  return bytes;
}

std::vector<uint8_t> Join(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(MpegFrameScanTest, FindsTheFirstFrameFollowedByAnother) {
  std::vector<uint8_t> junkWithSync(700, 'x');
  const uint8_t sync[4] = {0xFF, 0xFB, 0x90, 0x00};
  std::memcpy(&junkWithSync[10], sync, 4);  // one frame later there is only junk
  std::vector<uint8_t> id3v1(128, 0);
  std::memcpy(id3v1.data(), "TAG", 3);

  struct Case {
    const char* what;
    std::vector<uint8_t> data;
    bool endsFile;
    int64_t offset;
  };
  const Case cases[] = {
      {"frames from the start", Frames(3), true, 0},
      {"text before the frames", Join(std::vector<uint8_t>(100, 'x'), Frames(3)), true, 100},
      {"a lone sync in the junk", Join(junkWithSync, Frames(3)), true, 700},
      {"next header at another rate", Join(Frames(1, 0x90), Frames(2, 0x94)), true, 417},
      {"one frame ending the file", Frames(1), true, 0},
      {"one frame, file goes on", Frames(1), false, -1},
      {"one frame and an ID3v1 tag", Join(Frames(1), id3v1), true, 0},
      {"no frame at all", std::vector<uint8_t>(5000, 'x'), true, -1},
      {"too short", {0xFF, 0xFB, 0x90}, true, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(engine::FindFirstMpegFrame(c.data.data(), c.data.size(), c.endsFile), c.offset)
        << c.what;
  }
}

// A layer III frame with a Xing/Info header at `at`, flags 0x0F, and an
// encoder extension named `encoder`.
std::vector<uint8_t> InfoFrame(const uint8_t header[4], int frameBytes, size_t at, const char* tag,
                               const char* encoder, uint32_t frames, uint32_t bytes, int delay,
                               int padding) {
  std::vector<uint8_t> frame(static_cast<size_t>(frameBytes), 0);
  std::memcpy(frame.data(), header, 4);
  std::memcpy(&frame[at], tag, 4);
  frame[at + 7] = 0x0F;
  for (int i = 0; i < 4; ++i) {
    frame[at + 8 + i] = static_cast<uint8_t>(frames >> (24 - 8 * i));
    frame[at + 12 + i] = static_cast<uint8_t>(bytes >> (24 - 8 * i));
  }
  const size_t ext = at + 8 + 4 + 4 + 100 + 4;
  std::memcpy(&frame[ext], encoder, 9);
  frame[ext + 21] = static_cast<uint8_t>(delay >> 4);
  frame[ext + 22] = static_cast<uint8_t>(((delay & 0x0F) << 4) | (padding >> 8));
  frame[ext + 23] = static_cast<uint8_t>(padding & 0xFF);
  return frame;
}

TEST(MpegFrameScanTest, ReadsInfoHeaders) {
  const uint8_t stereo1[4] = {0xFF, 0xFB, 0x90, 0x00};  // side info 32 bytes
  const uint8_t mono1[4] = {0xFF, 0xFB, 0x90, 0xC0};    // 17
  const uint8_t stereo2[4] = {0xFF, 0xF3, 0x80, 0x00};  // 17
  const uint8_t mono2[4] = {0xFF, 0xF3, 0x80, 0xC0};    // 9
  struct Case {
    const uint8_t* header;
    int frameBytes;
    size_t at;
    const char* tag;
    const char* encoder;
    bool gapless;
  };
  const Case cases[] = {
      {stereo1, 417, 36, "Info", "LAME3.100", true},  {mono1, 417, 21, "Xing", "LAME3.100", true},
      {stereo2, 208, 21, "Xing", "Lavc59.37", true},  {mono2, 208, 13, "Info", "Lavf59.27", true},
      {stereo1, 417, 36, "Xing", "Other1.00", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.at);
    const auto frame =
        InfoFrame(c.header, c.frameBytes, c.at, c.tag, c.encoder, 1234, 56789, 576, 1321);
    MpegFrameHeader h;
    ASSERT_TRUE(engine::ParseMpegFrameHeader(frame.data(), h));
    MpegInfoHeader info;
    ASSERT_TRUE(engine::ParseMpegInfoHeader(frame.data(), frame.size(), h, info));
    EXPECT_EQ(info.frames, 1234u);
    EXPECT_EQ(info.bytes, 56789u);
    EXPECT_EQ(info.gapless, c.gapless);
    if (c.gapless) {
      EXPECT_EQ(info.encoderDelay, 576);
      EXPECT_EQ(info.encoderPadding, 1321);
    }
  }
}

TEST(MpegFrameScanTest, IgnoresFramesWithoutAnInfoHeader) {
  const uint8_t stereo1[4] = {0xFF, 0xFB, 0x90, 0x00};
  MpegFrameHeader h;
  ASSERT_TRUE(engine::ParseMpegFrameHeader(stereo1, h));
  MpegInfoHeader info;

  // Header at the mono offset of a stereo frame: not where it belongs.
  auto misplaced = InfoFrame(stereo1, 417, 21, "Info", "LAME3.100", 10, 0, 0, 0);
  EXPECT_FALSE(engine::ParseMpegInfoHeader(misplaced.data(), misplaced.size(), h, info));
  // Cut before the frame count.
  auto cut = InfoFrame(stereo1, 417, 36, "Info", "LAME3.100", 10, 0, 0, 0);
  EXPECT_FALSE(engine::ParseMpegInfoHeader(cut.data(), 46, h, info));
  // Layer II frames carry none.
  const uint8_t layer2[4] = {0xFF, 0xFD, 0xC4, 0x00};
  auto l2 = InfoFrame(layer2, 768, 36, "Info", "LAME3.100", 10, 0, 0, 0);
  ASSERT_TRUE(engine::ParseMpegFrameHeader(layer2, h));
  EXPECT_FALSE(engine::ParseMpegInfoHeader(l2.data(), l2.size(), h, info));
}

TEST(MpegFrameScanTest, GaplessLengthFollowsTheDecoderLag) {
  struct Case {
    uint32_t frames;
    bool gapless;
    int delay;
    int padding;
    int spf;
    int64_t samples;
  };
  const Case cases[] = {
      {100, true, 576, 1000, 1152, 100 * 1152 - 576 - 1000},
      {100, true, 576, 1000, 576, 100 * 576 - 576 - 1000},
      {100, false, 576, 1000, 1152, 100 * 1152},
      {100, true, 576, 100, 1152, 100 * 1152 - 576 - 529},  // padding below the lag
      {1, true, 4000, 0, 1152, 0},
  };
  for (const Case& c : cases) {
    MpegInfoHeader info;
    info.frames = c.frames;
    info.gapless = c.gapless;
    info.encoderDelay = c.delay;
    info.encoderPadding = c.padding;
    EXPECT_EQ(engine::MpegGaplessSamples(info, c.spf), c.samples);
  }
}

}  // namespace
