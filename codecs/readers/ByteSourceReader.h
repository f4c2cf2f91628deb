#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "codecs/readers/ByteSource.h"
#include "source/AudioSource.h"

// What the program's own readers (AIFF, AU, RIFF WAVE) share: they parse
// the bytes of one file at a time, from a path or from memory, through a
// ByteSource. Everything a reader learns about the open file lives in
// `file_`, a `FileState` record, and in the stream fields of AudioSource;
// Close replaces both with fresh values in one step, so no field of one
// file can leak into the next, and a failed open leaves the reader as new.
template <typename FileState>
class ByteSourceReader : public AudioSource {
 public:
  void Close() final {
    bytes_.reset();
    file_ = FileState();
    ResetState();
  }

  // `renderRate` is not used: the readers deliver the file's own rate.
  bool Open(const std::string& path, uint32_t /*renderRate*/) final {
    Close();
    std::unique_ptr<FileByteSource> file = FileByteSource::Open(path);
    return file && OpenBytes(std::move(file));
  }

  // Opens the bytes of a whole file; the reader keeps them until Close.
  bool OpenBytes(std::unique_ptr<ByteSource> bytes) {
    Close();
    if (!bytes) return false;
    bytes_ = std::move(bytes);
    if (!Parse()) {
      Close();
      return false;
    }
    return true;
  }

 protected:
  static uint32_t Clamp32(uint64_t value) {
    return value > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(value);
  }

  // The bit rate in kbit/s, once length_ and duration_ are known: the data's
  // size over the whole seconds it lasts, or for data shorter than a second
  // `storedBits` per sample of every channel at the file's rate.
  void SetBitRate(uint32_t storedBits) {
    bitRate_ = Clamp32(duration_ != 0 ? length_ / (uint64_t{duration_} * 125)
                                      : uint64_t{storedBits} * channels_ * sampleRate_ / 1000);
  }

  // Reads the headers from the start of bytes_ and prepares reading the
  // samples; false for a file the reader cannot decode.
  virtual bool Parse() = 0;

  std::unique_ptr<ByteSource> bytes_;
  FileState file_;
};
