#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "codecs/writers/AudioWriter.h"

// Writes uncompressed PCM as a RIFF WAVE file: a 44-byte header, then the
// interleaved samples exactly as the blocks arrive, nothing after them. The
// two size fields hold a placeholder while writing and are patched from the
// file's size at Close (or at destruction when Close was not called).
//
// Every write is checked: a full disk, a file-size limit or a lost device
// makes the block call and Close answer false, so the caller fails the file
// and removes it. A block that would take the data past what the 32-bit size
// fields can describe is refused, rather than written under a wrong header.
class WavWriter : public AudioWriter {
 public:
  // The most sample bytes a file may hold: the RIFF size field (file size
  // minus 8, that is data plus 36) must fit in 32 bits.
  static constexpr uint64_t kMaxDataBytes = 0xFFFFFFFFull - 36;

  // `dataLimit` lowers the limit on sample bytes below kMaxDataBytes (it is
  // never raised above it), so the refusal can be exercised without
  // writing gigabytes.
  explicit WavWriter(uint64_t dataLimit = kMaxDataBytes);
  ~WavWriter() override;

  // Creates (or truncates) `path` and writes the header. False, with
  // nothing written, while a file is open, for bits other than 8 or 16,
  // channels other than 1 or 2, a rate of 0, or a file that cannot be
  // created or whose header cannot be written (the file is then removed
  // again).
  bool Open(const std::string& path, const WriterFormat& format) override;

  // One block of `count` samples per channel: signed 16-bit or unsigned
  // 8-bit, as opened. `right` is read only for stereo. False when the file
  // is not open, the depth does not match, the data would pass the size
  // limit (nothing of the block is written) or the write fails.
  bool WriteBlock16(const int16_t* left, const int16_t* right, int count) override;
  bool WriteBlock8(const uint8_t* left, const uint8_t* right, int count) override;

  // Patches the size fields and closes the file. True when every write of
  // the file, the patch and the close succeeded; true also when no file is
  // open, so a second Close is harmless.
  bool Close() override;

  // True when a file of `dataBytes` sample bytes can be described by the
  // header's 32-bit size fields.
  static bool FitsSizeFields(uint64_t dataBytes) { return dataBytes <= kMaxDataBytes; }

 private:
  // The 16-byte format body of the header, little-endian on disk.
  struct PcmFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t byteRate = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
  };

  bool WriteInterleaved(const void* left, const void* right, int count, int bits);
  bool WriteAll(const uint8_t* bytes, size_t size);
  bool WriteAt(uint64_t offset, uint32_t value);

  int file_ = -1;
  PcmFormat format_;
  uint64_t dataLimit_;
  uint64_t dataBytes_ = 0;
  bool failed_ = false;
  std::vector<uint8_t> block_;  // one block, interleaved and little-endian
};
