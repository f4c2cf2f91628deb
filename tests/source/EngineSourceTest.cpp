#include <gtest/gtest.h>

#include "source/EngineSource.h"

namespace {

TEST(EngineSourceTest, MpegHeaderChecks) {
  const struct {
    uint8_t b[4];
    uint32_t mode;
    const char* what;
  } cases[] = {
      {{0xFF, 0xFB, 0x90, 0x44}, 1, "MPEG-1 layer III 128 kbps joint stereo"},
      {{0xFF, 0xFB, 0x90, 0x04}, 0, "stereo"},
      {{0xFF, 0xFB, 0x90, 0xC4}, 3, "mono"},
      {{0xFF, 0xFD, 0x90, 0x84}, 2, "MPEG-1 layer II dual channel"},
      {{0xFF, 0xF3, 0x10, 0xC4}, 3, "MPEG-2 layer III 8 kbps"},
      {{0xFF, 0xE3, 0x10, 0x44}, 1, "MPEG-2.5 layer III"},
      {{0xFF, 0xFF, 0xE0, 0x00}, 0, "MPEG-1 layer I 448 kbps"},
      {{0xFF, 0xFB, 0x00, 0x44}, 4, "free format refused"},
      {{0xFF, 0xFB, 0xF0, 0x44}, 4, "bit-rate index 15 refused"},
      {{0xFF, 0xEB, 0x90, 0x44}, 4, "reserved version refused"},
      {{0xFF, 0xF9, 0x90, 0x44}, 4, "reserved layer refused"},
      {{0xFE, 0xFB, 0x90, 0x44}, 4, "no sync"},
      {{0xFF, 0x1B, 0x90, 0x44}, 4, "sync bits of the second byte missing"},
  };
  for (const auto& c : cases) EXPECT_EQ(MpegHeaderChannelMode(c.b), c.mode) << c.what;
}

TEST(EngineSourceTest, BitRateFromFileSizeOrFormat) {
  EXPECT_EQ(SourceBitRate(2880000, 180.0, 16, 44100, 2), 128u);
  EXPECT_EQ(SourceBitRate(static_cast<uint64_t>(-1), 180.0, 16, 44100, 2), 1411u);
  EXPECT_EQ(SourceBitRate(2880000, 0.0, 16, 44100, 2), 1411u);
  EXPECT_EQ(SourceBitRate(1000, 0.001, 8, 8000, 1), 8000u);
  EXPECT_EQ(SourceBitRate(0, 0.0, 8, 8000, 1), 64u);
}

}  // namespace
