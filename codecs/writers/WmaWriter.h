#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "codecs/writers/AudioWriter.h"
#include "platform/ffmpeg/FfmpegOwners.h"
#include "platform/wma/WmaFormatList.h"
#include "source/TagInfo.h"

struct AVAudioFifo;

// The tag of a WMA file: the texts in UTF-8 and the track number, which is
// written even when it is 0.
struct WmaTag {
  TagInfo texts;
  int32_t track = 0;
};

// Advances a sample time (units of 100 ns) by a block of `count` samples
// at `rate`: each block's span is truncated on its own, so the time may
// fall a little behind the samples over a long file.
uint64_t AdvanceSampleTime(uint64_t sampleTime, int count, uint32_t rate);

// Encodes PCM to WMA in an ASF file with one audio stream. The writer is
// told the PCM it is given (the source's own rate, depth and channels) and
// converts it to the chosen codec format itself, resampling and mixing the
// channels down (their average) or up (the one channel on both).
//
// The chosen format and the tag are given at construction. Every write is
// checked: a full disk or a file-size limit makes the block call and Close
// answer false, so the caller fails the file and removes it.
class WmaWriter : public AudioWriter {
 public:
  explicit WmaWriter(const WmaFormat& format, std::optional<WmaTag> tag = std::nullopt);
  ~WmaWriter() override;

  // Opens the encoder in the chosen format for input PCM in `format` (8- or
  // 16-bit, 1 or 2 channels, any rate), creates (or truncates) `path` and
  // writes the file's header with the tag attributes. False, with no file
  // left, while a file is open, without the runtime, for any other input
  // format, or when a step fails.
  bool Open(const std::string& path, const WriterFormat& format) override;

  bool WriteBlock16(const int16_t* left, const int16_t* right, int count) override;
  bool WriteBlock8(const uint8_t* left, const uint8_t* right, int count) override;

  // Encodes what is still buffered, followed by the encoder's delay in
  // silence so that the last samples come out, and completes the file; a
  // tag's title, author, copyright and description go into the file's
  // content description last.
  // True when the whole file reached the file system; false after any
  // failure and for a file that received no sample. True when nothing is
  // open.
  bool Close() override;

  // The time of the next block, in units of 100 ns.
  uint64_t SampleTime() const { return sampleTime_; }

 private:
  bool OpenEncoder();
  bool OpenResampler();
  bool OpenFile(const std::string& path);
  bool WriteInterleaved(const uint8_t* samples, int count);
  bool EncodeFrames(bool all);
  bool Encode(AVFrame* frame);
  void Release();

  const WmaFormat format_;
  const std::optional<WmaTag> tag_;
  WriterFormat input_;
  std::string path_;
  CodecContextPtr encoder_;
  SwrPtr resampler_;
  OutputContextPtr file_;
  AVStream* stream_ = nullptr;
  AVAudioFifo* fifo_ = nullptr;
  FramePtr frame_;
  PacketPtr packet_;
  std::vector<uint8_t> interleaved_;
  uint64_t sampleTime_ = 0;
  int leadIn_ = 0;         // sample frames of silence before the input
  int64_t framesIn_ = 0;   // input sample frames received
  int64_t framesOut_ = 0;  // sample frames handed to the encoder
  bool headerWritten_ = false;
  bool failed_ = false;
};
