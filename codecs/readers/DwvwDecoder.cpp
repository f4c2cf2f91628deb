#include "codecs/readers/DwvwDecoder.h"

DwvwDecoder::DwvwDecoder(int bitWidth)
    : bitWidth_(bitWidth),
      maxModifier_(bitWidth / 2),
      maxDelta_(int32_t{1} << (bitWidth - 1)),
      span_(int32_t{1} << bitWidth) {}

int DwvwDecoder::LoadBits(int bitCount, const Refill& refill) {
  const bool modifier = bitCount < 0;
  if (modifier) bitCount = maxModifier_;

  while (bitCount_ < bitCount) {
    if (index_ >= end_) {
      end_ = refill(buffer_, sizeof buffer_);
      index_ = 0;
    }
    // Past the end, short requests fail; longer ones are filled with zeros.
    if (bitCount < 8 && end_ == 0) return -1;
    bits_ <<= 8;
    if (index_ < end_) bits_ |= buffer_[index_++];
    bitCount_ += 8;
  }

  if (!modifier) {
    const int value = static_cast<int>((bits_ >> (bitCount_ - bitCount)) & ((uint64_t{1} << bitCount) - 1));
    bitCount_ -= bitCount;
    return value;
  }
  int zeros = 0;
  while (zeros < maxModifier_) {
    bitCount_ -= 1;
    if (bits_ & (uint64_t{1} << bitCount_)) break;
    ++zeros;
  }
  return zeros;
}

int DwvwDecoder::Decode(int32_t* out, int count, const Refill& refill) {
  int deltaWidth = lastDeltaWidth_;
  int32_t sample = lastSample_;
  int done = 0;
  for (; done < count; ++done) {
    int widthModifier = LoadBits(-1, refill);
    if (widthModifier < 0 || (end_ == 0 && done == 0)) break;
    // A sign bit follows a non-zero modifier; a failed read counts as set.
    if (widthModifier != 0 && LoadBits(1, refill) != 0) widthModifier = -widthModifier;
    deltaWidth = (deltaWidth + widthModifier + bitWidth_) % bitWidth_;

    int32_t delta = 0;
    if (deltaWidth != 0) {
      delta = LoadBits(deltaWidth - 1, refill) | (int32_t{1} << (deltaWidth - 1));
      const bool negative = LoadBits(1, refill) != 0;
      // The largest magnitude takes one extra bit to reach the full span.
      if (delta == maxDelta_ - 1) delta += LoadBits(1, refill);
      if (negative) delta = -delta;
    }

    sample += delta;
    if (sample >= maxDelta_) {
      sample -= span_;
    } else if (sample < -maxDelta_) {
      sample += span_;
    }
    out[done] = static_cast<int32_t>(static_cast<uint32_t>(sample) << (32 - bitWidth_));

    // Once data and reservoir are both used up, the last value is only
    // padding and is not delivered.
    if (end_ == 0 && bitCount_ == 0) break;
  }
  lastDeltaWidth_ = deltaWidth;
  lastSample_ = sample;
  return done;
}
