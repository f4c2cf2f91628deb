// The M4A output (also MP4 and M4B, by the output's extension): the
// source's PCM as it is (16- or 8-bit, its rate and channels) to AAC in an
// MPEG-4 file, tagged by the M4A tag option and preset.

#include "codecs/writers/M4aWriter.h"
#include "convert/AacOutput.h"
#include "convert/OutputDescription.h"

namespace {

std::unique_ptr<AudioWriter> MakeM4aWriter(const WriterRequest& request) {
  std::optional<M4aTag> tag;
  if (request.tag.type == OutputTag::Type::FIELDS)
    tag = M4aTag{request.tag.fields, request.tag.trackNumber};
  return std::make_unique<M4aWriter>(ChooseM4aSettings(request.settings, request.format.channels),
                                     std::move(tag));
}

OutputDescription DescribeM4a() {
  OutputDescription output = AacFamilyOutput();
  output.amplify = &ConvertSettings::amplifyM4A;
  output.amplifyCoeff = &ConvertSettings::amplifyM4ACoef;
  output.tagOption = &ConvertSettings::m4aID3TagType;
  output.tagPreset = &ConvertSettings::m4aTag;
  output.makeWriter = MakeM4aWriter;
  // The encoder moves the peaks by more than a tenth of a dB.
  output.measuresDecoded = true;
  return output;
}

}  // namespace

const OutputDescription& M4aOutput() {
  static const OutputDescription output = DescribeM4a();
  return output;
}
