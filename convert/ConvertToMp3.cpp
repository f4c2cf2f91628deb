// The MP3 routine: 16-bit blocks at the source's rate and channel count go
// to the encoder, which resamples and mixes itself; the tag is the preset's,
// the source's (its ID3 blocks unchanged for an MPEG audio source) or none.

#include <memory>

#include "codecs/writers/Id3TagBuilder.h"
#include "codecs/writers/Mp3Writer.h"
#include "convert/Amplify.h"
#include "convert/ConversionLoop.h"
#include "convert/ConvertRoutines.h"
#include "convert/FileProgress.h"
#include "convert/Mp3Output.h"
#include "source/OpenSource.h"
#include "source/SourceFile.h"
#include "source/SourceKind.h"
#include "source/TagReading.h"

namespace {

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

}  // namespace

bool ConvertToMp3(int32_t kind, const std::string& sourcePath, const std::string& outputPath,
                  const ConversionContext& context) {
  const ConvertSettings& settings = context.settings;
  std::unique_ptr<AudioSource> source = OpenSource(
      sourcePath, kind, RenderRate(settings.autoDestMP3EncodingParam, settings.mp3SampleRate), true);
  if (!source) return false;

  const Mp3Choice chosen = ChooseMp3Settings(settings, kind, source->Info());
  const OutputTag tag = ChooseOutputTag(settings.mp3ID3TagType, true, kind, sourcePath, *source,
                                        settings.mp3Tag, context.sequence);
  Mp3Writer writer(chosen.encoder, TagImages(tag, settings.mp3WriteID3Version));
  if (!writer.Open(outputPath, chosen.input)) return false;

  BlockPlan plan;
  plan.sourceRate = source->GetSampleRate();
  plan.sourceChannels = source->GetOutputChannels();
  plan.sourceBits = source->GetBitsPerSample();
  plan.targetRate = chosen.input.rate;
  plan.targetChannels = chosen.input.channels;
  plan.targetBits = chosen.input.bits;
  // The encoder takes 16-bit samples only; a stereo source for one channel
  // passes its left or right channel on.
  PlanChannels(plan, settings.monoType);
  if (settings.amplifyMp3 != 0 && settings.amplifyMp3Coeff != 100)
    plan.gain = AmplifyFactor(settings.amplifyMp3Coeff);
  plan.sequenced = IsSequencedKind(kind);

  FileProgress fileProgress(context.progress, FileCellText(sourcePath), source->GetLength());
  bool ok = RunBlockLoop(*source, plan,
                         [&](const void* left, const void* right, int count) {
                           return writer.WriteBlock16(static_cast<const int16_t*>(left),
                                                      static_cast<const int16_t*>(right), count);
                         },
                         fileProgress, context.progress) == LoopEnd::FINISHED;
  source->Close();
  source.reset();
  ok = writer.Close() && ok;
  if (!ok) RemoveFailedOutput(outputPath, sourcePath);
  return ok;
}
