#pragma once

#include <cstdint>

// The most frames a source delivers per read: the length of one MPEG audio
// frame.
constexpr int BLOCK_SAMPLES = 1152;

// One planar block of PCM as sources deliver it: a left and a right array
// and the number of frames in them. Samples are signed 16-bit, or unsigned
// 8-bit with 128 as silence, in which case the arrays are read as bytes
// through the 8-bit views. The right array is used only when two channels
// are delivered.
struct PcmBlock {
  int16_t left[BLOCK_SAMPLES] = {};
  int16_t right[BLOCK_SAMPLES] = {};
  int frames = 0;

  uint8_t* Left8() { return reinterpret_cast<uint8_t*>(left); }
  uint8_t* Right8() { return reinterpret_cast<uint8_t*>(right); }
  const uint8_t* Left8() const { return reinterpret_cast<const uint8_t*>(left); }
  const uint8_t* Right8() const { return reinterpret_cast<const uint8_t*>(right); }
};
