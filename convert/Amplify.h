#pragma once

#include <cstdint>

// The user's gain on a block of planar samples, in place. `left` is always
// treated, `right` only when `channels` is 2. The factor is single precision,
// as AmplifyFactor makes it.

// Both answer how many samples the clamping changed: the samples the gain
// clipped.

// Signed 16-bit samples: the product, taken in extended precision and
// truncated toward zero, is clamped to -32767..32767.
uint64_t Amplify16(int16_t* left, int16_t* right, int count, int channels, float factor);

// Unsigned 8-bit samples with 128 as silence: (u - 128) times the factor,
// truncated toward zero, clamped to -128..127, stored plus 128.
uint64_t Amplify8(uint8_t* left, uint8_t* right, int count, int channels, float factor);

// The factor of a gain coefficient in percent (10..3000), computed in single
// precision: 10 gives 0.099999994, not 0.1.
float AmplifyFactor(uint32_t coefficient);
