#include "convert/FileProgress.h"

#include <algorithm>

#include "convert/ConversionProgress.h"

FileProgress::FileProgress(ConversionProgress& progress, std::string name, uint64_t length)
    : progress_(progress), name_(std::move(name)), length_(length == 0 ? 1 : length) {
  perPercent_ = std::max<uint64_t>(length_ / 100, 1);
  width_ = std::max(progress_.FileBarWidth(), 1);
  perPixel_ = std::max<uint64_t>(length_ / static_cast<uint64_t>(width_), 1);
  progress_.SetFileBar(0);
}

void FileProgress::ShowPercent(uint64_t percent) {
  progress_.SetFileLine("Converting " + name_ + "..." + std::to_string(percent) + "%");
  lastPercent_ = percent;
}

void FileProgress::Update(uint64_t position) {
  const uint64_t percent = std::min<uint64_t>(position / perPercent_, 100);
  if (percent > lastPercent_) ShowPercent(percent);
  const uint64_t bar = std::min<uint64_t>(position / perPixel_, static_cast<uint64_t>(width_));
  if (bar > lastBar_) {
    progress_.SetFileBar(static_cast<int>(bar));
    lastBar_ = bar;
  }
}

void FileProgress::Complete() {
  if (lastPercent_ != 100) {
    ShowPercent(100);
    progress_.SetFileBar(width_);
    lastBar_ = static_cast<uint64_t>(width_);
  }
}
