#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The wave-format record of a WMA codec format.
struct WmaWaveFormat {
  uint16_t formatTag = 0;  // 0x161 (WMA version 2) or 0x162
  uint16_t channels = 0;
  uint32_t samplesPerSec = 0;
  uint32_t avgBytesPerSec = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
};

// One codec format the WMA writer can produce: its wave-format record, its
// bit rate in bits per second and a text that names it for the user.
struct WmaFormat {
  WmaWaveFormat wave;
  uint32_t bitRate = 0;
  std::string description;
};

inline constexpr uint16_t kWmaFormatTagV2 = 0x161;
inline constexpr uint16_t kWmaFormatTagV9 = 0x162;

// The codec formats of the runtime, in ascending order of sample rate and,
// within one rate, of bit rate; no two share rate, bit rate and channels.
class WmaFormatList {
 public:
  // Rebuilds the list from what the encoder accepts among the candidate
  // rates (8000 to 48000 Hz), one and two channels and bit rates (24 to 320
  // kbit/s) that spend between 0.5 and 4 bits per sample. False when the
  // encoder cannot be asked; the formats found so far stay then. Whether
  // the runtime counts as loaded is the runtime's question: the program's
  // list is built through it (WmaRuntime.h).
  bool Build();

  // Offers one codec format: one whose description names an audio/video
  // format ("(A/V)" in any letter case), of another format tag or of more
  // than two channels is not listed, nor is a duplicate. True when listed.
  bool Offer(const WmaFormat& format);

  // The format for a wanted rate, bit rate and channel count, among the
  // entries of that channel count: at the rate itself the exact bit rate,
  // else the nearer of its neighbours (a tie goes to the higher), else the
  // highest; for a rate not listed, the lowest bit rate of the next higher
  // rate, else the highest format below. Null when no entry has that
  // channel count.
  const WmaFormat* FindFormat(uint32_t sampleRate, uint32_t bitRate, uint32_t channels) const;

  const std::vector<WmaFormat>& Entries() const { return entries_; }
  void Clear() { entries_.clear(); }

 private:
  std::vector<WmaFormat> entries_;
};
