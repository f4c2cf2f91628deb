// The WAV routine: the source's PCM as it is in automatic mode, or at the
// chosen rate, depth and channel count.

#include <memory>

#include "codecs/writers/WavWriter.h"
#include "convert/Amplify.h"
#include "convert/ConversionLoop.h"
#include "convert/ConvertRoutines.h"
#include "convert/FileProgress.h"
#include "source/OpenSource.h"
#include "source/SourceKind.h"
#include "source/SourceFile.h"

bool ConvertToWav(int32_t kind, const std::string& sourcePath, const std::string& outputPath,
                  const ConversionContext& context) {
  const ConvertSettings& settings = context.settings;
  std::unique_ptr<AudioSource> source = OpenSource(
      sourcePath, kind, RenderRate(settings.autoDestWAVEncodingParam, settings.wavSampleRate), true);
  if (!source) return false;

  BlockPlan plan;
  plan.sourceRate = source->GetSampleRate();
  plan.sourceChannels = source->GetOutputChannels();
  plan.sourceBits = source->GetBitsPerSample();
  plan.targetRate = plan.sourceRate;
  plan.targetChannels = plan.sourceChannels;
  plan.targetBits = plan.sourceBits;
  if (settings.autoDestWAVEncodingParam == 0) {
    if (settings.wavSampleRate != 0) plan.targetRate = settings.wavSampleRate;
    if (settings.wavBitsPerSample != 0) plan.targetBits = settings.wavBitsPerSample;
    if (settings.wavChannelNum != 0) plan.targetChannels = settings.wavChannelNum;
    PlanChannels(plan, settings.monoType);
  }
  if (settings.amplifyWav != 0 && settings.amplifyWavCoeff != 100)
    plan.gain = AmplifyFactor(settings.amplifyWavCoeff);
  plan.sequenced = IsSequencedKind(kind);

  // A WAV file cannot describe more than 4 GiB of samples. When the
  // source's announced length already shows that the output would not fit,
  // the entry is refused before hours of work are thrown away.
  // (Whole seconds, so only an output that surely passes is refused.)
  const uint64_t bytesPerSecond =
      uint64_t{plan.targetRate} * (plan.targetChannels == 2 ? 2 : 1) * (plan.targetBits / 8);
  if (bytesPerSecond > 0 && source->GetDuration() > WavWriter::kMaxDataBytes / bytesPerSecond) {
    context.status = STATUS_WAV_TOO_LARGE;
    return false;
  }

  WavWriter writer;
  if (!writer.Open(outputPath, WriterFormat{plan.targetRate, plan.targetChannels, plan.targetBits}))
    return false;

  FileProgress fileProgress(context.progress, FileCellText(sourcePath), source->GetLength());
  const LoopEnd end = RunBlockLoop(
      *source, plan,
      [&](const void* left, const void* right, int count) {
        return plan.targetBits == 8
                   ? writer.WriteBlock8(static_cast<const uint8_t*>(left), static_cast<const uint8_t*>(right), count)
                   : writer.WriteBlock16(static_cast<const int16_t*>(left), static_cast<const int16_t*>(right), count);
      },
      fileProgress, context.progress);

  source->Close();
  source.reset();
  const bool closed = writer.Close();
  const bool ok = end == LoopEnd::FINISHED && closed;
  if (!ok) RemoveFailedOutput(outputPath, sourcePath);
  return ok;
}
