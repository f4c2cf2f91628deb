// The MP3 routine: 16-bit blocks at the source's rate and channel count go
// to the encoder, which resamples and mixes itself; the tag is the preset's,
// the source's (its ID3 blocks unchanged for an MPEG audio source) or none.

#include <memory>

#include "codecs/readers/ProgramReaders.h"
#include "codecs/writers/Id3TagBuilder.h"
#include "codecs/writers/Mp3EncoderSettings.h"
#include "codecs/writers/Mp3Writer.h"
#include "convert/Amplify.h"
#include "convert/ConversionLoop.h"
#include "convert/ConvertRoutines.h"
#include "convert/FileProgress.h"
#include "source/OpenSource.h"
#include "source/SourceFile.h"
#include "source/SourceKind.h"
#include "source/TagReading.h"

namespace {

// Stores the chosen tag in the writer; a tag that cannot be rendered is
// simply left out.
void SetTag(Mp3Writer& writer, const OutputTag& tag, uint32_t versionOption) {
  if (tag.type == OutputTag::Type::RAW_ID3) {
    if (!tag.id3v1.empty()) writer.SetId3v1(tag.id3v1.data(), tag.id3v1.size());
    if (!tag.id3v2.empty()) writer.SetId3v2(tag.id3v2.data(), tag.id3v2.size());
  } else if (tag.type == OutputTag::Type::FIELDS) {
    const Id3Images images = BuildId3Tags(static_cast<int>(versionOption), tag.fields,
                                          static_cast<int>(tag.trackNumber));
    if (!images.v1.empty()) writer.SetId3v1(images.v1.data(), images.v1.size());
    if (!images.v2.empty()) writer.SetId3v2(images.v2.data(), images.v2.size());
  }
}

}  // namespace

bool ConvertToMp3(int32_t kind, const std::string& sourcePath, const std::string& outputPath,
                  const ConversionContext& context) {
  const ConvertSettings& settings = context.settings;
  std::unique_ptr<AudioSource> source = OpenSource(
      sourcePath, kind, RenderRate(settings.autoDestMP3EncodingParam, settings.mp3SampleRate), true,
      ProgramReaders());
  if (!source) return false;

  Mp3Writer writer;
  if (!writer.Open(outputPath)) return false;

  SetTag(writer,
         ChooseOutputTag(settings.mp3ID3TagType, true, kind, sourcePath, *source, settings.mp3Tag,
                         context.sequence),
         settings.mp3WriteID3Version);
  const Mp3EncoderSettings chosen = ChooseMp3Settings(settings, kind, source->Info());
  ApplyMp3Settings(chosen, writer);

  BlockPlan plan;
  plan.sourceRate = plan.targetRate = source->GetSampleRate();
  plan.sourceChannels = source->GetOutputChannels();
  plan.sourceBits = source->GetBitsPerSample();
  plan.targetBits = 16;
  plan.selectChannel = static_cast<uint32_t>(chosen.selectChannel);
  plan.targetChannels = plan.selectChannel ? 1 : plan.sourceChannels;
  plan.convert = plan.sourceBits != 16;  // the encoder takes 16-bit samples only
  if (settings.amplifyMp3 != 0 && settings.amplifyMp3Coeff != 100)
    plan.gain = AmplifyFactor(settings.amplifyMp3Coeff);
  plan.sequenced = IsSequencedKind(kind);

  bool ok = writer.Start();
  if (ok) {
    FileProgress fileProgress(context.progress, FileCellText(sourcePath), source->GetLength());
    ok = RunBlockLoop(*source, plan,
                      [&](const void* left, const void* right, int count) {
                        return writer.WriteBlock16(static_cast<const int16_t*>(left),
                                                   static_cast<const int16_t*>(right), count);
                      },
                      fileProgress, context.progress) == LoopEnd::FINISHED;
  }
  source->Close();
  source.reset();
  ok = writer.Close() && ok;
  if (!ok) RemoveFailedOutput(outputPath, sourcePath);
  return ok;
}
