#pragma once

#include "codecs/readers/ContainerReader.h"

// The probe-only reader over the media-container library, used when files
// are added to the list: it reports the stream properties of the first
// audio stream from the container alone, without opening a decoder, and
// never delivers samples. Length and position stay 0.
class ContainerProbe : public ContainerReader {
 public:
  ContainerProbe() = default;
  ~ContainerProbe() override;

  void Close() override;
  // `renderRate` is not used. A container without an audio stream is
  // refused, video or not; so is one whose audio stream has no packet among
  // the first, unless it has a video stream.
  bool Open(const std::string& path, uint32_t renderRate) override;
  // Always 0: the probe decodes nothing.
  int Read(PcmBlock& block) override;
};
