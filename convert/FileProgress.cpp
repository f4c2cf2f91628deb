#include "convert/FileProgress.h"

#include <algorithm>

#include "convert/ConversionProgress.h"

FileProgress::FileProgress(ConversionProgress& progress, std::string name, uint64_t length,
                           Pass pass)
    : progress_(progress), name_(std::move(name)), pass_(pass), length_(length == 0 ? 1 : length) {
  perPercent_ = std::max<uint64_t>(length_ / 100, 1);
  width_ = std::max(progress_.FileBarWidth(), 1);
  barSpan_ = pass_ == Pass::WHOLE ? width_ : std::max(width_ / 2, 1);
  barStart_ = pass_ == Pass::SECOND_OF_TWO ? width_ - barSpan_ : 0;
  perPixel_ = std::max<uint64_t>(length_ / static_cast<uint64_t>(barSpan_), 1);
  progress_.SetFileBar(barStart_);
}

void FileProgress::ShowPercent(uint64_t percent) {
  // The percentage of the whole entry: a pass of two is half of it.
  uint64_t shown = percent;
  if (pass_ != Pass::WHOLE) shown = percent / 2 + (pass_ == Pass::SECOND_OF_TWO ? 50 : 0);
  const char* doing = pass_ == Pass::FIRST_OF_TWO ? "Measuring " : "Converting ";
  progress_.SetFileLine(doing + name_ + "..." + std::to_string(shown) + "%");
  lastPercent_ = percent;
}

void FileProgress::Update(uint64_t position) {
  const uint64_t percent = std::min<uint64_t>(position / perPercent_, 100);
  if (percent > lastPercent_) ShowPercent(percent);
  const uint64_t bar = std::min<uint64_t>(position / perPixel_, static_cast<uint64_t>(barSpan_));
  if (bar > lastBar_) {
    progress_.SetFileBar(barStart_ + static_cast<int>(bar));
    lastBar_ = bar;
  }
}

void FileProgress::Complete() {
  if (lastPercent_ != 100) {
    ShowPercent(100);
    progress_.SetFileBar(barStart_ + barSpan_);
    lastBar_ = static_cast<uint64_t>(barSpan_);
  }
}
