// The decoding side of FfmpegStream: reading packets, decoding them, and
// converting the frames to the announced PCM format.

#include "platform/engine/FfmpegStream.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace engine {

namespace {

// Damage is read past: a packet the decoder refuses is skipped, and bytes
// the demuxer cannot make a packet of are left behind by its next call. Only
// this many errors in a row without the file position moving on end the
// stream before the file's end.
constexpr int kMaxStalledErrors = 64;
// A file cut short may end in a part of a packet that does not decode;
// errors at the end that span more of the file than this much of its
// average playing time are damage.
constexpr double kDamagedSpanSeconds = 1.0;

// `layout` in native order when it has one, else the default order of its
// channel count. Such layouts own no memory and may be copied freely.
AVChannelLayout NativeLayout(const AVChannelLayout& layout) {
  AVChannelLayout native{};
  if (layout.order == AV_CHANNEL_ORDER_NATIVE) {
    native.order = AV_CHANNEL_ORDER_NATIVE;
    native.nb_channels = layout.nb_channels;
    native.u.mask = layout.u.mask;
  } else {
    av_channel_layout_default(&native, layout.nb_channels);
  }
  return native;
}

}  // namespace

bool FfmpegStream::ReadPacket() {
  for (;;) {
    const int read = av_read_frame(input_.format.get(), packet_.get());
    if (read >= 0) {
      if (packet_->stream_index == streamIndex_) return true;
      av_packet_unref(packet_.get());
      continue;
    }
    if (read == AVERROR_EOF) return false;
    // The demuxer met bytes it could not make a packet of (an Ogg page that
    // is garbage, say); its next call searches on from where it stopped.
    if (!NoteDamage() || avio_feof(input_.io.get())) return false;
  }
}

bool FfmpegStream::NoteDamage() {
  damageSinceSound_ = true;
  const int64_t at = avio_tell(input_.io.get());
  const bool movedOn = at > furthest_;
  furthest_ = std::max(furthest_, at);
  // Until a first frame has decoded every error counts: a file whose first
  // packets all fail holds no sound to read on to.
  if (movedOn && format_.rate != 0) stalledErrors_ = 0;
  if (++stalledErrors_ < kMaxStalledErrors) return true;
  gaveUp_ = true;
  return false;
}

// Hands the decoder its next packet, or the end of input. False on a fault
// that ends the stream.
bool FfmpegStream::SendNextPacket() {
  for (;;) {
    if (!packetHeld_ && !ReadPacket()) {
      draining_ = true;
      const int sent = avcodec_send_packet(codec_.get(), nullptr);
      return sent == 0 || sent == AVERROR_EOF;
    }
    packetHeld_ = false;
    const int64_t end =
        packet_->pos >= 0 ? packet_->pos + packet_->size : avio_tell(input_.io.get());
    const int sent = avcodec_send_packet(codec_.get(), packet_.get());
    av_packet_unref(packet_.get());
    if (sent == 0) {
      sentEnd_ = end;
      return true;
    }
    if (!NoteDamage()) return false;
  }
}

// Decodes the next frame into the pending buffer. False at the end.
bool FfmpegStream::DecodeMore() {
  pendingSize_ = 0;
  pendingAt_ = 0;
  while (!finished_) {
    const int received = avcodec_receive_frame(codec_.get(), frame_.get());
    if (received == 0) {
      const bool taken = TakeFrame();
      av_frame_unref(frame_.get());
      if (!taken) break;
      damageSinceSound_ = false;
      soundEnd_ = sentEnd_;
      if (pendingSize_ > 0) return true;
    } else if (received == AVERROR(EAGAIN) && !draining_) {
      if (!SendNextPacket()) break;
    } else if (received == AVERROR_EOF || received == AVERROR(EAGAIN) || !NoteDamage()) {
      break;
    }
  }
  if (!finished_) {
    finished_ = true;
    stoppedAt_ = gaveUp_ && fileLength_ > 0 ? fileLength_ : avio_tell(input_.io.get());
  }
  // A resampler holds back the last moments of the stream.
  return FlushConverter() && pendingSize_ > 0;
}

bool FfmpegStream::EndedAtDamage() const {
  if (!finished_ || !damageSinceSound_) return false;
  const uint64_t frameBytes = format_.BytesPerFrame();
  const double seconds = frameBytes && format_.rate
                             ? static_cast<double>(lengthBytes_ / frameBytes) / format_.rate
                             : 0;
  // Without the file's length or a playing time every such error counts.
  const double bytesPerSecond =
      seconds > 0 && fileLength_ > 0 ? static_cast<double>(fileLength_) / seconds : 0;
  return static_cast<double>(stoppedAt_ - soundEnd_) > kDamagedSpanSeconds * bytesPerSecond;
}

// Appends the decoded frame to the pending samples in the announced format.
// False when it cannot be converted.
bool FfmpegStream::TakeFrame() {
  const AVFrame& frame = *frame_;
  if (frame.nb_samples <= 0) return true;
  // Decoders set their context's rate from each frame's header; the MPEG
  // audio decoder fills the frame's own rate field before reading it, so
  // that field may still hold the previous frame's rate.
  const int rate = codec_->sample_rate > 0 ? codec_->sample_rate : frame.sample_rate;
  if (format_.rate == 0) {
    // The first frame announces the stream's format.
    if (rate <= 0 || frame.ch_layout.nb_channels <= 0) return false;
    format_.rate = static_cast<uint32_t>(rate);
    format_.channels = static_cast<uint32_t>(frame.ch_layout.nb_channels);
    outputLayout_ = NativeLayout(frame.ch_layout);
  }
  // A frame with the announced channel count keeps its channels as they
  // are; another count is remixed from the frame's own layout.
  const bool sameChannels = frame.ch_layout.nb_channels == static_cast<int>(format_.channels);
  const AVChannelLayout layout = sameChannels ? outputLayout_ : NativeLayout(frame.ch_layout);
  const bool converterFits = swr_ && swrFormat_ == frame.format && swrRate_ == rate &&
                             av_channel_layout_compare(&swrLayout_, &layout) == 0;
  if (swr_ && !converterFits && !FlushConverter()) return false;

  const uint32_t frameBytes = format_.BytesPerFrame();
  if (sameChannels && rate == static_cast<int>(format_.rate) && frame.format == outputFormat_) {
    const size_t bytes = static_cast<size_t>(frame.nb_samples) * frameBytes;
    std::memcpy(PendingRoom(bytes), frame.data[0], bytes);
    pendingSize_ += bytes;
    return true;
  }
  if (!swr_ && !MakeConverter(static_cast<AVSampleFormat>(frame.format), rate, layout))
    return false;
  const int room = swr_get_out_samples(swr_.get(), frame.nb_samples);
  if (room < 0) return false;
  uint8_t* out = PendingRoom(static_cast<size_t>(room) * frameBytes);
  const int converted = swr_convert(
      swr_.get(), &out, room, const_cast<const uint8_t**>(frame.extended_data), frame.nb_samples);
  if (converted < 0) return false;
  pendingSize_ += static_cast<size_t>(converted) * frameBytes;
  return true;
}

uint8_t* FfmpegStream::PendingRoom(size_t bytes) {
  if (pending_.size() < pendingSize_ + bytes) pending_.resize(pendingSize_ + bytes);
  return pending_.data() + pendingSize_;
}

bool FfmpegStream::MakeConverter(AVSampleFormat format, int rate, const AVChannelLayout& layout) {
  AVChannelLayout input = layout;
  AVChannelLayout output = outputLayout_;
  SwrContext* raw = nullptr;
  if (swr_alloc_set_opts2(&raw, &output, outputFormat_, static_cast<int>(format_.rate), &input,
                          format, rate, 0, nullptr) < 0) {
    return false;
  }
  SwrPtr swr(raw);
  // The library would lower a mono channel by 3 dB on each side; mono is
  // delivered on every channel at its own level, as a mono file sounds.
  if (input.nb_channels == 1 && format_.channels > 1) {
    const std::vector<double> matrix(format_.channels, 1.0);
    if (swr_set_matrix(raw, matrix.data(), 1) < 0) return false;
  }
  if (swr_init(raw) < 0) return false;
  swr_ = std::move(swr);
  swrFormat_ = format;
  swrRate_ = rate;
  swrLayout_ = layout;
  return true;
}

bool FfmpegStream::FlushConverter() {
  if (!swr_) return true;
  const SwrPtr swr = std::move(swr_);
  swrFormat_ = -1;
  const uint32_t frameBytes = format_.BytesPerFrame();
  for (;;) {
    const int room = swr_get_out_samples(swr.get(), 0);
    if (room <= 0) return true;
    uint8_t* out = PendingRoom(static_cast<size_t>(room) * frameBytes);
    const int flushed = swr_convert(swr.get(), &out, room, nullptr, 0);
    if (flushed < 0) return false;
    if (flushed == 0) return true;
    pendingSize_ += static_cast<size_t>(flushed) * frameBytes;
  }
}

uint32_t FfmpegStream::Decode(uint8_t* buffer, uint32_t bytes) {
  const uint32_t frameBytes = format_.BytesPerFrame();
  if (!buffer || frameBytes == 0) return 0;
  bytes -= bytes % frameBytes;
  uint32_t written = 0;
  while (written < bytes) {
    if (pendingAt_ == pendingSize_ && !DecodeMore()) break;
    const size_t count = std::min<size_t>(bytes - written, pendingSize_ - pendingAt_);
    std::memcpy(buffer + written, pending_.data() + pendingAt_, count);
    written += static_cast<uint32_t>(count);
    pendingAt_ += count;
  }
  return written;
}

}  // namespace engine
