// The Opus output: 16-bit blocks at the source's own rate (the encoder
// resamples to 48 kHz itself) and the chosen or the source's channels; the
// tag is the preset's, the source's or none, as OpusTags comments.

#include <algorithm>
#include <utility>

#include "codecs/writers/OpusWriter.h"
#include "convert/OutputDescription.h"

namespace {

// MIDI and module sources are rendered at the rate Opus works at, so
// nothing is resampled.
uint32_t OpusRenderRate(const ConvertSettings& /*settings*/) {
  return 48000;
}

WriterFormat OpusFormat(const ConvertSettings& settings, int32_t /*kind*/,
                        const SourceInfo& source) {
  uint32_t channels = std::clamp<uint32_t>(source.outputChannels, 1, 2);
  if (settings.autoDestOpusEncodingParam == 0 && settings.opusChannels != 0)
    channels = settings.opusChannels == 1 ? 1 : 2;
  return WriterFormat{source.sampleRate, channels, 16};
}

std::unique_ptr<AudioWriter> MakeOpusWriter(const WriterRequest& request) {
  const ConvertSettings& settings = request.settings;
  OpusSettings opus;
  // Automatic: 64 kbit/s per channel, 128 for stereo.
  const uint32_t kbps = settings.autoDestOpusEncodingParam != 0 ? 64 * request.format.channels
                                                                 : settings.opusBitRate;
  opus.bitsPerSecond = static_cast<int>(std::clamp<uint32_t>(kbps, 6, 510)) * 1000;
  opus.mode = settings.opusBitRateMode == 2   ? OpusRateMode::CBR
              : settings.opusBitRateMode == 1 ? OpusRateMode::CONSTRAINED_VBR
                                              : OpusRateMode::VBR;
  opus.complexity = static_cast<int>(std::min<uint32_t>(settings.opusComplexity, 10));
  if (request.tag.type == OutputTag::Type::FIELDS) opus.comments = request.tag.fields;
  return std::make_unique<OpusWriter>(std::move(opus));
}

OutputDescription DescribeOpus() {
  OutputDescription output;
  output.renderRate = OpusRenderRate;
  output.targetFormat = OpusFormat;
  output.amplify = &ConvertSettings::amplifyOpus;
  output.amplifyCoeff = &ConvertSettings::amplifyOpusCoeff;
  output.tagOption = &ConvertSettings::opusTagType;
  output.tagPreset = &ConvertSettings::opusTag;
  output.makeWriter = MakeOpusWriter;
  return output;
}

}  // namespace

const OutputDescription& OpusOutput() {
  static const OutputDescription output = DescribeOpus();
  return output;
}
