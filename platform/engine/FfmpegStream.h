#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/engine/AllocationCap.h"
#include "platform/engine/EngineStream.h"
#include "platform/engine/FfmpegHandles.h"

namespace engine {

// A demuxer reading a local file through its own I/O context. The
// allowance lets the library's allocations grow with the file while it is
// open (the index of a long file).
struct FfmpegInput {
  AllocationAllowance allowance;  // declared first, so that it goes last
  AvioPtr io;                     // the demuxer closes before its I/O
  FormatPtr format;
};

// Decodes the first audio stream of a sampled-format file through FFmpeg to
// interleaved PCM at the file's own rate with all of its channels: unsigned
// 8-bit when the file holds 8-bit PCM, signed 16-bit otherwise. The length
// is fixed at open; decoding never changes rate or channel layout.
class FfmpegStream : public EngineStream {
 public:
  // Null when the file does not open, has no audio stream, or its demuxer
  // or codec is not allowed by `gate`.
  static std::unique_ptr<FfmpegStream> Open(const std::string& path, const FormatGate& gate);

  StreamFormat Format() const override { return format_; }
  uint64_t LengthBytes() const override { return lengthBytes_; }
  uint32_t Decode(uint8_t* buffer, uint32_t bytes) override;
  int64_t FileLength() const override { return fileLength_; }
  int64_t FirstFrameOffset() const override { return firstFrame_; }

 private:
  FfmpegStream() = default;
  bool Start(const std::string& path, const FormatGate& gate);
  bool OpenDecoder();
  int64_t LengthSamples(const std::string& path, bool mpegFile);
  bool ReadPacket();
  bool SendNextPacket();
  bool DecodeMore();
  bool TakeFrame();

  FfmpegInput input_;
  CodecPtr codec_;
  SwrPtr swr_;
  PacketPtr packet_;
  FramePtr frame_;
  int streamIndex_ = -1;
  int swrInput_ = -1;  // the sample format swr_ was made for
  AVSampleFormat outputFormat_ = AV_SAMPLE_FMT_S16;
  StreamFormat format_;
  uint64_t lengthBytes_ = 0;
  int64_t fileLength_ = -1;
  int64_t firstFrame_ = -1;

  // Decoded samples not yet handed out, reused from frame to frame.
  std::vector<uint8_t> pending_;
  size_t pendingSize_ = 0;
  size_t pendingAt_ = 0;
  bool packetHeld_ = false;  // packet_ holds a packet not yet sent
  bool draining_ = false;    // the input ended; the decoder is being emptied
  bool finished_ = false;
  int errorsInRow_ = 0;
};

}  // namespace engine
