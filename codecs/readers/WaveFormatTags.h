#pragma once

#include <cstdint>
#include <cstring>

// What the WAVE readers share about a format chunk: the format tags they
// read, the channel limit, and how a sub-format GUID of an extensible
// format chunk names one of the standard tags.
namespace WaveFormatTags {

inline constexpr uint16_t kPcm = 1;
inline constexpr uint16_t kFloat = 3;
inline constexpr uint16_t kExtensible = 0xFFFE;
inline constexpr uint32_t kMaxChannels = 8;

// True when the 16-byte GUID at `guid` is a standard sub-format: its format
// tag in the first two bytes, then the tail every such GUID shares.
inline bool IsStandardSubFormat(const uint8_t* guid) {
  static constexpr uint8_t kTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                        0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
  return std::memcmp(guid + 2, kTail, sizeof kTail) == 0;
}

}  // namespace WaveFormatTags
