#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/engine/AllocationCap.h"
#include "platform/engine/EngineStream.h"
#include "platform/ffmpeg/FfmpegOwners.h"

namespace engine {

// A demuxer reading a local file through its own I/O context. The
// allowance lets the library's allocations grow with the file while it is
// open (the index of a long file).
struct FfmpegInput {
  AllocationAllowance allowance;  // declared first, so that it goes last
  AvioPtr io;                     // the demuxer closes before its I/O
  FormatContextPtr format;
};

// For a WAV file whose demuxer was opened with the option
// "max_probe_packets" at 1 (the demuxer's content probe of a 16-bit PCM
// stream, which finds compressed audio stored as PCM, cut to the stream's
// first packet): false when the full probe could not have changed the codec
// that `context` reports, so that the file need not be opened again in
// full. The probe costs milliseconds per file; this check a fraction of
// that. True whenever the outcome cannot be shown to be the same, in
// particular for another generation of the library. `path` is the file's.
bool StreamProbeMightRecode(AVFormatContext* context, const std::string& path);

// Decodes the first audio stream of a sampled-format file through FFmpeg to
// interleaved PCM at the file's own rate with all of its channels: unsigned
// 8-bit when the file holds 8-bit PCM, signed 16-bit otherwise. The rate
// and channel count are those the stream announces at open (its first
// frame's); frames of another rate or channel count later in the stream
// (joined files) are resampled and remixed to them, a mono frame reaching
// every channel at full level. The length is fixed at open. Damaged packets
// and stretches the demuxer cannot read are skipped, and decoding goes on
// where the container lets the library find its footing again.
class FfmpegStream : public EngineStream {
 public:
  // Null when the file does not open, has no audio stream, its demuxer or
  // codec is not allowed by `gate`, or not one frame of it decodes: a file
  // that opens but holds no decodable sound is not a stream of silence.
  static std::unique_ptr<FfmpegStream> Open(const std::string& path, const FormatGate& gate);

  StreamFormat Format() const override { return format_; }
  uint64_t LengthBytes() const override { return lengthBytes_; }
  uint32_t Decode(uint8_t* buffer, uint32_t bytes) override;
  int64_t FileLength() const override { return fileLength_; }
  int64_t FirstFrameOffset() const override { return firstFrame_; }
  std::string ContainerName() const override { return input_.format->iformat->name; }
  std::string CodecName() const override {
    return avcodec_get_name(input_.format->streams[streamIndex_]->codecpar->codec_id);
  }
  // After the end: errors came after the last decoded sound, and from there
  // to where reading stopped lies more of the file than a last packet cut
  // short by the file's end holds.
  bool EndedAtDamage() const override;

 private:
  FfmpegStream() = default;
  bool Start(const std::string& path, const FormatGate& gate);
  bool OpenDecoder();
  int64_t LengthSamples(const std::string& path, bool mpegFile);
  bool ReadPacket();
  // Notes an error met while reading; false when reading gives up, the
  // errors repeating without the file position moving on.
  bool NoteDamage();
  bool SendNextPacket();
  bool DecodeMore();
  bool TakeFrame();
  // Room for `bytes` more bytes at the end of the pending samples.
  uint8_t* PendingRoom(size_t bytes);
  // Makes the converter from frames of `format`, `rate` and `layout` to
  // the announced format; false when the library refuses it.
  bool MakeConverter(AVSampleFormat format, int rate, const AVChannelLayout& layout);
  // Appends what a resampling converter still holds, and drops it.
  bool FlushConverter();

  FfmpegInput input_;
  CodecContextPtr codec_;
  SwrPtr swr_;
  PacketPtr packet_;
  FramePtr frame_;
  int streamIndex_ = -1;
  // The frames swr_ was made for: sample format, rate, channel layout.
  int swrFormat_ = -1;
  int swrRate_ = 0;
  AVChannelLayout swrLayout_{};  // native or unspecified order: owns no memory
  AVSampleFormat outputFormat_ = AV_SAMPLE_FMT_S16;
  AVChannelLayout outputLayout_{};  // the announced layout, native or unspecified order
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

  // Damage met while reading. File positions are byte offsets.
  bool damageSinceSound_ = false;  // errors since the last decoded frame
  bool gaveUp_ = false;            // errors repeated where the file position stood still
  int stalledErrors_ = 0;          // errors since the position last moved on after the first frame
  int64_t furthest_ = -1;          // the furthest position reached at an error
  int64_t sentEnd_ = 0;            // the end of the last packet the decoder took
  int64_t soundEnd_ = 0;           // sentEnd_ when the last frame was decoded
  int64_t stoppedAt_ = 0;          // where reading ended: the file's end after giving up
};

}  // namespace engine
