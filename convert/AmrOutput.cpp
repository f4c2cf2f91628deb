// The AMR and AWB outputs: mono 16-bit PCM at the band's rate (8000 Hz
// narrow band, 16000 Hz wide band) to an AMR file; no tag.

#include <climits>

#include "app/OutputFormat.h"
#include "codecs/writers/AmrWriter.h"
#include "convert/OutputDescription.h"

namespace {

// A mode option beyond what an int holds stays out of range, so the
// encoder refuses it instead of taking a wrapped value.
int32_t ModeIndex(uint32_t option) {
  return option > INT32_MAX ? INT32_MAX : static_cast<int32_t>(option);
}

// .amr output is narrow band unless AMRType asks for wide band, with the
// AMR options; .awb output is always wide band, with the AWB options.
template <uint32_t kFormat>
AmrSettings ChooseAmrSettings(const ConvertSettings& settings) {
  AmrSettings chosen;
  if (kFormat == FORMAT_AWB) {
    chosen.narrowBand = false;
    chosen.mode = ModeIndex(settings.awbMode);
    chosen.dtx = settings.awbDTX != 0;
  } else {
    chosen.narrowBand = settings.amrType == 0;
    chosen.mode = ModeIndex(chosen.narrowBand ? settings.amrMode : settings.amrWBMode);
    chosen.dtx = settings.amrDTX != 0;
  }
  return chosen;
}

template <uint32_t kFormat>
uint32_t AmrRate(const ConvertSettings& settings) {
  return ChooseAmrSettings<kFormat>(settings).narrowBand ? 8000 : 16000;
}

// Always one 16-bit channel at the band's rate: a stereo source goes on as
// its left or right channel under MonoType 1 or 2, as the average of both
// otherwise.
template <uint32_t kFormat>
WriterFormat AmrFormat(const ConvertSettings& settings, int32_t /*kind*/,
                       const SourceInfo& /*source*/) {
  return WriterFormat{AmrRate<kFormat>(settings), 1, 16};
}

template <uint32_t kFormat>
std::unique_ptr<AudioWriter> MakeAmrWriter(const WriterRequest& request) {
  return std::make_unique<AmrWriter>(ChooseAmrSettings<kFormat>(request.settings));
}

template <uint32_t kFormat>
OutputDescription DescribeAmr() {
  OutputDescription output;
  output.renderRate = AmrRate<kFormat>;
  output.targetFormat = AmrFormat<kFormat>;
  output.amplify = &ConvertSettings::amplifyAMR;
  output.amplifyCoeff = &ConvertSettings::amplifyAMRCoef;
  // A block the encoder could not store does not stop the file; the
  // writer still fails it when it closes.
  output.writeFailureEnds = false;
  output.makeWriter = MakeAmrWriter<kFormat>;
  return output;
}

}  // namespace

const OutputDescription& AmrOutput() {
  static const OutputDescription output = DescribeAmr<FORMAT_AMR>();
  return output;
}

const OutputDescription& AwbOutput() {
  static const OutputDescription output = DescribeAmr<FORMAT_AWB>();
  return output;
}
