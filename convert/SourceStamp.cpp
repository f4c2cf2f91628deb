#include "convert/SourceStamp.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/files/FileHandle.h"
#include "platform/files/SourceFileOpen.h"

namespace {

int64_t Nanoseconds(const timespec& time) {
  return static_cast<int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A 64-bit checksum of the bytes of the file `identity` describes, read
// through `path`; none when it cannot be read whole or is another file by
// now. Each step is a bijection of the running value, so one changed word
// always changes the result.
std::optional<uint64_t> ContentChecksum(const std::string& path, const struct stat& identity) {
  FilePtr file(OpenRegularFile(path));
  struct stat opened {};
  if (!file || fstat(fileno(file.get()), &opened) != 0 || !SameFile(opened, identity)) {
    return std::nullopt;
  }
  constexpr size_t kChunk = 1 << 20;
  std::vector<unsigned char> buffer(kChunk);
  uint64_t sum = 0x9E3779B97F4A7C15ull;
  uint64_t total = 0;
  for (;;) {
    const size_t got = std::fread(buffer.data(), 1, kChunk, file.get());
    // A chunk is whole words but for the file's last bytes, which are
    // padded with zeros; the length taken in at the end tells them apart.
    std::memset(buffer.data() + got, 0, (8 - got % 8) % 8);
    for (size_t at = 0; at < got; at += 8) {
      uint64_t word;
      std::memcpy(&word, buffer.data() + at, sizeof word);
      sum = (sum ^ word) * 0x100000001B3ull;
      sum ^= sum >> 29;
    }
    total += got;
    if (got < kChunk) break;
  }
  if (std::ferror(file.get())) return std::nullopt;
  return (sum ^ total) * 0x100000001B3ull;
}

}  // namespace

bool TooRecentToTellRewrites(const timespec& modified, const timespec& now) {
  const int64_t apart = Nanoseconds(now) - Nanoseconds(modified);
  return apart < kCoarsestTimeStepNs && apart > -kCoarsestTimeStepNs;
}

SourceStamp SourceStamp::Take(const std::string& path) {
  SourceStamp stamp;
  timespec now{};
  stamp.known_ = stat(path.c_str(), &stamp.info_) == 0;
  if (stamp.known_ && clock_gettime(CLOCK_REALTIME, &now) == 0 &&
      TooRecentToTellRewrites(stamp.info_.st_mtim, now)) {
    stamp.checksum_ = ContentChecksum(path, stamp.info_);
  }
  return stamp;
}

bool SourceStamp::ChangedInPlace(const std::string& path) const {
  struct stat now {};
  if (!known_ || stat(path.c_str(), &now) != 0 || !SameFile(info_, now)) return false;
  if (info_.st_size != now.st_size || info_.st_mtim.tv_sec != now.st_mtim.tv_sec ||
      info_.st_mtim.tv_nsec != now.st_mtim.tv_nsec) {
    return true;
  }
  return checksum_ && ContentChecksum(path, now) != checksum_;
}
