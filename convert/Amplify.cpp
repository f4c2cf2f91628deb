#include "convert/Amplify.h"

#include <cmath>

namespace {

// The truncated, clamped product. A product that is not a number (only a
// factor that is not one gives it) counts as silence.
int Scaled(int value, float factor, int low, int high) {
  const long double product = std::trunc(static_cast<long double>(value) * factor);
  if (std::isnan(product)) return 0;
  if (product < low) return low;
  if (product > high) return high;
  return static_cast<int>(product);
}

}  // namespace

void Amplify16(int16_t* left, int16_t* right, int count, int channels, float factor) {
  int16_t* arrays[2] = {left, channels == 2 ? right : nullptr};
  for (int16_t* samples : arrays) {
    if (!samples) continue;
    for (int i = 0; i < count; ++i)
      samples[i] = static_cast<int16_t>(Scaled(samples[i], factor, -32767, 32767));
  }
}

void Amplify8(uint8_t* left, uint8_t* right, int count, int channels, float factor) {
  uint8_t* arrays[2] = {left, channels == 2 ? right : nullptr};
  for (uint8_t* samples : arrays) {
    if (!samples) continue;
    for (int i = 0; i < count; ++i)
      samples[i] = static_cast<uint8_t>(Scaled(samples[i] - 128, factor, -128, 127) + 128);
  }
}

float AmplifyFactor(uint32_t coefficient) {
  const float percent = 0.01f;
  return static_cast<float>(coefficient) * percent;
}
