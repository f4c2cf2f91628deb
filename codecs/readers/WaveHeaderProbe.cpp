#include "codecs/readers/WaveHeaderProbe.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "codecs/readers/WaveFormatTags.h"
#include "platform/bytes/ByteOrder.h"
#include "platform/engine/Engine.h"
#include "platform/files/FileHandle.h"
#include "platform/files/SourceFileOpen.h"
#include "source/EngineSource.h"
#include "source/SourceKind.h"

namespace {

using WaveFormatTags::kMaxChannels;
constexpr uint16_t kTagPcm = WaveFormatTags::kPcm;
constexpr uint16_t kTagFloat = WaveFormatTags::kFloat;
constexpr uint16_t kTagExtensible = WaveFormatTags::kExtensible;
constexpr uint32_t kLowestRate = 1000;
constexpr uint32_t kHighestRate = 768000;
constexpr int kMaxChunks = 64;
// The stream reads this much of 16-bit data when it looks for S/PDIF frames.
constexpr uint64_t kSpdifWindow = 3 * 4096;


// Chunks that only carry tags, markers or padding: the stream skips them.
bool IsPlainChunk(const uint8_t id[4]) {
  static const char* const kPlain[] = {"fact", "LIST", "JUNK", "junk", "PAD ", "bext",
                                       "cue ", "PEAK", "id3 ", "ID3 ", "smpl", "inst",
                                       "acid", "cart", "iXML", "_PMX", "umid", "DISP"};
  for (const char* plain : kPlain)
    if (std::memcmp(id, plain, 4) == 0) return true;
  return false;
}

// The format chunk's fields that decide the stream.
struct WaveFormat {
  uint16_t tag = 0;  // kTagPcm or kTagFloat, also for an extensible chunk
  uint32_t channels = 0;
  uint32_t rate = 0;
  uint32_t blockAlign = 0;
  uint32_t bits = 0;
};

bool ParseFormat(const uint8_t* fmt, uint32_t size, WaveFormat& format) {
  if (size != 16 && size != 18 && size != 40) return false;
  format.tag = LoadLe<16>(fmt);
  format.channels = LoadLe<16>(fmt + 2);
  format.rate = LoadLe<32>(fmt + 4);
  format.blockAlign = LoadLe<16>(fmt + 12);
  format.bits = LoadLe<16>(fmt + 14);
  if (format.tag == kTagExtensible) {
    // The sub-format names PCM or float; the valid bits fill the samples,
    // and the speaker mask names as many speakers as there are channels.
    if (size != 40 || LoadLe<16>(fmt + 16) != 22 || LoadLe<16>(fmt + 18) != format.bits ||
        !WaveFormatTags::IsStandardSubFormat(fmt + 24))
      return false;
    const uint32_t mask = LoadLe<32>(fmt + 20);
    if (mask != 0 && static_cast<uint32_t>(__builtin_popcount(mask)) != format.channels) return false;
    format.tag = LoadLe<16>(fmt + 24);
  } else if (size == 40) {
    return false;
  }
  if (format.channels < 1 || format.channels > kMaxChannels) return false;
  if (format.rate < kLowestRate || format.rate > kHighestRate) return false;
  const bool pcm = format.tag == kTagPcm &&
                   (format.bits == 8 || format.bits == 16 || format.bits == 24 || format.bits == 32);
  const bool floats = format.tag == kTagFloat && (format.bits == 32 || format.bits == 64);
  return (pcm || floats) && format.blockAlign == format.channels * format.bits / 8;
}

// True when the bytes hold the start of an S/PDIF burst (its two sync
// words, in either byte order).
bool HoldsSpdifSync(const std::vector<uint8_t>& bytes) {
  static const uint8_t kSync[2][4] = {{0x72, 0xF8, 0x1F, 0x4E}, {0xF8, 0x72, 0x4E, 0x1F}};
  const uint8_t* const end = bytes.data() + bytes.size();
  for (const auto& sync : kSync) {
    for (const uint8_t* at = bytes.data();
         (at = static_cast<const uint8_t*>(std::memchr(at, sync[0], static_cast<size_t>(end - at))));
         ++at) {
      if (end - at >= 4 && std::memcmp(at, sync, 4) == 0) return true;
    }
  }
  return false;
}

}  // namespace

bool WaveHeaderProbe::Open(const std::string& path, uint32_t /*renderRate*/) {
  Close();
  FilePtr file(OpenRegularFile(path));
  struct stat info {};
  if (!file || fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  const uint64_t fileSize = static_cast<uint64_t>(info.st_size);

  uint8_t riff[12];
  if (std::fread(riff, 1, sizeof riff, file.get()) != sizeof riff ||
      std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0 ||
      uint64_t{LoadLe<32>(riff + 4)} + 8 != fileSize)
    return false;

  // Walks the chunks to the end of the file: one format chunk before the
  // data, one data chunk, and nothing the stream might read otherwise.
  WaveFormat format;
  bool formatSeen = false;
  uint64_t dataStart = 0;
  uint64_t dataSize = 0;
  uint64_t at = sizeof riff;
  for (int chunks = 0; at < fileSize; ++chunks) {
    uint8_t head[8];
    if (chunks == kMaxChunks || fseeko(file.get(), static_cast<off_t>(at), SEEK_SET) != 0 ||
        std::fread(head, 1, sizeof head, file.get()) != sizeof head)
      return false;
    const uint32_t size = LoadLe<32>(head + 4);
    const uint64_t end = at + sizeof head + size;
    if (size % 2 != 0 || end > fileSize) return false;
    if (std::memcmp(head, "fmt ", 4) == 0) {
      uint8_t fmt[40];
      if (formatSeen || dataStart != 0 || size > sizeof fmt ||
          std::fread(fmt, 1, size, file.get()) != size || !ParseFormat(fmt, size, format))
        return false;
      formatSeen = true;
    } else if (std::memcmp(head, "data", 4) == 0) {
      if (!formatSeen || dataStart != 0 || size == 0 || size % format.blockAlign != 0) return false;
      dataStart = at + sizeof head;
      dataSize = size;
    } else if (!IsPlainChunk(head)) {
      return false;
    }
    at = end;
  }
  if (dataStart == 0) return false;

  const uint64_t frames = dataSize / format.blockAlign;
  if (format.tag == kTagPcm && format.bits == 16) {
    std::vector<uint8_t> start(static_cast<size_t>(std::min(fileSize, dataStart + kSpdifWindow)));
    if (fseeko(file.get(), 0, SEEK_SET) != 0 ||
        std::fread(start.data(), 1, start.size(), file.get()) != start.size() ||
        HoldsSpdifSync(start))
      return false;
    file.reset();
    if (engine::Pcm16DataMightRecode(path, static_cast<int64_t>(dataStart),
                                     static_cast<int64_t>(fileSize), format.blockAlign,
                                     static_cast<int64_t>(frames)))
      return false;
  }

  // The stream delivers unsigned 8-bit for 8-bit PCM and 16-bit otherwise,
  // and counts its length in those bytes; the figures below are its own.
  const bool eightBit = format.tag == kTagPcm && format.bits == 8;
  sampleRate_ = format.rate;
  channels_ = format.channels;
  outputChannels_ = channels_ < 2 ? 1 : 2;
  bitsPerSample_ = eightBit ? 8 : 16;
  bytesPerSample_ = bitsPerSample_ / 8;
  const uint64_t frameBytes = uint64_t{bytesPerSample_} * channels_;
  length_ = frames * frameBytes;
  const double seconds =
      static_cast<double>(length_) / (static_cast<double>(sampleRate_) * static_cast<double>(frameBytes));
  SetDuration(seconds);
  bitRate_ = SourceBitRate(fileSize, seconds, bitsPerSample_, sampleRate_, channels_);
  contentKind_ = SourceKindFromFormat("wav", eightBit ? "pcm_u8" : "pcm");
  return true;
}
