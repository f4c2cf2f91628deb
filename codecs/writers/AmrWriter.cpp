#include "codecs/writers/AmrWriter.h"

#include <algorithm>

AmrWriter::AmrWriter(const AmrSettings& settings) : settings_(settings) {}

AmrWriter::~AmrWriter() {
  Close();
}

bool AmrWriter::Open(const std::string& path, const WriterFormat& format) {
  const uint32_t rate = settings_.narrowBand ? 8000 : 16000;
  if (IsOpen() || format.rate != rate || format.channels != 1 || format.bits != 16) return false;
  const int dtx = settings_.dtx ? 1 : 0;
  if (settings_.narrowBand) {
    narrowBandEncoder_ = amrnbenc_init(path.c_str(), dtx, settings_.mode);
    frameSize_ = kAmrNbFrameSamples;
  } else {
    wideBandEncoder_ = amrwbenc_init(path.c_str(), dtx, settings_.mode);
    frameSize_ = kAmrWbFrameSamples;
  }
  if (!IsOpen()) {
    frameSize_ = 0;
    return false;
  }
  pendingCount_ = 0;
  frames_ = 0;
  failed_ = false;
  return true;
}

bool AmrWriter::EncodeFrame(const int16_t* samples) {
  const int written = narrowBandEncoder_ ? amrnbenc_encode(narrowBandEncoder_, samples)
                                         : amrwbenc_encode(wideBandEncoder_, samples);
  if (written < 0) failed_ = true;
  ++frames_;
  return !failed_;
}

bool AmrWriter::WriteBlock16(const int16_t* left, const int16_t* /*right*/, int count) {
  if (!IsOpen() || failed_) return false;
  if (count <= 0) return true;
  // Not enough for a frame yet: keep everything for the next block.
  if (pendingCount_ + count < frameSize_) {
    std::copy(left, left + count, pending_ + pendingCount_);
    pendingCount_ += count;
    return true;
  }
  int at = 0;
  if (pendingCount_ > 0) {
    at = frameSize_ - pendingCount_;
    std::copy(left, left + at, pending_ + pendingCount_);
    pendingCount_ = 0;
    if (!EncodeFrame(pending_)) return false;
  }
  for (; count - at >= frameSize_; at += frameSize_)
    if (!EncodeFrame(left + at)) return false;
  std::copy(left + at, left + count, pending_);
  pendingCount_ = count - at;
  return true;
}

bool AmrWriter::WriteBlock8(const uint8_t* /*left*/, const uint8_t* /*right*/, int /*count*/) {
  if (IsOpen()) failed_ = true;
  return false;
}

bool AmrWriter::Close() {
  if (!IsOpen()) return true;
  if (pendingCount_ > 0 && !failed_) {
    std::fill(pending_ + pendingCount_, pending_ + frameSize_, 0);
    EncodeFrame(pending_);
  }
  const int finished =
      narrowBandEncoder_ ? amrnbenc_quit(narrowBandEncoder_) : amrwbenc_quit(wideBandEncoder_);
  const bool ok = finished == 0 && !failed_ && frames_ > 0;
  narrowBandEncoder_ = nullptr;
  wideBandEncoder_ = nullptr;
  frameSize_ = 0;
  pendingCount_ = 0;
  frames_ = 0;
  failed_ = false;
  return ok;
}
