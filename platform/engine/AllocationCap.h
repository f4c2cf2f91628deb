#pragma once

// The cap on single allocations of the container library (FFmpeg).
//
// A forged size field in a file of a few hundred bytes can make the library
// allocate gigabytes, so every allocation above a cap is refused. A fixed
// cap cannot serve every file, though: the sample index of an MPEG-4 file
// is one allocation of about 25-30 bytes per coded frame (some 4.4 MB per
// hour of AAC at 44.1 or 48 kHz), so a cap of 256 MB refuses the index of
// an audiobook of about 60 hours, and the file opens without a single
// packet. While a file is open, the cap therefore grows with the file: an
// index never takes more than a few times the bytes of the file that holds
// it (each coded frame stores its own size, 4 bytes, and its data), while a
// forged count in a small file still meets the floor.
//
// The cap is process-wide: while several files are open it is the largest
// of their allowances, so a small file opened beside a large one may
// allocate as much as the large one's index could. That is the price of a
// library-wide setting, and it stays bounded by the largest open file.

#include <cstddef>
#include <cstdint>

namespace engine {

// Bytes of cap granted per byte of an open file: twice the largest ratio
// measured (silent AAC, about 12 bytes a frame in the file, needs 2.6
// times the file's size).
constexpr size_t INDEX_BYTES_PER_FILE_BYTE = 8;

// The cap while no large file is open, applied at once. Until it is set,
// the library's own default (INT_MAX) stands.
void SetAllocationFloor(size_t bytes);
size_t AllocationFloor();
// The cap in force now.
size_t AllocationCap();

// Held while the container library has a file open: raises the cap to
// INDEX_BYTES_PER_FILE_BYTE times the file's size (never below the floor)
// until it is released or destroyed.
class AllocationAllowance {
 public:
  AllocationAllowance() = default;
  ~AllocationAllowance() { Release(); }
  AllocationAllowance(const AllocationAllowance&) = delete;
  AllocationAllowance& operator=(const AllocationAllowance&) = delete;

  // Replaces any earlier grant of this allowance. A negative or zero size
  // (unknown) grants nothing beyond the floor.
  void Grant(int64_t fileBytes);
  void Release();

 private:
  size_t granted_ = 0;  // 0: nothing held
};

}  // namespace engine
