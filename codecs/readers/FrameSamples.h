#pragma once

#include <cstdint>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/samplefmt.h>
}

// Sample conversions from the decoder's output to the depths that sources
// deliver. One channel of a decoded frame is copied at a time, from its own
// plane in planar formats or stepping over the other channels in packed
// ones:
//
//   unsigned 8-bit     8-bit: copied; 16-bit: (value - 128) << 8
//   signed 16-bit      copied
//   signed 32-bit      value >> 16 (24-bit sources decode to this format
//                      with their bits at the top, so their upper two bytes)
//   signed 64-bit      value >> 48
//   float, double      (value x 2147483647) >> 16, clipped to the 16-bit
//                      range first, so 1.0 gives 32767, -1.0 gives -32768
//                      and louder samples stay at the limits; NaN is 0
//
// 8-bit delivery of a format other than unsigned 8-bit takes the 16-bit
// value's high byte plus 128.
namespace frame_samples {

// True for the sample formats above, packed or planar.
bool IsSupported(int format);

// True for the formats delivered as unsigned 8-bit.
bool IsUnsigned8(int format);

// Copies all nb_samples samples of `channel` (0-based, below the frame's
// channel count) into `out`. False, with nothing written, for an unsupported
// format or a channel the frame lacks.
bool CopyChannel16(const AVFrame& frame, int channel, int16_t* out);
bool CopyChannel8(const AVFrame& frame, int channel, uint8_t* out);

// One float or double sample as 16-bit, clipped.
int16_t FloatTo16(double value);

}  // namespace frame_samples
