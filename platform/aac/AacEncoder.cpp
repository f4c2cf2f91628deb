#include "platform/aac/AacEncoder.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "platform/ffmpeg/FfmpegOwners.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

// How the configuration record reaches FFmpeg's `aac` encoder:
//
//   mpegVersion    the ID bit of each ADTS header (0 MPEG-4, 1 MPEG-2); the
//                  coded frames are the same for both.
//   aacObjectType  AAC_LOW only, as profile FF_PROFILE_AAC_LOW: the
//                  encoder's other profiles are not coded reliably.
//   allowMidside   1: option aac_ms "auto" (the encoder chooses mid/side
//                  per band); 0: aac_ms off.
//   useTns         option aac_tns (the encoder's own default is on).
//   bitRate        non-zero: average bit rate, bit_rate = bitRate x
//                  channels; 0: variable bit rate at quantqual.
//   quantqual      10..500 (held to that range), used when bitRate is 0:
//                  AV_CODEC_FLAG_QSCALE with global_quality = quantqual /
//                  100 x FF_QP2LAMBDA, so the default 100 is the encoder's
//                  quality 1.0 (about 125 kbit/s for stereo at 44.1 kHz).
//   bandWidth      cutoff in Hz (held to half the rate); 0 lets the encoder
//                  choose.
//   outputFormat   1: each frame gets a 7-byte ADTS header written here (the
//                  encoder writes raw frames only); 0: raw frames.
//   inputFormat    16-bit interleaved integers only; they are handed to the
//                  encoder as planar float.
//   shortctl       kept in the record, whatever its value; the encoder's
//                  psychoacoustic model switches between long and short
//                  blocks by itself and offers no option to restrict it.

namespace {

// The standard AAC rates; the position of a rate is its sampling-frequency
// index in ADTS headers and AudioSpecificConfigs.
constexpr unsigned long kAacRates[] = {96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                       22050, 16000, 12000, 11025, 8000,  7350};

int RateIndex(unsigned long rate) {
  const auto* at = std::find(std::begin(kAacRates), std::end(kAacRates), rate);
  return at == std::end(kAacRates) ? -1 : static_cast<int>(at - std::begin(kAacRates));
}

// The most bytes one frame of the encoder may take: FFmpeg allocates each
// packet with this room.
unsigned long MaxFrameBytes(unsigned int channels) {
  return 8192ul * channels;
}

// The ADTS frame_length field has 13 bits: header and frame together.
constexpr unsigned int kMaxAdtsFrameBytes = 8191;

void WriteAdtsHeader(uint8_t* header, unsigned int mpegVersion, unsigned int objectType,
                     int rateIndex, unsigned int channels, unsigned int frameBytes) {
  header[0] = 0xFF;  // syncword, high 8 bits
  // Syncword low 4 bits, ID (MPEG version), layer 00, no CRC.
  header[1] = static_cast<uint8_t>(0xF0 | (mpegVersion << 3) | 0x01);
  // Profile (object type - 1), sampling-frequency index, private bit,
  // high bit of the channel configuration.
  header[2] = static_cast<uint8_t>(((objectType - 1) << 6) | (rateIndex << 2) | (channels >> 2));
  // Low channel bits, four zero flags, frame length bits 12..11.
  header[3] = static_cast<uint8_t>(((channels & 3) << 6) | (frameBytes >> 11));
  header[4] = static_cast<uint8_t>((frameBytes >> 3) & 0xFF);
  // Frame length bits 2..0, buffer fullness 0x7FF (variable rate), no
  // further raw data blocks.
  header[5] = static_cast<uint8_t>(((frameBytes & 7) << 5) | 0x1F);
  header[6] = 0xFC;
}

}  // namespace

unsigned long NearestAacRate(unsigned long rate) {
  unsigned long nearest = kAacRates[0];
  for (const unsigned long candidate : kAacRates) {
    const unsigned long distance = candidate > rate ? candidate - rate : rate - candidate;
    const unsigned long best = nearest > rate ? nearest - rate : rate - nearest;
    if (distance < best || (distance == best && candidate < nearest)) nearest = candidate;
  }
  return nearest;
}

struct AacEncoder {
  AacEncConfiguration config;
  unsigned long rate = 0;
  unsigned int channels = 0;
  int rateIndex = -1;
  const AVCodec* codec = nullptr;
  CodecContextPtr context;  // null until the configuration is applied
  FramePtr frame;
  PacketPtr packet;
  bool encoding = false;    // a block has been encoded
  bool inputEnded = false;  // a short block or the drain came
  bool draining = false;
  int64_t samplesIn = 0;  // per channel
};

namespace {

bool ValidConfiguration(const AacEncConfiguration& config) {
  return (config.mpegVersion == AAC_MPEG4 || config.mpegVersion == AAC_MPEG2) &&
         config.aacObjectType == AAC_LOW &&
         (config.outputFormat == AAC_OUTPUT_RAW || config.outputFormat == AAC_OUTPUT_ADTS) &&
         config.inputFormat == AAC_INPUT_16BIT;
}

// Opens FFmpeg's encoder with `config`, replacing any it had; false, with
// nothing changed, when FFmpeg refuses it.
bool OpenCodec(AacEncoder& encoder, const AacEncConfiguration& config) {
  CodecContextPtr context(avcodec_alloc_context3(encoder.codec));
  FramePtr frame(av_frame_alloc());
  PacketPtr packet(av_packet_alloc());
  if (!context || !frame || !packet) return false;

  context->sample_fmt = AV_SAMPLE_FMT_FLTP;
  context->sample_rate = static_cast<int>(encoder.rate);
  av_channel_layout_default(&context->ch_layout, static_cast<int>(encoder.channels));
  context->time_base = AVRational{1, context->sample_rate};
  context->profile = FF_PROFILE_AAC_LOW;
  if (config.bitRate > 0) {
    context->bit_rate = static_cast<int64_t>(config.bitRate) * encoder.channels;
  } else {
    const long quality = static_cast<long>(std::clamp(config.quantqual, 10ul, 500ul));
    context->flags |= AV_CODEC_FLAG_QSCALE;
    context->global_quality = static_cast<int>(quality * FF_QP2LAMBDA / 100);
  }
  context->cutoff = static_cast<int>(std::min<unsigned long>(config.bandWidth, encoder.rate / 2));
  if (av_opt_set_int(context->priv_data, "aac_tns", config.useTns ? 1 : 0, 0) < 0 ||
      av_opt_set_int(context->priv_data, "aac_ms", config.allowMidside ? -1 : 0, 0) < 0)
    return false;
  if (avcodec_open2(context.get(), encoder.codec, nullptr) < 0) return false;

  // One frame buffer for the whole stream: the encoder copies each frame
  // before the next one is written.
  frame->format = AV_SAMPLE_FMT_FLTP;
  frame->nb_samples = context->frame_size;
  if (av_channel_layout_copy(&frame->ch_layout, &context->ch_layout) < 0 ||
      av_frame_get_buffer(frame.get(), 0) < 0)
    return false;
  encoder.context = std::move(context);
  encoder.frame = std::move(frame);
  encoder.packet = std::move(packet);
  return true;
}

// Hands `count` interleaved frames to the encoder as planar float.
bool SendSamples(AacEncoder& encoder, const int16_t* input, int count) {
  AVFrame* frame = encoder.frame.get();
  if (av_frame_make_writable(frame) < 0) return false;
  const unsigned int channels = encoder.channels;
  for (unsigned int c = 0; c < channels; ++c) {
    float* out = reinterpret_cast<float*>(frame->extended_data[c]);
    const int16_t* in = input + c;
    for (int i = 0; i < count; ++i) out[i] = static_cast<float>(in[i * channels]) * (1.0f / 32768);
  }
  frame->nb_samples = count;
  frame->pts = encoder.samplesIn;
  encoder.samplesIn += count;
  return avcodec_send_frame(encoder.context.get(), frame) >= 0;
}

// Copies the next packet, if one is ready, into `output`: its byte count,
// 0 when none is ready, -1 on an error.
int TakePacket(AacEncoder& encoder, uint8_t* output, unsigned int bufferSize) {
  AVPacket* packet = encoder.packet.get();
  const int received = avcodec_receive_packet(encoder.context.get(), packet);
  if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return 0;
  if (received < 0) return -1;
  const bool adts = encoder.config.outputFormat == AAC_OUTPUT_ADTS;
  const unsigned int header = adts ? kAdtsHeaderBytes : 0;
  const unsigned int total = header + static_cast<unsigned int>(packet->size);
  int result = -1;
  if (total <= bufferSize && (!adts || total <= kMaxAdtsFrameBytes)) {
    if (adts)
      WriteAdtsHeader(output, encoder.config.mpegVersion, encoder.config.aacObjectType,
                      encoder.rateIndex, encoder.channels, total);
    std::memcpy(output + header, packet->data, static_cast<size_t>(packet->size));
    result = static_cast<int>(total);
  }
  av_packet_unref(packet);
  return result;
}

}  // namespace

AacEncoder* AacEncOpen(unsigned long sampleRate, unsigned int numChannels,
                       unsigned long* inputSamples, unsigned long* maxOutputBytes) {
  const int rateIndex = RateIndex(sampleRate);
  if (rateIndex < 0 || numChannels < 1 || numChannels > 2) return nullptr;
  const AVCodec* codec = avcodec_find_encoder_by_name("aac");
  if (!codec) return nullptr;
  auto* encoder = new AacEncoder;
  encoder->rate = sampleRate;
  encoder->channels = numChannels;
  encoder->rateIndex = rateIndex;
  encoder->codec = codec;
  if (inputSamples) *inputSamples = kAacFrameLength * numChannels;
  if (maxOutputBytes) *maxOutputBytes = MaxFrameBytes(numChannels) + kAdtsHeaderBytes;
  return encoder;
}

AacEncConfiguration* AacEncGetCurrentConfiguration(AacEncoder* encoder) {
  return encoder ? &encoder->config : nullptr;
}

int AacEncSetConfiguration(AacEncoder* encoder, const AacEncConfiguration* config) {
  if (!encoder || !config || encoder->encoding || !ValidConfiguration(*config)) return 0;
  AacEncConfiguration applied = *config;
  applied.quantqual = std::clamp(applied.quantqual, 10ul, 500ul);
  // FFmpeg takes its settings only when the codec opens: a second
  // configuration before any block opens it afresh.
  if (!OpenCodec(*encoder, applied)) return 0;
  encoder->config = applied;
  return 1;
}

int AacEncEncode(AacEncoder* encoder, const int16_t* input, unsigned int samplesInput,
                 uint8_t* output, unsigned int bufferSize) {
  if (!encoder || !output) return -1;
  // Without a configuration applied, the encoder starts with its defaults.
  if (!encoder->context && (encoder->encoding || !OpenCodec(*encoder, encoder->config))) return -1;
  encoder->encoding = true;
  const unsigned int channels = encoder->channels;
  if (samplesInput > 0) {
    if (!input || encoder->inputEnded || samplesInput > kAacFrameLength * channels ||
        samplesInput % channels != 0)
      return -1;
    const int count = static_cast<int>(samplesInput / channels);
    if (!SendSamples(*encoder, input, count)) return -1;
    if (count < static_cast<int>(kAacFrameLength)) encoder->inputEnded = true;
  } else if (!encoder->draining) {
    encoder->inputEnded = true;
    encoder->draining = true;
    if (avcodec_send_frame(encoder->context.get(), nullptr) < 0) return -1;
  }
  return TakePacket(*encoder, output, bufferSize);
}

bool AacEncGetDecoderSpecificInfo(AacEncoder* encoder, std::vector<uint8_t>& info) {
  if (!encoder || !encoder->context || encoder->context->extradata_size <= 0) return false;
  const uint8_t* bytes = encoder->context->extradata;
  info.assign(bytes, bytes + encoder->context->extradata_size);
  return true;
}

void AacEncClose(AacEncoder* encoder) {
  delete encoder;
}
