#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "codecs/writers/AudioWriter.h"
#include "source/AudioSource.h"

// The PCM that a first pass over a MIDI song or a module wrote, kept so the
// second pass encodes it instead of rendering the song again (rendering is
// the costly work of those conversions). It is taken as a writer takes
// blocks and read back, once, as a source of the same format. It stays in
// memory while the process's budget for kept renders lasts (kMemoryBudget,
// shared by every render kept at the same time, as an album keeps several);
// the rest goes to a temporary file of the system's temporary folder that
// has no name from the moment it is made, so no failure, Cancel or killed
// process leaves it behind.
class KeptRender : public AudioWriter {
 public:
  // 256 MiB of samples: 25 minutes of 44.1 kHz 16-bit stereo.
  static constexpr size_t kMemoryBudget = size_t{256} << 20;

  KeptRender() = default;
  ~KeptRender() override;

  // `path` is not used: the render has no file of its own until memory runs out.
  bool Open(const std::string& path, const WriterFormat& format) override;
  bool WriteBlock16(const int16_t* left, const int16_t* right, int count) override;
  bool WriteBlock8(const uint8_t* left, const uint8_t* right, int count) override;
  bool Close() override;

  // Why a block could not be kept ("" when every block was).
  const std::string& Problem() const { return problem_; }
  // The bytes kept in memory and in the temporary file.
  uint64_t Bytes() const { return bytes_; }
  uint64_t BytesInFile() const { return fileBytes_; }

  // A source that reads the render back from its start, in the format it
  // was written in; the render must outlive it.
  std::unique_ptr<AudioSource> Replay();

  // Test use: a smaller budget, for the temporary-file path; 0 restores it.
  static void SetMemoryBudgetForTest(size_t bytes);

 private:
  class ReplaySource;
  bool Append(const uint8_t* bytes, size_t size);
  bool Spill();
  // Copies `size` bytes from `offset` of the render into `into`.
  bool ReadAt(uint64_t offset, uint8_t* into, size_t size) const;

  WriterFormat format_;
  size_t frameBytes_ = 0;
  std::vector<std::vector<uint8_t>> chunks_;  // full chunks kept in memory
  std::vector<uint8_t> current_;              // the chunk being filled
  std::vector<uint8_t> interleaved_;
  size_t reserved_ = 0;  // of the shared budget, given back on destruction
  int file_ = -1;        // the unnamed temporary file, once memory ran out
  uint64_t fileBytes_ = 0;
  uint64_t bytes_ = 0;
  std::string problem_;
};
