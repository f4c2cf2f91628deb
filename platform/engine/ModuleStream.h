#pragma once

#include <libopenmpt/libopenmpt.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/engine/EngineStream.h"

namespace engine {

// A tracker module (MOD, XM, IT, S3M, MTM, UMX, MO3 and the other formats
// libopenmpt reads, recognised by content) rendered to stereo signed 16-bit
// PCM. The length is libopenmpt's estimate of the song's duration, rounded
// to whole frames; since that estimate can be off by a fraction of a
// second, the rendered sound is cut or padded with silence to exactly that
// length. The song stops at its end (no fade, no loop) and is rendered
// without dither, so the same file gives the same bytes every time.
class ModuleStream : public EngineStream {
 public:
  static constexpr uint32_t DEFAULT_RATE = 44100;
  static constexpr uint32_t MIN_RATE = 8000;
  static constexpr uint32_t MAX_RATE = 192000;
  static constexpr uint64_t MAX_FILE_BYTES = 512ull << 20;
  // Longer estimates are refused as damaged files that would never finish.
  static constexpr double MAX_SONG_SECONDS = 24 * 3600.0;

  // Null for a rate outside MIN_RATE-MAX_RATE (0 means DEFAULT_RATE), and
  // for a file libopenmpt does not read.
  static std::unique_ptr<ModuleStream> Open(const std::string& path, uint32_t rate);

  ModuleStream(const ModuleStream&) = delete;
  ModuleStream& operator=(const ModuleStream&) = delete;
  ~ModuleStream() override = default;

  StreamFormat Format() const override;
  uint64_t LengthBytes() const override { return totalFrames_ * BYTES_PER_FRAME; }
  uint32_t Decode(uint8_t* buffer, uint32_t bytes) override;
  int64_t FileLength() const override { return fileLength_; }

 private:
  static constexpr uint32_t BYTES_PER_FRAME = 4;
  static constexpr uint32_t CHUNK_FRAMES = 4096;

  struct ModuleDeleter {
    void operator()(openmpt_module* module) const { openmpt_module_destroy(module); }
  };

  ModuleStream() = default;

  std::unique_ptr<openmpt_module, ModuleDeleter> module_;
  uint32_t rate_ = 0;
  uint64_t totalFrames_ = 0;
  uint64_t deliveredFrames_ = 0;
  bool songEnded_ = false;  // libopenmpt has nothing more; the rest is silence
  int64_t fileLength_ = -1;
  std::vector<int16_t> chunk_;
};

}  // namespace engine
