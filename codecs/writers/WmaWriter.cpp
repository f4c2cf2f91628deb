#include "codecs/writers/WmaWriter.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "platform/ffmpeg/OutputAvio.h"
#include "platform/tags/MultiValueTags.h"
#include "platform/wma/AsfDescription.h"
#include "platform/wma/WmaRuntime.h"
#include "source/TagReading.h"

extern "C" {
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace {

// Sets one attribute of the file; texts that are empty or not valid UTF-8
// are left out.
void SetAttribute(AVFormatContext* file, const char* name, const std::string& text) {
  if (!text.empty() && IsValidUtf8(text)) av_dict_set(&file->metadata, name, text.c_str(), 0);
}

// The extended attributes of the ASF header, by their names in the file.
// Title, author, copyright and description live in the content
// description instead (DescriptionOf), written once the file is complete:
// given to the muxer, they would land in both places, the description in
// the attributes only.
void SetAttributes(AVFormatContext* file, const WmaTag& tag) {
  const TagInfo& texts = tag.texts;
  // The album artist is the source's when it has one, else the artist.
  SetAttribute(file, "WM/AlbumArtist",
               texts.albumArtist.empty() ? texts.artist : texts.albumArtist);
  SetAttribute(file, "WM/AlbumTitle", texts.album);
  SetAttribute(file, "WM/Genre", texts.genre);
  SetAttribute(file, "WM/TrackNumber", std::to_string(tag.track));
  if (TrackNumberFromText(texts.disc) > 0) SetAttribute(file, "WM/PartOfSet", texts.disc);
  SetAttribute(file, "WM/Year", texts.year);
  SetAttribute(file, "WM/Composer", texts.composer);
}

// The content description of a tag; texts that are not valid UTF-8 are
// left out.
AsfDescription DescriptionOf(const TagInfo& texts) {
  const auto valid = [](const std::string& text) {
    return IsValidUtf8(text) ? text : std::string();
  };
  return AsfDescription{valid(texts.title), valid(texts.artist), valid(texts.copyright),
                        valid(texts.comment)};
}

// Appends `count` sample frames of silence to the encoder's queue.
bool QueueSilence(AVAudioFifo* fifo, int channels, int count) {
  if (count <= 0) return true;
  if (av_audio_fifo_realloc(fifo, av_audio_fifo_size(fifo) + count) < 0) return false;
  uint8_t** planes = nullptr;
  if (av_samples_alloc_array_and_samples(&planes, nullptr, channels, count, AV_SAMPLE_FMT_FLTP, 0) <
      0)
    return false;
  av_samples_set_silence(planes, 0, count, channels, AV_SAMPLE_FMT_FLTP);
  const bool queued = av_audio_fifo_write(fifo, reinterpret_cast<void**>(planes), count) == count;
  av_freep(&planes[0]);
  av_freep(&planes);
  return queued;
}

bool Takes(const WriterFormat& format) {
  return format.rate > 0 && format.rate <= 0x7FFFFFFF && (format.bits == 8 || format.bits == 16) &&
         (format.channels == 1 || format.channels == 2);
}

}  // namespace

uint64_t AdvanceSampleTime(uint64_t sampleTime, int count, uint32_t rate) {
  if (rate == 0 || count <= 0) return sampleTime;
  return sampleTime + static_cast<uint64_t>(count * 10000000.0 / rate);
}

WmaWriter::WmaWriter(const WmaFormat& format, std::optional<WmaTag> tag)
    : format_(format), tag_(std::move(tag)) {}

WmaWriter::~WmaWriter() {
  Close();
}

bool WmaWriter::Open(const std::string& path, const WriterFormat& format) {
  if (encoder_ || !Takes(format) || !LoadWmaRuntime()) return false;
  input_ = format;
  path_ = path;
  if (!OpenEncoder() || !OpenResampler()) {
    Release();
    return false;
  }
  if (!OpenFile(path)) {
    Release();
    std::remove(path.c_str());
    return false;
  }
  sampleTime_ = 0;
  framesIn_ = framesOut_ = 0;
  failed_ = false;
  return true;
}

bool WmaWriter::OpenEncoder() {
  const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
  if (!codec || format_.wave.channels == 0 || format_.wave.samplesPerSec == 0) return false;
  encoder_.reset(avcodec_alloc_context3(codec));
  frame_.reset(av_frame_alloc());
  packet_.reset(av_packet_alloc());
  if (!encoder_ || !frame_ || !packet_) return false;
  AVCodecContext* encoder = encoder_.get();
  encoder->sample_rate = static_cast<int>(format_.wave.samplesPerSec);
  encoder->bit_rate = format_.bitRate;
  encoder->sample_fmt = AV_SAMPLE_FMT_FLTP;
  encoder->time_base = AVRational{1, encoder->sample_rate};
  encoder->flags |= AV_CODEC_FLAG_BITEXACT | AV_CODEC_FLAG_GLOBAL_HEADER;
  av_channel_layout_default(&encoder->ch_layout, format_.wave.channels);
  if (avcodec_open2(encoder, codec, nullptr) < 0 || encoder->frame_size <= 0) return false;
  fifo_ = av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, format_.wave.channels, encoder->frame_size);
  // Decoders drop the first frame they decode as warm-up, and the encoder's
  // first packet already holds its delay: a lead-in of silence as long as
  // that delay keeps the first input samples out of the dropped frame. The
  // packets' times are moved back by the lead-in, so the file's timeline
  // starts at the first input sample.
  leadIn_ = std::max(encoder->initial_padding, 0);
  return fifo_ && QueueSilence(fifo_, format_.wave.channels, leadIn_);
}

// From the input's interleaved PCM to the encoder's planar float. A change
// of channel count keeps the level: one channel goes to both at full level,
// two become their average.
bool WmaWriter::OpenResampler() {
  AVChannelLayout in;
  av_channel_layout_default(&in, static_cast<int>(input_.channels));
  SwrContext* raw = nullptr;
  const AVSampleFormat inFormat = input_.bits == 8 ? AV_SAMPLE_FMT_U8 : AV_SAMPLE_FMT_S16;
  if (swr_alloc_set_opts2(&raw, &encoder_->ch_layout, AV_SAMPLE_FMT_FLTP, encoder_->sample_rate,
                          &in, inFormat, static_cast<int>(input_.rate), 0, nullptr) < 0)
    return false;
  resampler_.reset(raw);
  const int outChannels = encoder_->ch_layout.nb_channels;
  if (outChannels != static_cast<int>(input_.channels)) {
    const double upmix[2] = {1.0, 1.0};    // out L, out R from the one input channel
    const double downmix[2] = {0.5, 0.5};  // the one output channel from L and R
    const double* matrix = outChannels == 2 ? upmix : downmix;
    const int stride = outChannels == 2 ? 1 : 2;
    if (swr_set_matrix(raw, matrix, stride) < 0) return false;
  }
  return swr_init(raw) >= 0;
}

bool WmaWriter::OpenFile(const std::string& path) {
  AVFormatContext* raw = nullptr;
  if (avformat_alloc_output_context2(&raw, nullptr, "asf", path.c_str()) < 0 || !raw) return false;
  file_.reset(raw);
  // Keeps the muxer's encoder-settings attribute out of the header.
  raw->flags |= AVFMT_FLAG_BITEXACT;
  stream_ = avformat_new_stream(raw, nullptr);
  if (!stream_ || avcodec_parameters_from_context(stream_->codecpar, encoder_.get()) < 0)
    return false;
  stream_->time_base = encoder_->time_base;
  if (tag_) SetAttributes(raw, *tag_);
  if (OpenOutputAvio(&raw->pb, path) < 0) return false;
  // The first packets lie before the input's first sample: the file's
  // preroll holds them, so the play duration is the input's.
  Dictionary options;
  if (!options.Set("avoid_negative_ts", "disabled") ||
      avformat_write_header(raw, options.Address()) < 0)
    return false;
  headerWritten_ = true;
  return raw->pb->error >= 0;
}

bool WmaWriter::WriteBlock16(const int16_t* left, const int16_t* right, int count) {
  if (!encoder_ || failed_ || input_.bits != 16 || count < 0) return false;
  interleaved_.resize(static_cast<size_t>(count) * input_.channels * 2);
  auto* out = reinterpret_cast<int16_t*>(interleaved_.data());
  for (int i = 0; i < count; ++i) {
    *out++ = left[i];
    if (input_.channels == 2) *out++ = right[i];
  }
  return WriteInterleaved(interleaved_.data(), count);
}

bool WmaWriter::WriteBlock8(const uint8_t* left, const uint8_t* right, int count) {
  if (!encoder_ || failed_ || input_.bits != 8 || count < 0) return false;
  interleaved_.resize(static_cast<size_t>(count) * input_.channels);
  uint8_t* out = interleaved_.data();
  for (int i = 0; i < count; ++i) {
    *out++ = left[i];
    if (input_.channels == 2) *out++ = right[i];
  }
  return WriteInterleaved(interleaved_.data(), count);
}

// Converts one block (null: what the resampler still holds) into the
// queue of encoder input and encodes every whole frame of it.
bool WmaWriter::WriteInterleaved(const uint8_t* samples, int count) {
  const int capacity = swr_get_out_samples(resampler_.get(), count);
  bool ok = capacity >= 0;
  if (ok && capacity > 0) {
    uint8_t** planes = nullptr;
    ok = av_samples_alloc_array_and_samples(&planes, nullptr, encoder_->ch_layout.nb_channels,
                                            capacity, AV_SAMPLE_FMT_FLTP, 0) >= 0;
    if (ok) {
      const uint8_t* in[1] = {samples};
      const int converted =
          swr_convert(resampler_.get(), planes, capacity, samples ? in : nullptr, count);
      ok = converted >= 0 &&
           av_audio_fifo_write(fifo_, reinterpret_cast<void**>(planes), converted) == converted;
      av_freep(&planes[0]);
      av_freep(&planes);
    }
  }
  ok = ok && EncodeFrames(false);
  if (!ok) {
    failed_ = true;
    return false;
  }
  if (samples) {
    framesIn_ += count;
    sampleTime_ = AdvanceSampleTime(sampleTime_, count, input_.rate);
  }
  return true;
}

// Encodes the queue in whole frames; with `all`, the rest as well, padded
// with silence to a whole frame.
bool WmaWriter::EncodeFrames(bool all) {
  const int frameSize = encoder_->frame_size;
  while (av_audio_fifo_size(fifo_) >= frameSize || (all && av_audio_fifo_size(fifo_) > 0)) {
    AVFrame* frame = frame_.get();
    av_frame_unref(frame);
    frame->nb_samples = frameSize;
    frame->format = AV_SAMPLE_FMT_FLTP;
    frame->sample_rate = encoder_->sample_rate;
    if (av_channel_layout_copy(&frame->ch_layout, &encoder_->ch_layout) < 0 ||
        av_frame_get_buffer(frame, 0) < 0 || av_frame_make_writable(frame) < 0)
      return false;
    const int got = av_audio_fifo_read(fifo_, reinterpret_cast<void**>(frame->data), frameSize);
    if (got < 0) return false;
    if (got < frameSize &&
        av_samples_set_silence(frame->data, got, frameSize - got, frame->ch_layout.nb_channels,
                               AV_SAMPLE_FMT_FLTP) < 0)
      return false;
    frame->pts = framesOut_;
    framesOut_ += frameSize;
    if (!Encode(frame)) return false;
  }
  return true;
}

// Hands one frame (null: the end) to the encoder and stores every packet
// it gives back.
bool WmaWriter::Encode(AVFrame* frame) {
  if (avcodec_send_frame(encoder_.get(), frame) < 0) return false;
  for (;;) {
    AVPacket* packet = packet_.get();
    const int received = avcodec_receive_packet(encoder_.get(), packet);
    if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return true;
    if (received < 0) return false;
    packet->stream_index = stream_->index;
    if (packet->pts != AV_NOPTS_VALUE) packet->pts -= leadIn_;
    if (packet->dts != AV_NOPTS_VALUE) packet->dts -= leadIn_;
    av_packet_rescale_ts(packet, encoder_->time_base, stream_->time_base);
    const bool written = av_write_frame(file_.get(), packet) >= 0 && file_->pb->error >= 0;
    av_packet_unref(packet);
    if (!written) return false;
  }
}

bool WmaWriter::Close() {
  if (!encoder_) return true;
  bool ok = !failed_ && framesIn_ > 0;
  if (ok) {
    // What the resampler holds, then the encoder's delay in silence: the
    // encoder keeps its last frame until that much more input follows.
    ok = WriteInterleaved(nullptr, 0);
    ok = ok && QueueSilence(fifo_, encoder_->ch_layout.nb_channels, leadIn_);
    ok = ok && EncodeFrames(true) && Encode(nullptr);
  }
  // The trailer also frees what the muxer holds, so it runs on every file
  // whose header was written.
  if (headerWritten_ && av_write_trailer(file_.get()) < 0) ok = false;
  headerWritten_ = false;
  AVIOContext* io = file_ ? file_->pb : nullptr;
  if (io) {
    // Closing reports no error of its last flush: ask for it first.
    avio_flush(io);
    if (io->error < 0) ok = false;
    if (avio_closep(&file_->pb) < 0) ok = false;
  }
  Release();
  if (ok && tag_) {
    const AsfDescription description = DescriptionOf(tag_->texts);
    if (!description.title.empty() || !description.author.empty() ||
        !description.copyright.empty() || !description.description.empty())
      ok = WriteAsfDescription(path_, description);
    // The muxer holds one value per name: several artists or genres are
    // written into the finished file as repeated attributes.
    const TagInfo& texts = tag_->texts;
    if (ok && (!texts.moreArtists.empty() || !texts.moreGenres.empty()))
      ok = WriteMultiValueTags(path_, FieldValues(texts.artist, texts.moreArtists),
                               FieldValues(texts.genre, texts.moreGenres));
  }
  return ok;
}

void WmaWriter::Release() {
  if (headerWritten_) av_write_trailer(file_.get());
  headerWritten_ = false;
  if (file_ && file_->pb) avio_closep(&file_->pb);
  file_.reset();
  stream_ = nullptr;
  if (fifo_) av_audio_fifo_free(fifo_);
  fifo_ = nullptr;
  resampler_.reset();
  encoder_.reset();
  frame_.reset();
  packet_.reset();
  failed_ = false;
}
