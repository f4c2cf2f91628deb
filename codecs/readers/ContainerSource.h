#pragma once

#include <vector>

#include "codecs/readers/ContainerReader.h"

// The decoding reader over the media-container library: the fallback for
// AMR and AWB files, for extensions that no other reader claims and for
// files their first reader refused. It decodes the first audio stream of
// the container and delivers its first two channels (a decoder that can
// mix down to stereo is asked to) as signed 16-bit, or unsigned 8-bit when
// the decoder's output is unsigned 8-bit. Progress counts bytes of the file
// read: the length is the file's size and the position is the container's
// read position, which reaches the length at the end.
class ContainerSource : public ContainerReader {
 public:
  // Smallest size of the decode buffer: the largest audio frame of the
  // library's older generations, so that ordinary frames never make it grow.
  static constexpr size_t kDecodeBufferFloor = 192000;

  ContainerSource() = default;
  ~ContainerSource() override;

  void Close() override;
  // `renderRate` is not used. False, with nothing open, when the container
  // cannot be opened, has no audio stream, has no decoder for it, or yields
  // no audio at all: the first frame is decoded here, so a file that opens
  // but holds nothing decodable is refused rather than converted to
  // silence.
  bool Open(const std::string& path, uint32_t renderRate) override;
  int Read(PcmBlock& block) override;

 private:
  enum class Feed { kSent, kDecoderFull, kNoMoreInput };

  // Decodes the next frame into the decode buffer; false when the input
  // has ended.
  bool DecodeNextFrame();
  // Hands the decoder the next packet of the audio stream, or the end of
  // input when there is none.
  Feed FeedDecoder();
  // Reads packets until one of the audio stream comes; false at the end of
  // the file or on a read error.
  bool ReadAudioPacket();
  // Converts `frame` into the decode buffer; false for a frame whose format
  // or layout cannot be delivered (it is skipped).
  bool StoreFrame(const AVFrame& frame);
  void RefreshPosition();

  CodecContextPtr codec_;
  PacketPtr packet_;
  bool packetHeld_ = false;  // the packet waits for room in the decoder
  FramePtr frame_;
  bool draining_ = false;  // the end of input has been signalled
  bool ended_ = false;     // the decoder has given its last frame

  // Decoded samples not yet delivered, at the delivered depth: the left
  // plane, then the right plane, each of capacity_ samples.
  std::vector<uint8_t> decoded_;
  int capacity_ = 0;
  int decodedStart_ = 0;
  int decodedEnd_ = 0;
};
