// The FLAC output: the source's PCM losslessly, at its own depth (8 or 16
// bits), at the source's rate and channels in automatic mode or at the
// chosen ones; the tag is the preset's, the source's or none, as Vorbis
// comments.

#include <algorithm>
#include <utility>

#include "codecs/writers/FlacWriter.h"
#include "convert/OutputDescription.h"

namespace {

uint32_t FlacRenderRate(const ConvertSettings& settings) {
  return RenderRate(settings.autoDestFLACEncodingParam, settings.flacSampleRate);
}

WriterFormat FlacFormat(const ConvertSettings& settings, int32_t /*kind*/,
                        const SourceInfo& source) {
  // The depth the source delivers is kept; anything else becomes 16 bits.
  const uint32_t bits = source.bitsPerSample == 8 ? 8 : 16;
  WriterFormat format{source.sampleRate, std::clamp<uint32_t>(source.outputChannels, 1, 2), bits};
  if (settings.autoDestFLACEncodingParam == 0) {
    if (settings.flacSampleRate != 0) format.rate = settings.flacSampleRate;
    if (settings.flacChannels != 0) format.channels = settings.flacChannels == 1 ? 1 : 2;
  }
  return format;
}

std::unique_ptr<AudioWriter> MakeFlacWriter(const WriterRequest& request) {
  FlacSettings flac;
  flac.compressionLevel = static_cast<int>(std::min<uint32_t>(request.settings.flacCompressionLevel, 8));
  if (request.tag.type == OutputTag::Type::FIELDS) flac.comments = request.tag.fields;
  flac.expectedFrames = request.source.durationMs * request.format.rate / 1000;
  return std::make_unique<FlacWriter>(std::move(flac));
}

OutputDescription DescribeFlac() {
  OutputDescription output;
  output.renderRate = FlacRenderRate;
  output.targetFormat = FlacFormat;
  output.amplify = &ConvertSettings::amplifyFLAC;
  output.amplifyCoeff = &ConvertSettings::amplifyFLACCoeff;
  output.tagOption = &ConvertSettings::flacTagType;
  output.tagPreset = &ConvertSettings::flacTag;
  output.makeWriter = MakeFlacWriter;
  return output;
}

}  // namespace

const OutputDescription& FlacOutput() {
  static const OutputDescription output = DescribeFlac();
  return output;
}
