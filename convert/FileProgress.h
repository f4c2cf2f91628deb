#pragma once

#include <cstdint>
#include <string>

class ConversionProgress;

// The per-file progress of one conversion: the percentage in the file line
// and the position of the file bar, both from the source's decoded bytes.
// Both only ever grow, and the front end is touched only when the shown
// percentage or bar pixel changes.
class FileProgress {
 public:
  // `name` is the file-name part of the source; `length` its decoded length
  // in bytes (0 counts as 1, so a source of unknown length shows 100% at
  // its first block).
  FileProgress(ConversionProgress& progress, std::string name, uint64_t length);

  // The source has decoded `position` bytes.
  void Update(uint64_t position);
  // The file ended normally: 100% and a full bar.
  void Complete();

  uint64_t Length() const { return length_; }

 private:
  void ShowPercent(uint64_t percent);

  ConversionProgress& progress_;
  std::string name_;
  uint64_t length_;
  uint64_t perPercent_;
  uint64_t perPixel_;
  int width_;
  uint64_t lastPercent_ = 0;
  uint64_t lastBar_ = 0;
};
