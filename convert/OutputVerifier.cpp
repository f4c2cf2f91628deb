#include "convert/OutputVerifier.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/ffmpeg/FfmpegOwners.h"

namespace {

// What decoding the file came to.
struct Decoded {
  AVCodecID codec = AV_CODEC_ID_NONE;
  uint32_t rate = 0;
  uint32_t channels = 0;
  // The rate an Opus stream's header says its input had; Opus itself always
  // decodes at 48 kHz.
  uint32_t opusInputRate = 0;
  int64_t frames = 0;
  double sumOfSquares = 0;
  int64_t samples = 0;
};

// How far a codec's decoded length may lie from what was written, in
// samples at the decoded rate: one codec frame either way, and the delay
// and padding the codec adds on top.
struct LengthAllowance {
  int64_t frame = 0;
  int64_t delay = 0;
};

LengthAllowance AllowanceFor(AVCodecID codec) {
  switch (codec) {
    case AV_CODEC_ID_MP3:
      // The encoder's 576 samples of delay and the decoder's 529, plus the
      // padding of the last frame, unless an Info frame has them dropped.
      return {1152, 1105 + 1152};
    case AV_CODEC_ID_AAC:
      // The priming samples, unless the container's edit list trims them,
      // the padding of the last frame and the frame that flushes the encoder.
      return {1024, 1024 * 3};
    case AV_CODEC_ID_VORBIS:
      return {2048, 0};  // granule positions trim both ends
    case AV_CODEC_ID_OPUS:
      return {2880, 0};  // pre-skip and the end are trimmed; 60 ms frames at most
    case AV_CODEC_ID_AMR_NB:
      return {0, 160};  // whole 20 ms frames: the last one padded
    case AV_CODEC_ID_AMR_WB:
      return {0, 320};
    case AV_CODEC_ID_WMAV1:
    case AV_CODEC_ID_WMAV2:
      // The encoder's delay of one frame at the start, and the silence the
      // writer feeds after the last samples so that they come out.
      return {2048, 2048 * 3};
    case AV_CODEC_ID_FLAC:
      return {0, 0};
    default:
      if (codec >= AV_CODEC_ID_FIRST_AUDIO && codec < AV_CODEC_ID_ADPCM_IMA_QT)
        return {0, 0};  // PCM
      return {4096, 4096};
  }
}

// The sum of the squares of `count` samples less `zero`, over `scale`
// squared: full scale 1.0. The scale is applied once, not per sample.
template <typename Sample>
double SquaresOf(const uint8_t* data, int count, double zero, double scale) {
  const Sample* samples = reinterpret_cast<const Sample*>(data);
  double sum = 0;
  for (int i = 0; i < count; ++i) {
    const double value = static_cast<double>(samples[i]) - zero;
    sum += value * value;
  }
  return sum / (scale * scale);
}

// The sum of the squares of one plane of `count` samples, full scale 1.0.
double PlaneSquares(AVSampleFormat format, const uint8_t* data, int count) {
  switch (av_get_packed_sample_fmt(format)) {
    case AV_SAMPLE_FMT_U8:
      return SquaresOf<uint8_t>(data, count, 128, 128);
    case AV_SAMPLE_FMT_S16:
      return SquaresOf<int16_t>(data, count, 0, 32768.0);
    case AV_SAMPLE_FMT_S32:
      return SquaresOf<int32_t>(data, count, 0, 2147483648.0);
    case AV_SAMPLE_FMT_FLT:
      return SquaresOf<float>(data, count, 0, 1);
    case AV_SAMPLE_FMT_DBL:
      return SquaresOf<double>(data, count, 0, 1);
    default:
      return 0;
  }
}

void Measure(const AVFrame& frame, Decoded& decoded) {
  const AVSampleFormat format = static_cast<AVSampleFormat>(frame.format);
  const int channels = frame.ch_layout.nb_channels;
  decoded.frames += frame.nb_samples;
  if (channels <= 0) return;
  if (av_sample_fmt_is_planar(format)) {
    for (int c = 0; c < channels; ++c)
      decoded.sumOfSquares += PlaneSquares(format, frame.extended_data[c], frame.nb_samples);
  } else {
    decoded.sumOfSquares += PlaneSquares(format, frame.data[0], frame.nb_samples * channels);
  }
  decoded.samples += static_cast<int64_t>(frame.nb_samples) * channels;
}

// Decodes the first audio stream of `path` to its end; "" on success, else
// what is wrong.
std::string Decode(const std::string& path, Decoded& decoded) {
  AVFormatContext* opened = nullptr;
  if (avformat_open_input(&opened, path.c_str(), nullptr, nullptr) < 0)
    return "it cannot be opened";
  const FormatContextPtr format(opened);
  if (avformat_find_stream_info(format.get(), nullptr) < 0) return "its streams cannot be read";
  const AVCodec* decoder = nullptr;
  const int index = av_find_best_stream(format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
  if (index < 0) return "it holds no audio stream";
  const AVCodecParameters& parameters = *format->streams[index]->codecpar;
  if (!decoder) return "it holds audio that no decoder reads";
  const CodecContextPtr codec(avcodec_alloc_context3(decoder));
  const PacketPtr packet(av_packet_alloc());
  const FramePtr frame(av_frame_alloc());
  if (!codec || !packet || !frame || avcodec_parameters_to_context(codec.get(), &parameters) < 0 ||
      avcodec_open2(codec.get(), decoder, nullptr) < 0)
    return "its audio cannot be decoded";

  decoded.codec = parameters.codec_id;
  decoded.rate = static_cast<uint32_t>(codec->sample_rate);
  decoded.channels = static_cast<uint32_t>(codec->ch_layout.nb_channels);
  if (parameters.codec_id == AV_CODEC_ID_OPUS && parameters.extradata_size >= 16) {
    const uint8_t* head = parameters.extradata;  // OpusHead: the input rate at byte 12
    decoded.opusInputRate = head[12] | head[13] << 8 | head[14] << 16 | uint32_t{head[15]} << 24;
  }
  const auto receiveAll = [&] {
    while (avcodec_receive_frame(codec.get(), frame.get()) >= 0) {
      if (decoded.rate == 0) decoded.rate = static_cast<uint32_t>(frame->sample_rate);
      Measure(*frame, decoded);
      av_frame_unref(frame.get());
    }
  };
  // A packet the decoder refuses is left out: the length and the level
  // then tell whether what remains is the output that was written.
  while (av_read_frame(format.get(), packet.get()) >= 0) {
    if (packet->stream_index == index && avcodec_send_packet(codec.get(), packet.get()) >= 0)
      receiveAll();
    av_packet_unref(packet.get());
  }
  if (avcodec_send_packet(codec.get(), nullptr) >= 0) receiveAll();
  return std::string();
}

// "m:ss.s" of a time in seconds.
std::string Clock(double seconds) {
  const long tenths = std::lround(seconds * 10);
  char text[40];
  std::snprintf(text, sizeof text, "%ld:%02ld.%ld", tenths / 600, tenths / 10 % 60, tenths % 10);
  return text;
}

std::string ChannelsText(uint32_t channels) {
  return channels == 1 ? "mono" : channels == 2 ? "stereo" : std::to_string(channels) + " channels";
}

}  // namespace

std::string OutputVerifier::Check(const std::string& path, const WrittenAudio& written) {
  Decoded decoded;
  std::string problem = Decode(path, decoded);
  if (problem.empty()) {
    const uint32_t storedRate = decoded.codec == AV_CODEC_ID_OPUS && decoded.opusInputRate != 0
                                    ? decoded.opusInputRate
                                    : decoded.rate;
    if (storedRate != written.rate) {
      problem = "it holds " + std::to_string(storedRate) + " Hz, not " +
                std::to_string(written.rate) + " Hz";
    } else if (decoded.channels != written.channels) {
      problem =
          "it is " + ChannelsText(decoded.channels) + ", not " + ChannelsText(written.channels);
    }
  }
  // The written length in samples at the decoded rate.
  const double expected = written.writtenRate == 0 ? 0.0
                                                   : static_cast<double>(written.frames) *
                                                         decoded.rate / written.writtenRate;
  const LengthAllowance allowance = AllowanceFor(decoded.codec);
  if (problem.empty() && written.writtenRate != 0 && decoded.rate != 0) {
    const double frames = static_cast<double>(decoded.frames);
    if (frames < expected - static_cast<double>(allowance.frame) - 1 ||
        frames > expected + static_cast<double>(allowance.frame + allowance.delay) + 1) {
      problem =
          "it decodes to " + Clock(frames / decoded.rate) + " of " + Clock(expected / decoded.rate);
    }
  }
  // A codec's first frames fade in (AMR's, for one): the level of an
  // output of a few frames says nothing.
  const double levelSpan = 4.0 * std::max<int64_t>(allowance.frame + allowance.delay, 160);
  if (problem.empty() && expected >= levelSpan && written.Level() >= kSilentLevel) {
    const double level =
        decoded.samples > 0 ? std::sqrt(decoded.sumOfSquares / static_cast<double>(decoded.samples))
                            : 0.0;
    if (level < kSilentLevel * kQuieterFactor) {
      problem = "it is silent where the sound written was not";
    } else if (level < written.Level() * kQuieterFactor) {
      const long decibels = std::lround(20 * std::log10(written.Level() / level));
      problem = "it plays " + std::to_string(decibels) + " dB quieter than the sound written";
    }
  }
  return problem.empty() ? problem : "the output does not verify: " + problem;
}
