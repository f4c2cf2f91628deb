#include "codecs/readers/FrameSamples.h"

#include <cmath>
#include <cstring>

namespace frame_samples {
namespace {

// Applies `convert` to every sample of one channel. Planar formats keep each
// channel in its own plane; packed ones interleave all channels in plane 0.
template <typename T, typename Out, typename Convert>
void Gather(const AVFrame& frame, int channel, Out* out, Convert convert) {
  const bool planar = av_sample_fmt_is_planar(static_cast<AVSampleFormat>(frame.format)) != 0;
  const uint8_t* at;
  size_t step;
  if (planar) {
    at = frame.extended_data[channel];
    step = sizeof(T);
  } else {
    at = frame.extended_data[0] + static_cast<size_t>(channel) * sizeof(T);
    step = sizeof(T) * static_cast<size_t>(frame.ch_layout.nb_channels);
  }
  for (int i = 0; i < frame.nb_samples; ++i, at += step) {
    T value;
    std::memcpy(&value, at, sizeof value);
    out[i] = convert(value);
  }
}

int16_t U8To16(uint8_t v) {
  return static_cast<int16_t>((v - 128) * 256);
}
uint8_t S16To8(int16_t v) {
  return static_cast<uint8_t>((v >> 8) + 128);
}

// Converts one channel to 16-bit and hands each value through `finish`
// (which keeps it, or narrows it to 8 bits); the caller has checked the
// format and the channel.
template <typename Out, typename Finish>
void Convert(const AVFrame& frame, int channel, Out* out, Finish finish) {
  switch (av_get_packed_sample_fmt(static_cast<AVSampleFormat>(frame.format))) {
    case AV_SAMPLE_FMT_U8:
      Gather<uint8_t>(frame, channel, out, [&](uint8_t v) { return finish(U8To16(v)); });
      break;
    case AV_SAMPLE_FMT_S16:
      Gather<int16_t>(frame, channel, out, [&](int16_t v) { return finish(v); });
      break;
    case AV_SAMPLE_FMT_S32:
      Gather<int32_t>(frame, channel, out,
                      [&](int32_t v) { return finish(static_cast<int16_t>(v >> 16)); });
      break;
    case AV_SAMPLE_FMT_S64:
      Gather<int64_t>(frame, channel, out,
                      [&](int64_t v) { return finish(static_cast<int16_t>(v >> 48)); });
      break;
    case AV_SAMPLE_FMT_FLT:
      Gather<float>(frame, channel, out, [&](float v) { return finish(FloatTo16(v)); });
      break;
    case AV_SAMPLE_FMT_DBL:
      Gather<double>(frame, channel, out, [&](double v) { return finish(FloatTo16(v)); });
      break;
    default:
      break;
  }
}

bool Usable(const AVFrame& frame, int channel) {
  return IsSupported(frame.format) && frame.nb_samples > 0 && channel >= 0 &&
         channel < frame.ch_layout.nb_channels && frame.extended_data != nullptr;
}

}  // namespace

bool IsSupported(int format) {
  switch (av_get_packed_sample_fmt(static_cast<AVSampleFormat>(format))) {
    case AV_SAMPLE_FMT_U8:
    case AV_SAMPLE_FMT_S16:
    case AV_SAMPLE_FMT_S32:
    case AV_SAMPLE_FMT_S64:
    case AV_SAMPLE_FMT_FLT:
    case AV_SAMPLE_FMT_DBL:
      return true;
    default:
      return false;
  }
}

bool IsUnsigned8(int format) {
  return format == AV_SAMPLE_FMT_U8 || format == AV_SAMPLE_FMT_U8P;
}

int16_t FloatTo16(double value) {
  if (std::isnan(value)) return 0;
  const double scaled = value * 2147483647.0;
  int64_t wide;
  if (scaled >= 2147483647.0) {
    wide = 2147483647;
  } else if (scaled <= -2147483648.0) {
    wide = -2147483647 - 1;
  } else {
    wide = static_cast<int64_t>(scaled);
  }
  return static_cast<int16_t>(wide >> 16);
}

bool CopyChannel16(const AVFrame& frame, int channel, int16_t* out) {
  if (!Usable(frame, channel)) return false;
  Convert(frame, channel, out, [](int16_t v) { return v; });
  return true;
}

bool CopyChannel8(const AVFrame& frame, int channel, uint8_t* out) {
  if (!Usable(frame, channel)) return false;
  if (IsUnsigned8(frame.format)) {
    Gather<uint8_t>(frame, channel, out, [](uint8_t v) { return v; });
  } else {
    Convert(frame, channel, out, S16To8);
  }
  return true;
}

}  // namespace frame_samples
