#pragma once

#include <cstdint>
#include <string>

#include "convert/ConversionContext.h"

struct LevelPass;
struct OutputDescription;

// The per-file routine of one output format: the shared routine
// (ConvertFile) with the format's description. Called with a source
// (`sourcePath`, of kind `kind`) and `outputPath`, the temporary file that
// placement created beside the chosen target (its name ends with the
// target's extension), it converts one file and answers true on success. On
// any failure, Cancel included, nothing is left at `outputPath` unless it is
// the source itself. An empty routine (false) converts nothing.
class ConvertRoutine {
 public:
  ConvertRoutine() = default;
  explicit ConvertRoutine(const OutputDescription& output) : output_(&output) {}

  explicit operator bool() const { return output_ != nullptr; }
  bool operator()(int32_t kind, const std::string& sourcePath, const std::string& outputPath,
                  const ConversionContext& context) const;
  // The first pass of a normalised album entry (MeasureLevels).
  LevelPass MeasureLevels(int32_t kind, const std::string& sourcePath,
                          const ConvertSettings& settings, ConversionProgress& progress) const;

 private:
  const OutputDescription* output_ = nullptr;
};

// The routine of an output format; empty for a format whose writer the
// program does not have, and for an unknown code.
ConvertRoutine RoutineFor(uint32_t outputFormat);

// The routines of the MP3 and WAV formats.
bool ConvertToMp3(int32_t kind, const std::string& sourcePath, const std::string& outputPath,
                  const ConversionContext& context);
bool ConvertToWav(int32_t kind, const std::string& sourcePath, const std::string& outputPath,
                  const ConversionContext& context);

// The routines of the AAC format and of the M4A, MP4 and M4B formats.
bool ConvertToAac(int32_t kind, const std::string& sourcePath, const std::string& outputPath,
                  const ConversionContext& context);
bool ConvertToM4a(int32_t kind, const std::string& sourcePath, const std::string& outputPath,
                  const ConversionContext& context);
