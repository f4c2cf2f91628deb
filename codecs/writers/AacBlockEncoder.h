#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "codecs/writers/AudioWriter.h"
#include "platform/aac/AacEncoder.h"

// What an AAC or M4A writer changes in the encoder's configuration after
// its own fixed fields; an unset field keeps the value the writer or the
// encoder library gives it.
struct AacEncoderSettings {
  std::optional<unsigned long> quantqual;  // variable-bit-rate quality
  std::optional<unsigned long> bitRate;    // bits per second per channel
  std::optional<unsigned int> mpegVersion;
  std::optional<unsigned int> useTns;
  std::optional<unsigned int> allowMidside;
  std::optional<int> shortctl;
};

// Where the encoded frames of an AacBlockEncoder go. False fails the file.
class AacFrameSink {
 public:
  virtual bool StoreFrame(const uint8_t* bytes, size_t size) = 0;

 protected:
  ~AacFrameSink() = default;
};

// The encoding that the AAC and M4A writers share: the AAC encoder, its
// configuration and the input block buffer. Blocks of planar 16-bit (or
// unsigned 8-bit) samples are interleaved into the buffer; each time it
// holds one encoder block the block is encoded and the frame, if the
// encoder gave one, goes to the sink.
class AacBlockEncoder {
 public:
  // Opens the encoder for `format` (1 or 2 channels, 8 or 16 bits, a
  // standard AAC rate) with the writers' fixed configuration: low
  // complexity, MPEG-4, no TNS, mid/side allowed, the encoder's own
  // bandwidth, 16-bit input, and `outputFormat`. False, with nothing open,
  // when the encoder refuses the rate or the channel count.
  bool Open(const WriterFormat& format, unsigned int outputFormat);

  // Applies the edits of `settings` to the configuration, then the
  // configuration to the encoder, and allocates the buffers. False when the
  // encoder refuses the configuration.
  bool Start(const AacEncoderSettings& settings);

  // The configuration after Open (and after Start: the one in use); null
  // when nothing is open.
  const AacEncConfiguration* Configuration() const;

  // The AudioSpecificConfig of the started encoder; empty when there is
  // none.
  std::vector<uint8_t> DecoderSpecificInfo() const;

  // One block of `count` samples per channel at the opened depth; `right`
  // is read only for two channels. False when nothing is started, for the
  // other depth, a missing array, an encoder error or a frame the sink
  // refuses.
  bool Write16(const int16_t* left, const int16_t* right, int count, AacFrameSink& sink);
  bool Write8(const uint8_t* left, const uint8_t* right, int count, AacFrameSink& sink);

  // `count` samples of silence per channel, at whatever depth is open.
  bool WriteSilence(int count, AacFrameSink& sink);

  // Encodes what the buffer still holds and drains the encoder into the
  // sink. False after any earlier failure, on an encoder error or a frame
  // the sink refuses.
  bool Finish(AacFrameSink& sink);

  // Releases the encoder and the buffers.
  void Close();

  bool IsOpen() const { return encoder_ != nullptr; }
  bool Started() const { return started_; }
  // Sample frames (samples per channel) handed to the encoder so far, and
  // those together with what the buffer holds.
  uint64_t FramesIn() const { return framesIn_; }
  uint64_t FramesBuffered() const {
    return format_.channels ? framesIn_ + fill_ / format_.channels : 0;
  }
  // Samples per channel in one AAC frame.
  unsigned int FrameLength() const { return frameLength_; }

 private:
  template <typename Sample>
  bool Append(const Sample* left, const Sample* right, int count, unsigned int bits,
              AacFrameSink& sink);
  bool EncodeBuffer(AacFrameSink& sink);
  bool Encode(const int16_t* input, unsigned int samples, AacFrameSink& sink, int& produced);

  AacEncoderPtr encoder_;
  WriterFormat format_;
  unsigned int frameLength_ = 0;
  std::vector<int16_t> input_;   // one encoder block, interleaved
  std::vector<uint8_t> output_;  // the largest frame
  size_t fill_ = 0;              // samples in input_, all channels counted
  uint64_t framesIn_ = 0;
  bool started_ = false;
  bool failed_ = false;
};
