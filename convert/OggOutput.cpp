// The OGG output: 16-bit blocks at the chosen rate and channel count go to
// the Vorbis encoder at a nominal bit rate or a quality level; the tag is the preset's, the
// source's or none. A block the writer refuses does not end the file, but
// the writer's Close reports it, so a full disk still fails the file.

#include "convert/OggOutput.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <utility>

#include "codecs/writers/OggWriter.h"
#include "convert/OutputDescription.h"
#include "source/SourceKind.h"

namespace {

constexpr int kBitRates[] = {8,   16,  24,  32,  40,  48,  56,  64,  80,  96,
                             112, 128, 144, 160, 192, 224, 256, 320, 400, 480};

// The bit-rate limits (kbit/s) at each rate the encoder is given; each lies
// within what libvorbisenc accepts there.
struct RateLimits {
  uint32_t rate;
  int stereoMin, stereoMax, monoMin, monoMax;
};
constexpr RateLimits kLimits[] = {
    {8000, 16, 80, 8, 40},     {11025, 16, 96, 16, 48},   {12000, 16, 96, 16, 48},
    {16000, 24, 160, 16, 80},  {22050, 32, 160, 16, 80},  {24000, 32, 160, 16, 80},
    {32000, 40, 320, 32, 160}, {44100, 48, 480, 32, 224}, {48000, 48, 480, 32, 224},
};

// Options are stored unsigned; anything beyond int is far out of range anyway.
int AsInt(uint32_t value) {
  return static_cast<int>(std::min<uint32_t>(value, INT_MAX));
}

const RateLimits& LimitsOf(uint32_t rate) {
  const uint32_t encoded = OggEncodingRate(rate);
  for (const RateLimits& limits : kLimits)
    if (limits.rate == encoded) return limits;
  return kLimits[std::size(kLimits) - 1];  // not reached: every encoding rate has a row
}

uint32_t OggRenderRate(const ConvertSettings& settings) {
  const uint32_t wanted = settings.oggSampleRate;
  return RenderRate(settings.autoDestOGGEncodingParam, wanted == 0 ? 0 : OggEncodingRate(wanted));
}

WriterFormat OggFormat(const ConvertSettings& settings, int32_t kind, const SourceInfo& source) {
  return ChooseOggSettings(settings, kind, source).input;
}

std::unique_ptr<AudioWriter> MakeOggWriter(const WriterRequest& request) {
  const OggChoice chosen = ChooseOggSettings(request.settings, request.kind, request.source);
  const bool tagged = request.tag.type == OutputTag::Type::FIELDS;
  TagInfo comments = tagged ? request.tag.fields : TagInfo();
  if (chosen.quality)
    return std::make_unique<OggWriter>(OggQuality{*chosen.quality}, std::move(comments));
  return std::make_unique<OggWriter>(chosen.bitRate * 1000, std::move(comments));
}

OutputDescription DescribeOgg() {
  OutputDescription output;
  output.renderRate = OggRenderRate;
  output.targetFormat = OggFormat;
  output.amplify = &ConvertSettings::amplifyOGG;
  output.amplifyCoeff = &ConvertSettings::amplifyOGGCoeff;
  output.tagOption = &ConvertSettings::oggID3TagType;
  output.tagPreset = &ConvertSettings::oggTag;
  output.writeFailureEnds = false;
  output.makeWriter = MakeOggWriter;
  return output;
}

}  // namespace

const OutputDescription& OggOutput() {
  static const OutputDescription output = DescribeOgg();
  return output;
}

uint32_t OggEncodingRate(uint32_t rate) {
  uint32_t nearest = kLimits[0].rate;
  for (const RateLimits& limits : kLimits) {
    const uint32_t distance = limits.rate > rate ? limits.rate - rate : rate - limits.rate;
    const uint32_t best = nearest > rate ? nearest - rate : rate - nearest;
    // Rows ascend, so a tie keeps the lower rate.
    if (distance < best) nearest = limits.rate;
  }
  return nearest;
}

int AutomaticOggBitRate(uint32_t rate, uint32_t channels) {
  const int perChannel = rate < 22050 ? 16 : rate < 44100 ? 32 : 64;
  return AsInt(channels) * perChannel;
}

int RoundOggBitRate(int kbps) {
  const int* upper = std::upper_bound(std::begin(kBitRates), std::end(kBitRates), kbps);
  if (upper == std::end(kBitRates)) return kBitRates[std::size(kBitRates) - 1];
  if (upper == std::begin(kBitRates)) return kBitRates[0];
  const int lower = *(upper - 1);
  // A value halfway between two entries goes to the lower one.
  return *upper - kbps < kbps - lower ? *upper : lower;
}

int ClampOggBitRate(int kbps, uint32_t rate, uint32_t channels) {
  const RateLimits& limits = LimitsOf(rate);
  if (channels == 2) return std::clamp(kbps, limits.stereoMin, limits.stereoMax);
  return std::clamp(kbps, limits.monoMin, limits.monoMax);
}

OggChoice ChooseOggSettings(const ConvertSettings& settings, int32_t kind,
                            const SourceInfo& source) {
  OggChoice chosen;
  const uint32_t sourceChannels = std::clamp<uint32_t>(source.outputChannels, 1, 2);

  if (settings.autoDestOGGEncodingParam != 0) {
    // The source's own rate and channels; at every encoding rate the rule
    // stays within libvorbisenc's limits, so it is neither rounded nor
    // clamped.
    const uint32_t rate = OggEncodingRate(source.sampleRate);
    chosen.input = WriterFormat{rate, sourceChannels, 16};
    chosen.bitRate = AutomaticOggBitRate(rate, sourceChannels);
    return chosen;
  }

  const uint32_t rate =
      OggEncodingRate(settings.oggSampleRate != 0 ? settings.oggSampleRate : source.sampleRate);
  uint32_t channels = sourceChannels;
  if (settings.oggChannels != 0) channels = settings.oggChannels == 1 ? 1 : 2;
  chosen.input = WriterFormat{rate, channels, 16};
  if (settings.oggQualityMode != 0) {
    chosen.quality = std::clamp(OggQualityLevel(settings.oggQuality), -1, 10);
    return chosen;
  }

  int bitRate = AsInt(settings.oggBitRate);
  if (bitRate == 0) {
    // An MPEG audio or Ogg source keeps its own bit rate when it has one.
    const bool keepsItsOwn = kind == KIND_MPEG_AUDIO || kind == KIND_OGG;
    bitRate = keepsItsOwn && source.bitRate != 0 ? AsInt(source.bitRate)
                                                 : AutomaticOggBitRate(rate, channels);
  }
  chosen.bitRate = ClampOggBitRate(RoundOggBitRate(bitRate), rate, channels);
  return chosen;
}
