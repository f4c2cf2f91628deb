#include "codecs/readers/WaveAdpcm.h"

#include <climits>

#include "codecs/readers/SampleCodecs.h"
#include "platform/bytes/ByteOrder.h"

namespace WaveAdpcm {

const int kMsAdaptation[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                               768, 614, 512, 409, 307, 230, 230, 230};

size_t MsAdpcmBlockBytes(int channels, int samplesPerBlock) {
  const size_t codes = static_cast<size_t>(samplesPerBlock - 2) * channels;
  return 7 * static_cast<size_t>(channels) + (codes + 1) / 2;
}

bool DecodeMsAdpcmBlock(const uint8_t* block, size_t size, int channels, int samplesPerBlock,
                        const std::vector<int16_t>& coefficients, int16_t* out) {
  if (channels < 1 || channels > 2 || samplesPerBlock < 2 ||
      size < MsAdpcmBlockBytes(channels, samplesPerBlock))
    return false;
  struct Channel {
    int32_t coefficient1, coefficient2, delta, sample1, sample2;
  } state[2] = {};
  const size_t pairs = coefficients.size() / 2;
  const uint8_t* p = block;
  for (int c = 0; c < channels; ++c) {
    const size_t predictor = *p++;
    if (predictor >= pairs) return false;
    state[c].coefficient1 = coefficients[2 * predictor];
    state[c].coefficient2 = coefficients[2 * predictor + 1];
  }
  for (int c = 0; c < channels; ++c, p += 2) state[c].delta = static_cast<int16_t>(LoadLe<16>(p));
  for (int c = 0; c < channels; ++c, p += 2) state[c].sample1 = static_cast<int16_t>(LoadLe<16>(p));
  for (int c = 0; c < channels; ++c, p += 2) state[c].sample2 = static_cast<int16_t>(LoadLe<16>(p));
  for (int c = 0; c < channels; ++c) {
    out[c] = static_cast<int16_t>(state[c].sample2);
    out[channels + c] = static_cast<int16_t>(state[c].sample1);
  }
  const size_t codes = static_cast<size_t>(samplesPerBlock - 2) * channels;
  int16_t* next = out + 2 * channels;
  for (size_t k = 0; k < codes; ++k) {
    Channel& s = state[k % channels];
    const unsigned nibble = (k % 2 == 0) ? (p[k / 2] >> 4) : (p[k / 2] & 0x0F);
    const int32_t code = (nibble & 8) ? static_cast<int32_t>(nibble) - 16 : static_cast<int32_t>(nibble);
    // 64-bit: two products of full-scale samples and coefficients overflow
    // 32 bits.
    int64_t prediction =
        (static_cast<int64_t>(s.sample1) * s.coefficient1 + static_cast<int64_t>(s.sample2) * s.coefficient2) / 256 +
        static_cast<int64_t>(code) * s.delta;
    if (prediction > 32767) prediction = 32767;
    if (prediction < -32768) prediction = -32768;
    s.sample2 = s.sample1;
    s.sample1 = static_cast<int32_t>(prediction);
    s.delta = static_cast<int32_t>(static_cast<int64_t>(kMsAdaptation[nibble]) * s.delta / 256);
    if (s.delta < 16) s.delta = 16;
    // A run of large codes would grow the step past what the products hold.
    if (s.delta > INT_MAX / 768) s.delta = INT_MAX / 768;
    *next++ = static_cast<int16_t>(prediction);
  }
  return true;
}

size_t ImaBlockBytes(int channels, int samplesPerBlock) {
  const size_t groups = (static_cast<size_t>(samplesPerBlock - 1) + 7) / 8;
  return 4 * static_cast<size_t>(channels) * (1 + groups);
}

bool DecodeImaBlock(const uint8_t* block, size_t size, int channels, int samplesPerBlock,
                    int16_t* out) {
  if (channels < 1 || channels > 2 || samplesPerBlock < 1 ||
      size < ImaBlockBytes(channels, samplesPerBlock))
    return false;
  SampleCodecs::ImaState state[2];
  for (int c = 0; c < channels; ++c) {
    const uint8_t* header = block + 4 * c;
    state[c].predictor = static_cast<int16_t>(LoadLe<16>(header));
    state[c].index = header[2] > 88 ? 88 : header[2];
    out[c] = static_cast<int16_t>(state[c].predictor);
  }
  // After the headers, each channel in turn gives 4 bytes: 8 codes, low
  // nibble first.
  const uint8_t* data = block + 4 * channels;
  const int codes = samplesPerBlock - 1;
  for (int k = 0; k < codes; ++k) {
    const int group = k / 8;
    const int within = k % 8;
    for (int c = 0; c < channels; ++c) {
      const uint8_t byte = data[(static_cast<size_t>(group) * channels + c) * 4 + within / 2];
      const unsigned nibble = (within % 2 == 0) ? (byte & 0x0F) : (byte >> 4);
      out[static_cast<size_t>(k + 1) * channels + c] = SampleCodecs::ImaDecodeNibble(state[c], nibble);
    }
  }
  return true;
}

}  // namespace WaveAdpcm
