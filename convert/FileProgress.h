#pragma once

#include <cstdint>
#include <string>

class ConversionProgress;

// The per-file progress of one conversion: the percentage in the file line
// and the position of the file bar, both from the source's decoded bytes.
// Both only ever grow, and the front end is touched only when the shown
// percentage or bar pixel changes. A conversion in two passes (normalised
// loudness: measure, then encode) shows the first as the first half of the
// entry's line and bar ("Measuring ...") and the second as the second half.
class FileProgress {
 public:
  enum class Pass { WHOLE, FIRST_OF_TWO, SECOND_OF_TWO };

  // `name` is the file-name part of the source; `length` its decoded length
  // in bytes (0 counts as 1, so a source of unknown length shows 100% at
  // its first block).
  FileProgress(ConversionProgress& progress, std::string name, uint64_t length,
               Pass pass = Pass::WHOLE);

  // The source has decoded `position` bytes.
  void Update(uint64_t position);
  // The file ended normally: 100% and a full bar.
  void Complete();

  uint64_t Length() const { return length_; }

 private:
  void ShowPercent(uint64_t percent);

  ConversionProgress& progress_;
  std::string name_;
  Pass pass_;
  uint64_t length_;
  uint64_t perPercent_;
  uint64_t perPixel_;
  int width_;
  uint64_t lastPercent_ = 0;
  uint64_t lastBar_ = 0;
  int barStart_ = 0;  // the pixels of the bar before this pass's share
  int barSpan_ = 0;   // the pixels of this pass's share
};
