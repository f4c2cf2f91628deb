#include "codecs/readers/ContainerSource.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "codecs/readers/FrameSamples.h"

extern "C" {
#include <libavutil/opt.h>
}

namespace {

// True when the decoder has a private option `name`.
bool HasPrivateOption(const AVCodec* codec, const char* name) {
  if (codec->priv_class == nullptr) return false;
  const AVClass* cls = codec->priv_class;
  return av_opt_find(&cls, name, nullptr, 0, AV_OPT_SEARCH_FAKE_OBJ) != nullptr;
}

// Consecutive decoder calls that neither give a frame nor take a packet
// before the stream counts as ended; a decoder that keeps refusing both
// would otherwise hold Read in a loop.
constexpr int kMaxIdleRounds = 16;

}  // namespace

ContainerSource::~ContainerSource() {
  Close();
}

void ContainerSource::Close() {
  // The decoder goes before the container whose stream it decodes.
  codec_.reset();
  packet_.reset();
  frame_.reset();
  packetHeld_ = false;
  draining_ = false;
  ended_ = false;
  std::vector<uint8_t>().swap(decoded_);
  capacity_ = 0;
  decodedStart_ = 0;
  decodedEnd_ = 0;
  CloseContainer();
  ResetState();
}

bool ContainerSource::Open(const std::string& path, uint32_t /*renderRate*/) {
  Close();
  if (!OpenContainer(path) || audioStream_ < 0) {
    Close();
    return false;
  }
  AVStream* stream = format_->streams[audioStream_];
  const AVCodec* decoder = avcodec_find_decoder(stream->codecpar->codec_id);
  codec_.reset(decoder ? avcodec_alloc_context3(decoder) : nullptr);
  if (!codec_ || avcodec_parameters_to_context(codec_.get(), stream->codecpar) < 0) {
    Close();
    return false;
  }
  codec_->pkt_timebase = stream->time_base;

  // Above two channels, decoders that can mix down (AC-3, E-AC-3, DTS,
  // TrueHD, MLP) are asked for stereo; the others deliver every channel and
  // Read takes the first two.
  const int sourceChannels = stream->codecpar->ch_layout.nb_channels;
  Dictionary options;
  if (sourceChannels > 2 && HasPrivateOption(decoder, "downmix") &&
      !options.Set("downmix", "stereo")) {
    Close();
    return false;
  }
  if (avcodec_open2(codec_.get(), decoder, options.Address()) < 0) {
    Close();
    return false;
  }

  // Packets of the other streams (video, subtitles, pictures) are skipped
  // by the demuxer unread.
  for (unsigned i = 0; i < format_->nb_streams; ++i) {
    if (static_cast<int>(i) != audioStream_) format_->streams[i]->discard = AVDISCARD_ALL;
  }
  packet_.reset(av_packet_alloc());
  frame_.reset(av_frame_alloc());
  if (!packet_ || !frame_ || codec_->sample_rate <= 0) {
    Close();
    return false;
  }

  SetAudioFields(sourceChannels > 0 ? sourceChannels : codec_->ch_layout.nb_channels,
                 codec_->sample_rate, codec_->bit_rate, codec_->sample_fmt);
  if (format_->pb != nullptr && avio_size(format_->pb) > 0) {
    length_ = static_cast<uint64_t>(avio_size(format_->pb));
  } else {
    struct stat info;
    length_ = stat(path.c_str(), &info) == 0 && info.st_size > 0
                  ? static_cast<uint64_t>(info.st_size)
                  : 0;
  }

  if (!DecodeNextFrame()) {
    Close();
    return false;
  }
  RefreshPosition();
  return true;
}

int ContainerSource::Read(PcmBlock& block) {
  block.frames = 0;
  if (!codec_) return 0;
  const size_t width = bytesPerSample_;
  uint8_t* left = reinterpret_cast<uint8_t*>(block.left);
  uint8_t* right = reinterpret_cast<uint8_t*>(block.right);
  const uint8_t* leftPlane = decoded_.data();
  int delivered = 0;
  while (delivered < BLOCK_SAMPLES) {
    if (decodedStart_ == decodedEnd_) {
      if (!DecodeNextFrame()) break;
      leftPlane = decoded_.data();
    }
    const int take = std::min(BLOCK_SAMPLES - delivered, decodedEnd_ - decodedStart_);
    std::memcpy(left + delivered * width, leftPlane + decodedStart_ * width, take * width);
    if (outputChannels_ == 2) {
      const uint8_t* rightPlane = leftPlane + static_cast<size_t>(capacity_) * width;
      std::memcpy(right + delivered * width, rightPlane + decodedStart_ * width, take * width);
    }
    delivered += take;
    decodedStart_ += take;
  }
  RefreshPosition();
  block.frames = delivered;
  return delivered;
}

bool ContainerSource::DecodeNextFrame() {
  int idle = 0;
  while (!ended_ && idle < kMaxIdleRounds) {
    const int received = avcodec_receive_frame(codec_.get(), frame_.get());
    if (received == 0) {
      const bool stored = StoreFrame(*frame_);
      av_frame_unref(frame_.get());
      if (stored) return true;
      idle = 0;
      continue;
    }
    if (received == AVERROR_EOF) break;
    // The decoder wants input, or rejected what it had (a damaged frame is
    // dropped and decoding goes on with the next packet).
    switch (FeedDecoder()) {
      case Feed::kSent:
        idle = 0;
        break;
      case Feed::kDecoderFull:
        ++idle;
        break;
      case Feed::kNoMoreInput:
        ended_ = true;
        break;
    }
  }
  ended_ = true;
  return false;
}

ContainerSource::Feed ContainerSource::FeedDecoder() {
  if (!packetHeld_) {
    if (draining_) return Feed::kNoMoreInput;
    if (!ReadAudioPacket()) {
      const int sent = avcodec_send_packet(codec_.get(), nullptr);
      if (sent == AVERROR(EAGAIN)) return Feed::kDecoderFull;
      draining_ = true;
      return sent == 0 ? Feed::kSent : Feed::kNoMoreInput;
    }
    packetHeld_ = true;
  }
  const int sent = avcodec_send_packet(codec_.get(), packet_.get());
  if (sent == AVERROR(EAGAIN)) return Feed::kDecoderFull;
  // Taken, or refused as damaged: either way this packet is done with.
  av_packet_unref(packet_.get());
  packetHeld_ = false;
  return Feed::kSent;
}

bool ContainerSource::ReadAudioPacket() {
  while (av_read_frame(format_.get(), packet_.get()) >= 0) {
    if (packet_->stream_index == audioStream_) return true;
    av_packet_unref(packet_.get());
  }
  return false;
}

bool ContainerSource::StoreFrame(const AVFrame& frame) {
  const int frames = frame.nb_samples;
  const int channels = frame.ch_layout.nb_channels;
  if (frames <= 0 || channels <= 0 || !frame_samples::IsSupported(frame.format)) return false;

  // The buffer only grows, and never below the floor.
  if (frames > capacity_) {
    const size_t planeBytes =
        std::max(kDecodeBufferFloor / 2, static_cast<size_t>(frames) * bytesPerSample_);
    decoded_.assign(planeBytes * 2, 0);
    capacity_ = static_cast<int>(planeBytes / bytesPerSample_);
  }
  uint8_t* leftPlane = decoded_.data();
  uint8_t* rightPlane = leftPlane + static_cast<size_t>(capacity_) * bytesPerSample_;
  // A mono frame inside a stereo stream is delivered on both sides.
  const int rightChannel = channels > 1 ? 1 : 0;
  bool ok;
  if (bitsPerSample_ == 8) {
    ok = frame_samples::CopyChannel8(frame, 0, leftPlane) &&
         (outputChannels_ < 2 || frame_samples::CopyChannel8(frame, rightChannel, rightPlane));
  } else {
    ok = frame_samples::CopyChannel16(frame, 0, reinterpret_cast<int16_t*>(leftPlane)) &&
         (outputChannels_ < 2 || frame_samples::CopyChannel16(
                                     frame, rightChannel, reinterpret_cast<int16_t*>(rightPlane)));
  }
  if (!ok) return false;
  decodedStart_ = 0;
  decodedEnd_ = frames;
  return true;
}

void ContainerSource::RefreshPosition() {
  if (ended_ && decodedStart_ == decodedEnd_) {
    position_ = length_;
    return;
  }
  if (format_->pb == nullptr) return;
  const int64_t at = avio_tell(format_->pb);
  if (at > 0) position_ = std::min(static_cast<uint64_t>(at), length_);
}
