#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "codecs/writers/AudioWriter.h"

// What a conversion handed its writer, for checking the finished file
// against it: how many sample frames, and a cheap level figure (the sum of
// the squares of every sample, full scale 1.0). `rate` and `channels` are
// those the stored file should hold: the writer's own PCM format, unless
// the writer converts it to another one itself.
struct WrittenAudio {
  uint32_t writtenRate = 0;  // the rate of the blocks counted in `frames`
  uint32_t rate = 0;
  uint32_t channels = 0;
  int64_t frames = 0;
  double sumOfSquares = 0;
  int64_t samples = 0;  // samples of every channel summed into sumOfSquares

  // The root mean square level of everything written, full scale 1.0.
  double Level() const;
};

// A writer that passes everything to the writer it wraps and counts what
// the writer accepted into a WrittenAudio.
class MeasuredWriter : public AudioWriter {
 public:
  MeasuredWriter(std::unique_ptr<AudioWriter> inner, WrittenAudio& written)
      : inner_(std::move(inner)), written_(written) {}

  bool Open(const std::string& path, const WriterFormat& format) override;
  bool WriteBlock16(const int16_t* left, const int16_t* right, int count) override;
  bool WriteBlock8(const uint8_t* left, const uint8_t* right, int count) override;
  bool Close() override { return inner_->Close(); }

 private:
  std::unique_ptr<AudioWriter> inner_;
  WrittenAudio& written_;
  uint32_t channels_ = 0;
};
