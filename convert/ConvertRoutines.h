#pragma once

#include <cstdint>
#include <string>

#include "app/ConvertSettings.h"

class ConversionProgress;
struct OutputDescription;

// What a per-file routine works with besides its source and output paths.
struct ConversionContext {
  const ConvertSettings& settings;
  ConversionProgress& progress;
  int sequence;  // 1-based position of the entry in the batch (a preset's track number)
  // A routine that fails for a reason the user can act on puts the entry's
  // status text here; otherwise the entry shows "Conversion Failure".
  mutable std::string status = std::string();
  // Why a routine failed, in plain words, when the status does not say it
  // ("the source cannot be opened"); front ends that print reasons use it.
  mutable std::string reason = std::string();
  // What the user should know of an entry that converted (an instrument
  // the SoundFont lacks, played with another); front ends that print notes
  // show it with the entry.
  mutable std::string note = std::string();
};

// The status of a WAV output that the source's length shows would pass what
// the format's 32-bit size fields can describe.
inline constexpr const char* STATUS_WAV_TOO_LARGE =
    "Output would pass the 4 GiB limit of WAV files";

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

// The rate at which a routine renders MIDI and module sources: 44100 in
// automatic mode or without a rate, else the chosen rate.
uint32_t RenderRate(uint32_t automatic, uint32_t sampleRate);

// Removes a failed output, unless it is the source itself.
void RemoveFailedOutput(const std::string& outputPath, const std::string& sourcePath);
