#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

// Decodes DWVW (delta with variable word width), the compressed AIFF-C
// form: one bit stream over all channels in which each sample is coded as
// a change of delta width followed by the delta itself. The bit stream is
// pulled from the caller in pieces of at most 256 bytes.
class DwvwDecoder {
 public:
  // Fills `out` with up to `capacity` bytes of stream data; 0 at the end.
  using Refill = std::function<size_t(uint8_t* out, size_t capacity)>;

  // `bitWidth` is the sample size of the file, 8..24.
  explicit DwvwDecoder(int bitWidth);

  // Decodes up to `count` samples into `out`, each left-justified in 32
  // bits; answers how many were decoded, fewer at the end of the stream.
  int Decode(int32_t* out, int count, const Refill& refill);

 private:
  // `bitCount` bits from the stream, or with a negative count the width
  // modifier (zero bits up to a one, at most half the width); -1 when the
  // stream ends inside a request of fewer than 8 bits.
  int LoadBits(int bitCount, const Refill& refill);

  int bitWidth_;
  int maxModifier_;
  int32_t maxDelta_;
  int32_t span_;
  int lastDeltaWidth_ = 0;
  int32_t lastSample_ = 0;
  uint64_t bits_ = 0;
  int bitCount_ = 0;
  uint8_t buffer_[256] = {};
  size_t index_ = 0;
  size_t end_ = 0;
};
