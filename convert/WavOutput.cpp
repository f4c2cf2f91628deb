// The WAV output: the source's PCM as it is in automatic mode, or at the
// chosen rate, depth and channel count.

#include "codecs/writers/WavWriter.h"
#include "convert/OutputDescription.h"

namespace {

uint32_t WavRenderRate(const ConvertSettings& settings) {
  return RenderRate(settings.autoDestWAVEncodingParam, settings.wavSampleRate);
}

// Each option that is not 0 replaces the source's value.
WriterFormat WavFormat(const ConvertSettings& settings, int32_t /*kind*/,
                       const SourceInfo& source) {
  WriterFormat format{source.sampleRate, source.outputChannels, source.bitsPerSample};
  if (settings.autoDestWAVEncodingParam == 0) {
    if (settings.wavSampleRate != 0) format.rate = settings.wavSampleRate;
    if (settings.wavBitsPerSample != 0) format.bits = settings.wavBitsPerSample;
    if (settings.wavChannelNum != 0) format.channels = settings.wavChannelNum;
  }
  return format;
}

// A WAV file cannot describe more than 4 GiB of samples. When the source's
// announced length already shows that the output would not fit, the entry
// is refused before hours of work are thrown away. (Whole seconds, so only
// an output that surely passes is refused.)
const char* RefuseOverSizeLimit(const SourceInfo& source, const WriterFormat& format) {
  const uint64_t bytesPerSecond =
      uint64_t{format.rate} * (format.channels == 2 ? 2 : 1) * (format.bits / 8);
  if (bytesPerSecond > 0 && source.duration > WavWriter::kMaxDataBytes / bytesPerSecond)
    return STATUS_WAV_TOO_LARGE;
  return nullptr;
}

std::unique_ptr<AudioWriter> MakeWavWriter(const WriterRequest& /*request*/) {
  return std::make_unique<WavWriter>();
}

OutputDescription DescribeWav() {
  OutputDescription output;
  output.renderRate = WavRenderRate;
  output.targetFormat = WavFormat;
  output.amplify = &ConvertSettings::amplifyWav;
  output.amplifyCoeff = &ConvertSettings::amplifyWavCoeff;
  output.refuse = RefuseOverSizeLimit;
  output.makeWriter = MakeWavWriter;
  return output;
}

}  // namespace

const OutputDescription& WavOutput() {
  static const OutputDescription output = DescribeWav();
  return output;
}
