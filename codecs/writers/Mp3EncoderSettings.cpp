#include "codecs/writers/Mp3EncoderSettings.h"

#include <algorithm>
#include <climits>
#include <iterator>

#include "codecs/writers/Mp3Writer.h"
#include "source/SourceKind.h"

namespace {

constexpr int kBitRates[] = {8,  16,  24,  32,  40,  48,  56,  64,  80,
                             96, 112, 128, 144, 160, 192, 224, 256, 320};

// Options are stored unsigned; anything beyond int is far out of range anyway.
int AsInt(uint32_t value) {
  return static_cast<int>(std::min<uint32_t>(value, INT_MAX));
}

}  // namespace

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

Mp3EncoderSettings ChooseMp3Settings(const ConvertSettings& settings, int32_t kind,
                                     const SourceInfo& source) {
  Mp3EncoderSettings chosen;
  const int sourceRate = AsInt(source.sampleRate);
  const int sourceChannels = std::clamp(AsInt(source.outputChannels), 1, 2);
  chosen.inputRate = sourceRate;

  if (settings.autoDestMP3EncodingParam != 0) {
    // LAME's defaults serve every rate but the lowest, where it would pick
    // 8000 Hz at a bit rate too low to be listened to.
    chosen.channels = sourceChannels;
    if (sourceRate < 11025) {
      chosen.outputRate = 11025;
      chosen.bitRate = chosen.channels * 24;
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
  const bool selectOne = sourceChannels == 2 && mode == 3 &&
                         (settings.monoType == MONO_LEFT || settings.monoType == MONO_RIGHT);
  chosen.selectChannel = selectOne ? static_cast<int>(settings.monoType) : 0;
  chosen.channels = selectOne ? 1 : sourceChannels;
  chosen.mode = mode;
  chosen.outputRate = settings.mp3SampleRate != 0 ? AsInt(settings.mp3SampleRate) : sourceRate;

  int bitRate = AsInt(settings.mp3BitRate);
  if (bitRate == 0) {
    if (kind == KIND_MPEG_AUDIO || kind == KIND_OGG) {
      bitRate = AsInt(source.bitRate);
    } else if (sourceRate == 8000) {
      bitRate = chosen.channels * 16;
    }
  }
  if (bitRate > 0) chosen.bitRate = LimitMp3BitRate(RoundMp3BitRate(bitRate), chosen.outputRate);
  return chosen;
}

void ApplyMp3Settings(const Mp3EncoderSettings& chosen, Mp3Writer& writer) {
  writer.SetInputRate(chosen.inputRate);
  writer.SetChannels(chosen.channels);
  if (chosen.mode >= 0) writer.SetMode(chosen.mode);
  if (chosen.outputRate > 0) writer.SetOutputRate(chosen.outputRate);
  if (chosen.bitRate > 0) writer.SetBitRate(chosen.bitRate);
}
