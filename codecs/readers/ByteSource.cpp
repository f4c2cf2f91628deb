#include "codecs/readers/ByteSource.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "platform/files/SourceFileOpen.h"

bool ByteSource::Skip(uint64_t count) {
  if (count > Remaining()) return false;
  return Seek(Tell() + count);
}

std::unique_ptr<FileByteSource> FileByteSource::Open(const std::string& path) {
  FilePtr file(OpenRegularFile(path));
  if (!file) return nullptr;
  struct stat info {};
  if (fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
  return std::unique_ptr<FileByteSource>(
      new FileByteSource(std::move(file), static_cast<uint64_t>(info.st_size)));
}

size_t FileByteSource::Read(void* out, size_t count) {
  const size_t got = std::fread(out, 1, count, file_.get());
  offset_ += got;
  return got;
}

bool FileByteSource::Seek(uint64_t offset) {
  if (offset > size_) return false;
  if (fseeko(file_.get(), static_cast<off_t>(offset), SEEK_SET) != 0) return false;
  offset_ = offset;
  return true;
}

MemoryByteSource::MemoryByteSource(const void* data, size_t size)
    : bytes_(static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size) {}

size_t MemoryByteSource::Read(void* out, size_t count) {
  const size_t got = static_cast<size_t>(std::min<uint64_t>(count, bytes_.size() - offset_));
  if (got) std::memcpy(out, bytes_.data() + offset_, got);
  offset_ += got;
  return got;
}

bool MemoryByteSource::Seek(uint64_t offset) {
  if (offset > bytes_.size()) return false;
  offset_ = offset;
  return true;
}
