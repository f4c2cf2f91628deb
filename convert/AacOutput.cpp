// The AAC output: the source's PCM as it is (16- or 8-bit, its rate and
// channels) to a bare ADTS stream; no tag.

#include "convert/AacOutput.h"

#include <algorithm>
#include <climits>

#include "codecs/writers/AacWriter.h"
#include "convert/OutputDescription.h"
#include "platform/aac/AacEncoder.h"

namespace {

// The options of one of the two formats, as the same choice reads them.
struct AacOptions {
  uint32_t automatic, vbr, quality, abrKbps, tns, midside, blockType;
};

AacEncoderSettings ChooseSettings(const AacOptions& options, uint32_t channels) {
  AacEncoderSettings chosen;
  if (options.automatic != 0) return chosen;
  if (options.vbr != 0) {
    if (options.quality >= 10 && options.quality <= 500) chosen.quantqual = options.quality;
  } else {
    chosen.bitRate = uint64_t{options.abrKbps} * 1000 / std::max<uint32_t>(channels, 1);
  }
  chosen.useTns = options.tns != 0 ? 1 : 0;
  chosen.allowMidside = options.midside != 0 ? 1 : 0;
  chosen.shortctl = static_cast<int>(std::min<uint32_t>(options.blockType, INT_MAX));
  return chosen;
}

uint32_t AacRenderRate(const ConvertSettings& /*settings*/) {
  return 44100;
}

// The source's PCM as it is, except a rate that AAC streams cannot signal
// (37800 Hz, say): that one is resampled to the nearest standard rate, so
// every source converts rather than failing at the encoder.
WriterFormat SourceFormat(const ConvertSettings& /*settings*/, int32_t /*kind*/,
                          const SourceInfo& source) {
  const auto rate = static_cast<uint32_t>(NearestAacRate(source.sampleRate));
  return WriterFormat{rate, source.outputChannels, source.bitsPerSample};
}

std::unique_ptr<AudioWriter> MakeAacWriter(const WriterRequest& request) {
  return std::make_unique<AacWriter>(ChooseAacSettings(request.settings, request.format.channels));
}

OutputDescription DescribeAac() {
  OutputDescription output = AacFamilyOutput();
  output.amplify = &ConvertSettings::amplifyAAC;
  output.amplifyCoeff = &ConvertSettings::amplifyAACCoef;
  output.makeWriter = MakeAacWriter;
  return output;
}

}  // namespace

OutputDescription AacFamilyOutput() {
  OutputDescription output;
  output.renderRate = AacRenderRate;
  output.targetFormat = SourceFormat;
  output.writeFailureEnds = false;
  return output;
}

const OutputDescription& AacOutput() {
  static const OutputDescription output = DescribeAac();
  return output;
}

AacEncoderSettings ChooseAacSettings(const ConvertSettings& settings, uint32_t channels) {
  AacEncoderSettings chosen = ChooseSettings(
      AacOptions{settings.autoDestAACEncodingParam, settings.aacVBR, settings.aacVBRQuality,
                 settings.aacABRBitRate, settings.aacEnableTNS, settings.aacEnableMidside,
                 settings.aacBlockType},
      channels);
  if (settings.autoDestAACEncodingParam == 0) chosen.mpegVersion = settings.aacMpegVersion;
  return chosen;
}

AacEncoderSettings ChooseM4aSettings(const ConvertSettings& settings, uint32_t channels) {
  return ChooseSettings(
      AacOptions{settings.autoDestM4AEncodingParam, settings.m4aVBR, settings.m4aVBRQuality,
                 settings.m4aABRBitRate, settings.m4aEnableTNS, settings.m4aEnableMidside,
                 settings.m4aBlockType},
      channels);
}
