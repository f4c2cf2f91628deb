#pragma once

#include <cstdint>

struct gsm_state;

// Owns one libgsm decoder. In the WAV49 layout a 65-byte block holds two
// frames: the first call takes bytes 0-32, the second bytes 33-64.
class GsmDecoder {
 public:
  static constexpr int kFrameSamples = 160;
  static constexpr int kFrameBytes = 33;

  explicit GsmDecoder(bool wav49);
  ~GsmDecoder();
  GsmDecoder(const GsmDecoder&) = delete;
  GsmDecoder& operator=(const GsmDecoder&) = delete;

  // False when the library could not create its state.
  bool IsValid() const { return handle_ != nullptr; }
  // Decodes one frame into 160 samples; false for a frame the library
  // rejects.
  bool DecodeFrame(const uint8_t* frame, int16_t* out);

 private:
  gsm_state* handle_;
};
