// The MP3 output: 16-bit blocks at the source's rate and channel count go
// to the encoder, which resamples and mixes itself; the tag is the preset's,
// the source's (its ID3 blocks unchanged for an MPEG audio source) or none.

#include "convert/Mp3Output.h"

#include <algorithm>
#include <climits>
#include <iterator>

#include "codecs/writers/Id3TagBuilder.h"
#include "codecs/writers/Mp3Writer.h"
#include "convert/OutputDescription.h"
#include "source/SourceKind.h"

namespace {

constexpr int kBitRates[] = {8,  16,  24,  32,  40,  48,  56,  64,  80,
                             96, 112, 128, 144, 160, 192, 224, 256, 320};

// Options are stored unsigned; anything beyond int is far out of range anyway.
int AsInt(uint32_t value) {
  return static_cast<int>(std::min<uint32_t>(value, INT_MAX));
}

uint32_t Mp3RenderRate(const ConvertSettings& settings) {
  return RenderRate(settings.autoDestMP3EncodingParam, settings.mp3SampleRate);
}

WriterFormat Mp3Format(const ConvertSettings& settings, int32_t kind, const SourceInfo& source) {
  return ChooseMp3Settings(settings, kind, source).input;
}

// The images of the chosen tag: the source's own ID3 blocks, or the texts
// rendered in the versions that MP3WriteID3Version asks for. A tag that
// cannot be rendered is simply left out.
Id3Images TagImages(const OutputTag& tag, uint32_t versionOption) {
  if (tag.type == OutputTag::Type::RAW_ID3) return Id3Images{tag.id3v1, tag.id3v2};
  if (tag.type == OutputTag::Type::FIELDS)
    return BuildId3Tags(static_cast<int>(versionOption), tag.fields,
                        static_cast<int>(tag.trackNumber));
  return Id3Images();
}

// Pictures go into ID3v2 only: an output with ID3v1 alone holds none.
bool Mp3HoldsPictures(const ConvertSettings& settings) {
  return settings.mp3WriteID3Version == 1 || settings.mp3WriteID3Version == 2;
}

std::unique_ptr<AudioWriter> MakeMp3Writer(const WriterRequest& request) {
  return std::make_unique<Mp3Writer>(
      ChooseMp3Settings(request.settings, request.kind, request.source).encoder,
      TagImages(request.tag, request.settings.mp3WriteID3Version));
}

OutputDescription DescribeMp3() {
  OutputDescription output;
  output.renderRate = Mp3RenderRate;
  output.targetFormat = Mp3Format;
  output.amplify = &ConvertSettings::amplifyMp3;
  output.amplifyCoeff = &ConvertSettings::amplifyMp3Coeff;
  output.tagOption = &ConvertSettings::mp3ID3TagType;
  output.tagPreset = &ConvertSettings::mp3Tag;
  output.copiesId3Blocks = true;
  output.holdsPictures = Mp3HoldsPictures;
  output.makeWriter = MakeMp3Writer;
  output.measuresDecoded = true;
  return output;
}

}  // namespace

const OutputDescription& Mp3Output() {
  static const OutputDescription output = DescribeMp3();
  return output;
}

int RoundMp3BitRate(int kbps) {
  if (kbps <= 0) return 0;
  const int* upper = std::upper_bound(std::begin(kBitRates), std::end(kBitRates), kbps);
  if (upper == std::end(kBitRates)) return 320;
  // Only values below 8 have no lower neighbour.
  if (upper == std::begin(kBitRates)) return kBitRates[0];
  const int lower = *(upper - 1);
  return *upper - kbps < kbps - lower ? *upper : lower;
}

int LimitMp3BitRate(int kbps, int outputRate) {
  if (outputRate <= 12000) return std::min(kbps, 64);
  if (outputRate <= 24000) return std::min(kbps, 160);
  return std::max(kbps, 32);
}

Mp3Choice ChooseMp3Settings(const ConvertSettings& settings, int32_t kind,
                            const SourceInfo& source) {
  Mp3Choice chosen;
  const int sourceRate = AsInt(source.sampleRate);
  const uint32_t sourceChannels = std::clamp<uint32_t>(source.outputChannels, 1, 2);
  chosen.input = WriterFormat{source.sampleRate, sourceChannels, 16};
  // The Info frame is a matter of the file's layout, not of the encoding,
  // so it follows its own option in either mode.
  chosen.encoder.infoFrame = settings.mp3Gapless != 0;

  if (settings.autoDestMP3EncodingParam != 0) {
    // LAME's defaults serve every rate but the lowest, where it would pick
    // 8000 Hz at a bit rate too low to be listened to.
    if (sourceRate < 11025) {
      chosen.encoder.outputRate = 11025;
      chosen.encoder.bitRate = static_cast<int>(sourceChannels) * 24;
    }
    return chosen;
  }

  int mode = AsInt(settings.mp3ChannelMode);
  if (mode == 4) {  // same as the original file
    if (kind == KIND_MPEG_AUDIO) {
      mode = AsInt(source.mp3ChannelMode);
    } else {
      mode = sourceChannels == 2 ? 1 : 3;
    }
  }
  // A mono output of a stereo source takes only the left or right channel
  // under MonoType 1 or 2; under any other value both go to the encoder,
  // whose mono mode averages them.
  const bool selectOne = sourceChannels == 2 && mode == 3 &&
                         (settings.monoType == MONO_LEFT || settings.monoType == MONO_RIGHT);
  if (selectOne) chosen.input.channels = 1;
  const int channels = static_cast<int>(chosen.input.channels);
  chosen.encoder.mode = mode;
  chosen.encoder.outputRate =
      settings.mp3SampleRate != 0 ? AsInt(settings.mp3SampleRate) : sourceRate;

  if (settings.mp3VBR != 0) {
    // The quality level decides the bit rate of each frame.
    chosen.encoder.vbrQuality = std::min(AsInt(settings.mp3VBRQuality), 9);
    return chosen;
  }
  int bitRate = AsInt(settings.mp3BitRate);
  if (bitRate == 0) {
    if (kind == KIND_MPEG_AUDIO || kind == KIND_OGG) {
      bitRate = AsInt(source.bitRate);
    } else if (sourceRate == 8000) {
      bitRate = channels * 16;
    }
  }
  if (bitRate > 0)
    chosen.encoder.bitRate = LimitMp3BitRate(RoundMp3BitRate(bitRate), chosen.encoder.outputRate);
  return chosen;
}
