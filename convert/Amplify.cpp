#include "convert/Amplify.h"

#include <cmath>

namespace {

// The truncated, clamped product; `clipped` counts the products the clamp
// changed. A product that is not a number (only a factor that is not one
// gives it) counts as silence.
int Scaled(int value, float factor, int low, int high, uint64_t& clipped) {
  const long double product = std::trunc(static_cast<long double>(value) * factor);
  if (std::isnan(product)) return 0;
  if (product < low || product > high) {
    ++clipped;
    return product < low ? low : high;
  }
  return static_cast<int>(product);
}

}  // namespace

uint64_t Amplify16(int16_t* left, int16_t* right, int count, int channels, float factor) {
  uint64_t clipped = 0;
  int16_t* arrays[2] = {left, channels == 2 ? right : nullptr};
  for (int16_t* samples : arrays) {
    if (!samples) continue;
    for (int i = 0; i < count; ++i)
      samples[i] = static_cast<int16_t>(Scaled(samples[i], factor, -32767, 32767, clipped));
  }
  return clipped;
}

uint64_t Amplify8(uint8_t* left, uint8_t* right, int count, int channels, float factor) {
  uint64_t clipped = 0;
  uint8_t* arrays[2] = {left, channels == 2 ? right : nullptr};
  for (uint8_t* samples : arrays) {
    if (!samples) continue;
    for (int i = 0; i < count; ++i)
      samples[i] = static_cast<uint8_t>(Scaled(samples[i] - 128, factor, -128, 127, clipped) + 128);
  }
  return clipped;
}

float AmplifyFactor(uint32_t coefficient) {
  const float percent = 0.01f;
  return static_cast<float>(coefficient) * percent;
}
