#include "convert/WrittenAudio.h"

#include <cmath>

double WrittenAudio::Level() const {
  return samples > 0 ? std::sqrt(sumOfSquares / static_cast<double>(samples)) : 0.0;
}

namespace {

template <typename Sample, int Zero, int Scale>
double SumOfSquares(const Sample* samples, int count) {
  int64_t sum = 0;  // exact: each square is at most 2^30
  for (int i = 0; i < count; ++i) {
    const int64_t value = static_cast<int64_t>(samples[i]) - Zero;
    sum += value * value;
  }
  return static_cast<double>(sum) / (static_cast<double>(Scale) * Scale);
}

}  // namespace

bool MeasuredWriter::Open(const std::string& path, const WriterFormat& format) {
  if (!inner_->Open(path, format)) return false;
  channels_ = format.channels;
  written_.writtenRate = format.rate;
  if (written_.rate == 0) written_.rate = format.rate;
  if (written_.channels == 0) written_.channels = format.channels;
  return true;
}

bool MeasuredWriter::WriteBlock16(const int16_t* left, const int16_t* right, int count) {
  if (!inner_->WriteBlock16(left, right, count)) return false;
  written_.frames += count;
  written_.sumOfSquares += SumOfSquares<int16_t, 0, 32768>(left, count);
  if (channels_ == 2) written_.sumOfSquares += SumOfSquares<int16_t, 0, 32768>(right, count);
  written_.samples += static_cast<int64_t>(count) * channels_;
  return true;
}

bool MeasuredWriter::WriteBlock8(const uint8_t* left, const uint8_t* right, int count) {
  if (!inner_->WriteBlock8(left, right, count)) return false;
  written_.frames += count;
  written_.sumOfSquares += SumOfSquares<uint8_t, 128, 128>(left, count);
  if (channels_ == 2) written_.sumOfSquares += SumOfSquares<uint8_t, 128, 128>(right, count);
  written_.samples += static_cast<int64_t>(count) * channels_;
  return true;
}
