#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "codecs/readers/ByteSource.h"
#include "source/PcmBlock.h"

// Opens `data` as a whole file with `Reader` and reads it to the end,
// trapping on any break of the block contract. The sanitizers catch the
// rest: reads past a buffer, overflows, leaks.
template <typename Reader>
int FuzzReader(const uint8_t* data, size_t size) {
  Reader reader;
  if (!reader.OpenBytes(std::make_unique<MemoryByteSource>(data, size))) {
    if (reader.GetLength() != 0 || reader.GetChannels() != 0) __builtin_trap();
    return 0;
  }
  const uint32_t outputChannels = reader.GetOutputChannels();
  const uint32_t bits = reader.GetBitsPerSample();
  if (outputChannels < 1 || outputChannels > 2 || (bits != 8 && bits != 16) || reader.GetSampleRate() == 0)
    __builtin_trap();
  PcmBlock block;
  // Every call delivers data or ends the stream; a stream cannot deliver
  // more frames than its bytes could ever hold.
  uint64_t calls = 0;
  for (;;) {
    const int frames = reader.Read(block);
    if (frames < 0 || frames > BLOCK_SAMPLES || frames != block.frames) __builtin_trap();
    if (reader.GetPosition() > reader.GetLength()) __builtin_trap();
    if (frames == 0) break;
    if (++calls > 16 * static_cast<uint64_t>(size) + 16) __builtin_trap();
  }
  if (reader.Read(block) != 0) __builtin_trap();
  reader.Close();
  reader.Close();
  return 0;
}
