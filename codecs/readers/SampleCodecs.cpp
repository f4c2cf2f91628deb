#include "codecs/readers/SampleCodecs.h"

#include <cmath>
#include <cstring>

#include "platform/bytes/ByteOrder.h"

namespace SampleCodecs {

namespace {

int16_t Be16(const uint8_t* p) { return static_cast<int16_t>(LoadBe<16>(p)); }
int16_t Le16(const uint8_t* p) { return static_cast<int16_t>(LoadLe<16>(p)); }

float Float32(const uint8_t* p, bool bigEndian) {
  const uint32_t bits = bigEndian ? LoadBe<32>(p) : LoadLe<32>(p);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

double Float64(const uint8_t* p, bool bigEndian) {
  const uint64_t bits = bigEndian ? LoadBe<64>(p) : LoadLe<64>(p);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace

int StoredBytes(SampleFormat format) {
  switch (format) {
    case SampleFormat::U8:
    case SampleFormat::S8ToU8:
    case SampleFormat::S8:
    case SampleFormat::ULaw:
    case SampleFormat::ALaw:
      return 1;
    case SampleFormat::S16Be:
    case SampleFormat::S16Le:
      return 2;
    case SampleFormat::S24Be:
    case SampleFormat::S24Le:
      return 3;
    case SampleFormat::S32Be:
    case SampleFormat::S32Le:
    case SampleFormat::F32Be:
    case SampleFormat::F32Le:
      return 4;
    case SampleFormat::F64Be:
    case SampleFormat::F64Le:
      return 8;
  }
  return 1;
}

bool DeliversU8(SampleFormat format) {
  return format == SampleFormat::U8 || format == SampleFormat::S8ToU8;
}

int16_t DecodeSample16(const uint8_t* p, SampleFormat format) {
  switch (format) {
    case SampleFormat::U8:
      return static_cast<int16_t>((p[0] - 128) * 256);
    case SampleFormat::S8ToU8:
    case SampleFormat::S8:
      return static_cast<int16_t>(static_cast<int8_t>(p[0]) * 256);
    case SampleFormat::S16Be:
      return Be16(p);
    case SampleFormat::S16Le:
      return Le16(p);
    case SampleFormat::S24Be:
      return Be16(p);
    case SampleFormat::S24Le:
      return Le16(p + 1);
    case SampleFormat::S32Be:
      return Be16(p);
    case SampleFormat::S32Le:
      return Le16(p + 2);
    case SampleFormat::F32Be:
      return FloatToPcm16(Float32(p, true));
    case SampleFormat::F32Le:
      return FloatToPcm16(Float32(p, false));
    case SampleFormat::F64Be:
      return FloatToPcm16(Float64(p, true));
    case SampleFormat::F64Le:
      return FloatToPcm16(Float64(p, false));
    case SampleFormat::ULaw:
      return UlawToLinear(p[0]);
    case SampleFormat::ALaw:
      return AlawToLinear(p[0]);
  }
  return 0;
}

uint8_t DecodeSample8(const uint8_t* p, SampleFormat format) {
  if (format == SampleFormat::U8) return p[0];
  if (format == SampleFormat::S8ToU8) return static_cast<uint8_t>(p[0] ^ 0x80);
  return static_cast<uint8_t>((DecodeSample16(p, format) >> 8) + 128);
}

void ConvertFrames(const uint8_t* in, int frames, SampleFormat format, const FrameLayout& layout,
                   PcmBlock& block) {
  if (DeliversU8(format)) {
    uint8_t* left = block.Left8();
    uint8_t* right = block.Right8();
    for (int i = 0; i < frames; ++i, in += layout.frameBytes) {
      left[i] = DecodeSample8(in, format);
      if (layout.stereo) right[i] = DecodeSample8(in + layout.rightOffset, format);
    }
    return;
  }
  for (int i = 0; i < frames; ++i, in += layout.frameBytes) {
    block.left[i] = DecodeSample16(in, format);
    if (layout.stereo) block.right[i] = DecodeSample16(in + layout.rightOffset, format);
  }
}

// ITU-T G.711: the code is stored inverted; segment and mantissa rebuild the
// 14-bit magnitude around the bias of 33 (132 once scaled by 4).
int16_t UlawToLinear(uint8_t code) {
  const int u = static_cast<uint8_t>(~code);
  int magnitude = (((u & 0x0F) << 3) + 0x84) << ((u & 0x70) >> 4);
  magnitude -= 0x84;
  return static_cast<int16_t>((u & 0x80) ? -magnitude : magnitude);
}

// ITU-T G.711: even bits are inverted; segment 0 has no implied leading bit.
int16_t AlawToLinear(uint8_t code) {
  const int a = code ^ 0x55;
  int magnitude = (a & 0x0F) << 4;
  const int segment = (a & 0x70) >> 4;
  if (segment == 0) {
    magnitude += 8;
  } else {
    magnitude = (magnitude + 0x108) << (segment - 1);
  }
  return static_cast<int16_t>((a & 0x80) ? magnitude : -magnitude);
}

int16_t FloatToPcm16(double value) {
  if (std::isnan(value)) return 0;
  // Clipping the input at full scale gives the same result as clipping the
  // scaled value to the 16-bit range, and keeps the conversion defined.
  if (value > 1.0) value = 1.0;
  if (value < -1.0) value = -1.0;
  const int64_t scaled = static_cast<int64_t>(value * 2147483647.0);
  return static_cast<int16_t>(scaled >> 16);
}

const int16_t kImaStepTable[89] = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,   253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,   876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749,  3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493,  10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

const int8_t kImaIndexTable[16] = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};

int16_t ImaDecodeNibble(ImaState& state, unsigned nibble) {
  nibble &= 0x0F;
  if (state.index < 0) state.index = 0;
  if (state.index > 88) state.index = 88;
  const int32_t step = kImaStepTable[state.index];
  int32_t difference = step >> 3;
  if (nibble & 1) difference += step >> 2;
  if (nibble & 2) difference += step >> 1;
  if (nibble & 4) difference += step;
  int32_t predictor = state.predictor + ((nibble & 8) ? -difference : difference);
  if (predictor > 32767) predictor = 32767;
  if (predictor < -32768) predictor = -32768;
  state.predictor = predictor;
  state.index += kImaIndexTable[nibble];
  if (state.index < 0) state.index = 0;
  if (state.index > 88) state.index = 88;
  return static_cast<int16_t>(predictor);
}

}  // namespace SampleCodecs
