#pragma once

#include <cstddef>
#include <cstdint>

#include "source/PcmBlock.h"

// The sample converters that the AIFF, AU and RIFF WAVE readers share: the
// readers parse their containers and hand the stored samples to these.
namespace SampleCodecs {

// How one stored sample is laid out and what it becomes. The U8 forms are
// delivered as unsigned 8-bit samples, everything else as signed 16-bit.
enum class SampleFormat {
  U8,         // unsigned 8-bit, copied
  S8ToU8,     // signed 8-bit, delivered as unsigned 8-bit (+128)
  S8,         // signed 8-bit, widened to 16 bits (x 256)
  S16Be, S16Le,
  S24Be, S24Le,  // the two most significant bytes are kept
  S32Be, S32Le,
  F32Be, F32Le,
  F64Be, F64Le,
  ULaw, ALaw,  // G.711
};

// Bytes of one stored sample.
int StoredBytes(SampleFormat format);
// True when the format is delivered as unsigned 8-bit samples.
bool DeliversU8(SampleFormat format);

// One stored sample as a 16-bit (or, for the U8 forms, 8-bit) value.
int16_t DecodeSample16(const uint8_t* p, SampleFormat format);
uint8_t DecodeSample8(const uint8_t* p, SampleFormat format);

// Where the two delivered channels sit inside one stored frame.
struct FrameLayout {
  size_t frameBytes = 0;   // distance from one frame to the next
  size_t rightOffset = 0;  // byte offset of the right sample in a frame
  bool stereo = false;     // false: only the left sample is delivered
};

// Converts `frames` frames from `in` into block.left (and block.right when
// the layout is stereo), in 8-bit or 16-bit form by the format.
void ConvertFrames(const uint8_t* in, int frames, SampleFormat format, const FrameLayout& layout,
                   PcmBlock& block);

// G.711 expansion to 16-bit linear (the 14-bit µ-law and 13-bit A-law
// values, scaled up to full range).
int16_t UlawToLinear(uint8_t code);
int16_t AlawToLinear(uint8_t code);

// A float sample in -1.0..1.0 scaled to 16 bits: value x 2147483647 taken as
// a 64-bit integer and shifted right by 16. Values beyond full scale are
// clipped rather than wrapped; NaN becomes silence.
int16_t FloatToPcm16(double value);

// IMA ADPCM: the step table, the index table and the per-channel state.
extern const int16_t kImaStepTable[89];
extern const int8_t kImaIndexTable[16];

struct ImaState {
  int32_t predictor = 0;  // last sample, -32768..32767
  int32_t index = 0;      // step index, 0..88
};

// Decodes one 4-bit code (low four bits of `nibble`) and advances `state`.
int16_t ImaDecodeNibble(ImaState& state, unsigned nibble);

}  // namespace SampleCodecs
