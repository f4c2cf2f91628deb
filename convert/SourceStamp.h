#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

// The coarsest step in which the file systems that sound files live on keep
// modification times: FAT counts in steps of 2 s; exFAT, HFS+ and ext3 keep
// whole seconds; the others take the kernel's clock tick. Two writes less
// than one step apart may leave a file the same modification time.
inline constexpr int64_t kCoarsestTimeStepNs = 2'000'000'000;

// True when a file last modified at `modified` could be rewritten at `now`
// or a moment later and keep that modification time on some file system:
// the two lie less than the coarsest step apart.
bool TooRecentToTellRewrites(const timespec& modified, const timespec& now);

// What a conversion notes about its source file when it starts, so that it
// can tell afterwards whether the file was changed in place while it was
// read: its identity, size and modification time, and, when that time is too
// recent to tell a rewrite within the same time step, a checksum of its bytes.
class SourceStamp {
 public:
  // The stamp of the file at `path` now; one that tells nothing when the
  // file cannot be examined.
  static SourceStamp Take(const std::string& path);

  // True when the file at `path` is still the one stamped but its size,
  // modification time or (where it was taken) checksum moved: the decoder
  // may have met a cut or rewritten file, so its output cannot be trusted
  // whole. A file removed or replaced meanwhile was read to its end through
  // the reader's own handle and is no change. A checksum that can no longer
  // be taken counts as a change.
  bool ChangedInPlace(const std::string& path) const;

 private:
  bool known_ = false;
  struct stat info_ {};
  std::optional<uint64_t> checksum_;
};
