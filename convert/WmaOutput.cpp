// The WMA output: the source's own PCM (16- or 8-bit, its rate and
// channels, or one selected channel) goes to the WMA writer, which
// converts it to the codec format chosen from the program's format list;
// the tag is the preset's, the source's or none. A block the writer
// refuses fails the file.

#include "convert/WmaOutput.h"

#include "app/NoApplication.h"
#include "app/WebLinks.h"
#include "codecs/writers/WmaWriter.h"
#include "convert/OutputDescription.h"
#include "convert/Prompter.h"
#include "platform/wma/WmaFormatList.h"
#include "platform/wma/WmaRuntime.h"

namespace {

uint32_t WmaRenderRate(const ConvertSettings& settings) {
  return RenderRate(settings.autoDestWMAEncodingParam, settings.wmaSampleRate);
}

// The source's PCM as it is; only one channel when fewer are wanted and
// MonoType picks the left or the right one (an average is the writer's).
WriterFormat WmaInputFormat(const ConvertSettings& settings, int32_t /*kind*/,
                            const SourceInfo& source) {
  const WmaTarget target = ChooseWmaTarget(settings, source);
  const bool select = target.channels < source.outputChannels &&
                      (settings.monoType == MONO_LEFT || settings.monoType == MONO_RIGHT);
  return WriterFormat{source.sampleRate, select ? 1u : source.outputChannels, source.bitsPerSample};
}

std::unique_ptr<AudioWriter> MakeWmaWriter(const WriterRequest& request) {
  if (!LoadWmaRuntime()) return nullptr;
  // Loading the runtime built the list, before any batch thread could ask.
  const WmaFormatList& formats = ProgramWmaFormats();
  const WmaTarget target = ChooseWmaTarget(request.settings, request.source);
  const WmaFormat* format = formats.FindFormat(target.rate, target.bitRate, target.channels);
  if (!format) return nullptr;
  std::optional<WmaTag> tag;
  if (request.tag.type == OutputTag::Type::FIELDS)
    tag = WmaTag{request.tag.fields, request.tag.trackNumber};
  return std::make_unique<WmaWriter>(*format, std::move(tag));
}

// The codec format the writer converts the PCM to.
WriterFormat WmaStoredFormat(const ConvertSettings& settings, const SourceInfo& source) {
  const WmaTarget target = ChooseWmaTarget(settings, source);
  return WriterFormat{target.rate, target.channels, 16};
}

OutputDescription DescribeWma() {
  OutputDescription output;
  output.renderRate = WmaRenderRate;
  output.targetFormat = WmaInputFormat;
  output.amplify = &ConvertSettings::amplifyWMA;
  output.amplifyCoeff = &ConvertSettings::amplifyWMACoeff;
  output.tagOption = &ConvertSettings::wmaID3TagType;
  output.tagPreset = &ConvertSettings::wmaTag;
  output.makeWriter = MakeWmaWriter;
  output.storedFormat = WmaStoredFormat;
  return output;
}

}  // namespace

const OutputDescription& WmaOutput() {
  static const OutputDescription output = DescribeWma();
  return output;
}

bool EnsureWmaRuntime(Prompter& prompter) {
  if (WmaRuntimeLoaded()) return true;
  if (!LoadWmaRuntime()) {
    if (prompter.YesNo(WMA_RUNTIME_MISSING_MESSAGE) && !prompter.OpenUrl(WMA_RUNTIME_DOWNLOAD_URL))
      prompter.Exclamation(NoApplicationForLinkText(WMA_RUNTIME_DOWNLOAD_URL));
    return false;
  }
  return ProgramWmaFormats().Build();
}

WmaTarget ChooseWmaTarget(const ConvertSettings& settings, const SourceInfo& source) {
  if (settings.autoDestWMAEncodingParam == 0)
    return WmaTarget{settings.wmaSampleRate, settings.wmaBitRate, settings.wmaChannels};
  const uint32_t rate = source.sampleRate;
  const uint32_t channels = source.outputChannels;
  const uint32_t perChannel = rate < 22050 ? 16000 : rate < 44100 ? 32000 : 64000;
  return WmaTarget{rate, channels * perChannel, channels};
}
