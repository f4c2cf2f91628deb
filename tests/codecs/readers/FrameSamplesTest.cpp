#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "platform/ffmpeg/FfmpegOwners.h"
#include "codecs/readers/FrameSamples.h"

namespace {

constexpr int kChannels = 3;

// One decoder output format and what its samples become. Channel c of the
// test frame holds the inputs rotated by c places, so a plane or a stride
// mixed up shows as a wrong value.
struct FormatRow {
  AVSampleFormat format;       // packed; the planar twin is tested as well
  std::vector<int64_t> ints;   // inputs of integer formats
  std::vector<double> floats;  // inputs of float formats
  std::vector<int16_t> expect16;
  std::vector<uint8_t> expect8;
};

template <typename T>
void Put(uint8_t* at, T value) {
  std::memcpy(at, &value, sizeof value);
}

// Stores input `index` of `row` as sample `i` of `channel`.
void SetSample(AVFrame& frame, const FormatRow& row, int channel, int i, size_t index) {
  const AVSampleFormat packed = av_get_packed_sample_fmt(static_cast<AVSampleFormat>(frame.format));
  const int width = av_get_bytes_per_sample(packed);
  uint8_t* at =
      av_sample_fmt_is_planar(static_cast<AVSampleFormat>(frame.format))
          ? frame.extended_data[channel] + static_cast<size_t>(i) * width
          : frame.extended_data[0] + (static_cast<size_t>(i) * kChannels + channel) * width;
  switch (packed) {
    case AV_SAMPLE_FMT_U8:
      Put(at, static_cast<uint8_t>(row.ints[index]));
      break;
    case AV_SAMPLE_FMT_S16:
      Put(at, static_cast<int16_t>(row.ints[index]));
      break;
    case AV_SAMPLE_FMT_S32:
      Put(at, static_cast<int32_t>(row.ints[index]));
      break;
    case AV_SAMPLE_FMT_S64:
      Put(at, row.ints[index]);
      break;
    case AV_SAMPLE_FMT_FLT:
      Put(at, static_cast<float>(row.floats[index]));
      break;
    case AV_SAMPLE_FMT_DBL:
      Put(at, row.floats[index]);
      break;
    default:
      FAIL() << "format not covered";
  }
}

FramePtr MakeFrame(AVSampleFormat format, const FormatRow& row) {
  const size_t count = row.expect16.size();
  FramePtr frame(av_frame_alloc());
  frame->format = format;
  frame->nb_samples = static_cast<int>(count);
  av_channel_layout_default(&frame->ch_layout, kChannels);
  if (av_frame_get_buffer(frame.get(), 0) < 0) return nullptr;
  for (int c = 0; c < kChannels; ++c) {
    for (size_t i = 0; i < count; ++i)
      SetSample(*frame, row, c, static_cast<int>(i), (i + c) % count);
  }
  return frame;
}

const double kNan = std::numeric_limits<double>::quiet_NaN();

TEST(FrameSamplesTest, EachFormatPackedAndPlanarConvertsPerChannel) {
  const FormatRow rows[] = {
      {AV_SAMPLE_FMT_U8,
       {0, 128, 255, 1, 127, 129},
       {},
       {-32768, 0, 32512, -32512, -256, 256},
       {0, 128, 255, 1, 127, 129}},
      {AV_SAMPLE_FMT_S16,
       {-32768, -1, 0, 1, 32767, 256},
       {},
       {-32768, -1, 0, 1, 32767, 256},
       {0, 127, 128, 128, 255, 129}},
      // value >> 16: the upper two bytes, rounding toward minus infinity
      {AV_SAMPLE_FMT_S32,
       {INT32_MIN, -65537, -1, 65536, INT32_MAX, 0x12345678},
       {},
       {-32768, -2, -1, 1, 32767, 0x1234},
       {0, 127, 127, 128, 255, 0x12 + 128}},
      {AV_SAMPLE_FMT_S64,
       {INT64_MIN, -1, 0, int64_t{1} << 48, INT64_MAX, int64_t{0x1234} << 48},
       {},
       {-32768, -1, 0, 1, 32767, 0x1234},
       {0, 127, 128, 128, 255, 0x12 + 128}},
      // full scale reaches the limits; louder samples stay there instead of
      // wrapping round to the other sign; NaN is silence
      {AV_SAMPLE_FMT_FLT,
       {},
       {1.5, -1.5, 1.0, -1.0, 0.5, kNan},
       {32767, -32768, 32767, -32768, 16383, 0},
       {255, 0, 255, 0, 191, 128}},
      {AV_SAMPLE_FMT_DBL,
       {},
       {1e300, -1e300, 1.0, -1.0, -0.5, kNan},
       {32767, -32768, 32767, -32768, -16384, 0},
       {255, 0, 255, 0, 64, 128}},
  };
  for (const FormatRow& row : rows) {
    for (const AVSampleFormat format : {row.format, av_get_planar_sample_fmt(row.format)}) {
      SCOPED_TRACE(av_get_sample_fmt_name(format));
      ASSERT_TRUE(frame_samples::IsSupported(format));
      FramePtr frame = MakeFrame(format, row);
      ASSERT_TRUE(frame);
      const size_t count = row.expect16.size();
      for (int c = 0; c < kChannels; ++c) {
        std::vector<int16_t> out16(count, 0x5555);
        std::vector<uint8_t> out8(count, 0x55);
        ASSERT_TRUE(frame_samples::CopyChannel16(*frame, c, out16.data()));
        ASSERT_TRUE(frame_samples::CopyChannel8(*frame, c, out8.data()));
        for (size_t i = 0; i < count; ++i) {
          EXPECT_EQ(out16[i], row.expect16[(i + c) % count]) << "channel " << c << " sample " << i;
          EXPECT_EQ(out8[i], row.expect8[(i + c) % count]) << "channel " << c << " sample " << i;
        }
      }
      // a channel the frame lacks is refused and nothing is written
      std::vector<int16_t> out(count, 7);
      EXPECT_FALSE(frame_samples::CopyChannel16(*frame, kChannels, out.data()));
      EXPECT_FALSE(frame_samples::CopyChannel16(*frame, -1, out.data()));
      EXPECT_EQ(out, std::vector<int16_t>(count, 7));
    }
  }
}

TEST(FrameSamplesTest, OnlyUnsignedEightBitIsDeliveredAsEightBit) {
  EXPECT_TRUE(frame_samples::IsUnsigned8(AV_SAMPLE_FMT_U8));
  EXPECT_TRUE(frame_samples::IsUnsigned8(AV_SAMPLE_FMT_U8P));
  for (const AVSampleFormat f :
       {AV_SAMPLE_FMT_S16, AV_SAMPLE_FMT_S32P, AV_SAMPLE_FMT_FLT, AV_SAMPLE_FMT_NONE}) {
    EXPECT_FALSE(frame_samples::IsUnsigned8(f)) << f;
  }
  EXPECT_FALSE(frame_samples::IsSupported(AV_SAMPLE_FMT_NONE));
  EXPECT_FALSE(frame_samples::IsSupported(AV_SAMPLE_FMT_NB));
}

TEST(FrameSamplesTest, FloatScaleMatchesTheIntegerShift) {
  // 1.0 maps to 32767 and -1.0 to -32768, as a 32-bit full-scale value
  // shifted right by 16 would.
  EXPECT_EQ(frame_samples::FloatTo16(1.0), 32767);
  EXPECT_EQ(frame_samples::FloatTo16(-1.0), -32768);
  EXPECT_EQ(frame_samples::FloatTo16(0.0), 0);
  EXPECT_EQ(frame_samples::FloatTo16(1.0 / 32768), 0);  // 65535.99 >> 16
  EXPECT_EQ(frame_samples::FloatTo16(2.0 / 32768), 1);
  EXPECT_EQ(frame_samples::FloatTo16(-1.0 / 32768), -1);
  EXPECT_EQ(frame_samples::FloatTo16(std::numeric_limits<double>::infinity()), 32767);
  EXPECT_EQ(frame_samples::FloatTo16(-std::numeric_limits<double>::infinity()), -32768);
}

}  // namespace
