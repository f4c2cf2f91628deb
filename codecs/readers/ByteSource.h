#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/files/FileHandle.h"

// The bytes a reader parses: a file on disk for the program, a block of
// memory for tests and fuzzers. Reads never go past the end; a short read
// answers how many bytes came.
class ByteSource {
 public:
  ByteSource() = default;
  ByteSource(const ByteSource&) = delete;
  ByteSource& operator=(const ByteSource&) = delete;
  virtual ~ByteSource() = default;

  // Copies up to `count` bytes from the current offset into `out` and
  // advances by what was copied.
  virtual size_t Read(void* out, size_t count) = 0;
  // Moves to `offset`; an offset past the end is refused.
  virtual bool Seek(uint64_t offset) = 0;
  virtual uint64_t Tell() const = 0;
  virtual uint64_t Size() const = 0;

  // Moves forward by `count` bytes; false when that passes the end.
  bool Skip(uint64_t count);
  // Reads exactly `count` bytes; false on a short read.
  bool ReadExact(void* out, size_t count) { return Read(out, count) == count; }
  uint64_t Remaining() const { return Size() - Tell(); }
};

// A file opened for reading.
class FileByteSource : public ByteSource {
 public:
  // Null when the file cannot be opened or is not a regular file.
  static std::unique_ptr<FileByteSource> Open(const std::string& path);

  size_t Read(void* out, size_t count) override;
  bool Seek(uint64_t offset) override;
  uint64_t Tell() const override { return offset_; }
  uint64_t Size() const override { return size_; }

 private:
  FileByteSource(FilePtr file, uint64_t size) : file_(std::move(file)), size_(size) {}

  FilePtr file_;
  uint64_t size_;
  uint64_t offset_ = 0;
};

// A private copy of a block of memory.
class MemoryByteSource : public ByteSource {
 public:
  explicit MemoryByteSource(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  MemoryByteSource(const void* data, size_t size);

  size_t Read(void* out, size_t count) override;
  bool Seek(uint64_t offset) override;
  uint64_t Tell() const override { return offset_; }
  uint64_t Size() const override { return bytes_.size(); }

 private:
  std::vector<uint8_t> bytes_;
  uint64_t offset_ = 0;
};
