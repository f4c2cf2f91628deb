#include "convert/ConvertRoutines.h"

#include <unistd.h>

#include "app/OutputFormat.h"
#include "platform/paths/PathIdentity.h"

ConvertRoutine RoutineFor(uint32_t outputFormat) {
  switch (outputFormat) {
    case FORMAT_MP3: return ConvertToMp3;
    case FORMAT_WAV: return ConvertToWav;
    default: return nullptr;
  }
}

uint32_t RenderRate(uint32_t automatic, uint32_t sampleRate) {
  return (automatic != 0 || sampleRate == 0 || sampleRate > 0x7FFFFFFF) ? 44100 : sampleRate;
}

void RemoveFailedOutput(const std::string& outputPath, const std::string& sourcePath) {
  if (!outputPath.empty() && !IsSameFile(outputPath, sourcePath)) unlink(outputPath.c_str());
}
