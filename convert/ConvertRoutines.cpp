#include "convert/ConvertRoutines.h"

#include "app/OutputFormat.h"
#include "convert/ConvertFile.h"
#include "convert/Normalization.h"
#include "convert/OutputDescription.h"

bool ConvertRoutine::operator()(int32_t kind, const std::string& sourcePath,
                                const std::string& outputPath,
                                const ConversionContext& context) const {
  return output_ && ConvertFile(*output_, kind, sourcePath, outputPath, context);
}

LevelPass ConvertRoutine::MeasureLevels(int32_t kind, const std::string& sourcePath,
                                        const ConvertSettings& settings,
                                        ConversionProgress& progress) const {
  if (!output_) return LevelPass();
  return ::MeasureLevels(*output_, kind, sourcePath, settings, progress);
}

ConvertRoutine RoutineFor(uint32_t outputFormat) {
  switch (outputFormat) {
    case FORMAT_MP3: return ConvertRoutine(Mp3Output());
    case FORMAT_WAV: return ConvertRoutine(WavOutput());
    case FORMAT_OGG: return ConvertRoutine(OggOutput());
    case FORMAT_AAC: return ConvertRoutine(AacOutput());
    case FORMAT_M4A:
    case FORMAT_MP4:
    case FORMAT_M4B: return ConvertRoutine(M4aOutput());
    case FORMAT_AMR: return ConvertRoutine(AmrOutput());
    case FORMAT_AWB: return ConvertRoutine(AwbOutput());
    case FORMAT_WMA: return ConvertRoutine(WmaOutput());
    case FORMAT_FLAC: return ConvertRoutine(FlacOutput());
    case FORMAT_OPUS: return ConvertRoutine(OpusOutput());
    default: return ConvertRoutine();
  }
}

bool ConvertToMp3(int32_t kind, const std::string& sourcePath, const std::string& outputPath,
                  const ConversionContext& context) {
  return ConvertFile(Mp3Output(), kind, sourcePath, outputPath, context);
}

bool ConvertToWav(int32_t kind, const std::string& sourcePath, const std::string& outputPath,
                  const ConversionContext& context) {
  return ConvertFile(WavOutput(), kind, sourcePath, outputPath, context);
}

bool ConvertToAac(int32_t kind, const std::string& sourcePath, const std::string& outputPath,
                  const ConversionContext& context) {
  return ConvertFile(AacOutput(), kind, sourcePath, outputPath, context);
}

bool ConvertToM4a(int32_t kind, const std::string& sourcePath, const std::string& outputPath,
                  const ConversionContext& context) {
  return ConvertFile(M4aOutput(), kind, sourcePath, outputPath, context);
}
