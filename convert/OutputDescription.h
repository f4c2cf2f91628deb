#pragma once

#include <QtGlobal>

#include <cstdint>
#include <memory>

#include "app/ConvertSettings.h"
#include "codecs/writers/AudioWriter.h"
#include "source/AudioSource.h"
#include "source/TagReading.h"

// What a format's writer is built from: the options, the opened source, the
// tag chosen for the output and the PCM the writer will be opened with.
struct WriterRequest {
  const ConvertSettings& settings;
  int32_t kind;
  const SourceInfo& source;
  const OutputTag& tag;
  const WriterFormat& format;
};

// One output format as the per-file routine (ConvertFile) sees it: how the
// source is opened and turned into the PCM the writer takes, which options
// amplify it and tag the output, and how the writer is built. Everything
// else (the block loop, progress, Cancel, clean-up) is the same for every
// format.
struct OutputDescription {
  // The rate at which MIDI and module sources are rendered.
  uint32_t (*renderRate)(const ConvertSettings& settings) = nullptr;

  // The PCM the writer takes, from the options and the opened source. A
  // target with fewer channels than the source passes the left or right
  // source channel on under MonoType 1 or 2 and their average otherwise;
  // a target that differs from the source in anything else goes through the
  // SampleConverter.
  WriterFormat (*targetFormat)(const ConvertSettings& settings, int32_t kind,
                               const SourceInfo& source) = nullptr;

  // The amplification option and its coefficient in percent: the blocks are
  // amplified when the option is set and the coefficient is not 100.
  uint32_t ConvertSettings::*amplify = nullptr;
  uint32_t ConvertSettings::*amplifyCoeff = nullptr;

  // The tag option and the format's preset (ChooseOutputTag); a format
  // without a tag option writes no tag. `copiesId3Blocks`: transferring the
  // tag of an MPEG audio source copies its ID3 blocks unchanged.
  uint32_t ConvertSettings::*tagOption = nullptr;
  TagPreset ConvertSettings::*tagPreset = nullptr;
  bool copiesId3Blocks = false;
  // Optional: false when the options leave the output's tag no room for
  // the source's pictures (null: a transferred tag carries them whenever
  // the format holds pictures).
  bool (*holdsPictures)(const ConvertSettings& settings) = nullptr;

  // A block that the writer refuses fails the file; otherwise the file goes
  // on without it.
  bool writeFailureEnds = true;

  // Optional: refuses the entry before the writer opens, with the status
  // text it answers (null: go on).
  const char* (*refuse)(const SourceInfo& source, const WriterFormat& format) = nullptr;

  // Builds the writer, configured for the output but not open; null when
  // the format cannot be written for this source.
  std::unique_ptr<AudioWriter> (*makeWriter)(const WriterRequest& request) = nullptr;

  // The ReplayGain values are measured on the finished file as it decodes
  // rather than on the PCM the writer took: an encoder whose output plays
  // at another level than its input (LAME at 128 kbit/s decodes about
  // 0.45 dB quieter) would otherwise be tagged with what no player hears.
  bool measuresDecoded = false;

  // Optional: the rate and channels the stored file holds, for a writer
  // that converts the PCM it takes to another format itself (null: those
  // of `targetFormat`). Checking a finished output relies on it.
  WriterFormat (*storedFormat)(const ConvertSettings& settings, const SourceInfo& source) = nullptr;
};

// The rate at which a format renders MIDI and module sources: 44100 in
// automatic mode or without a rate, else the chosen rate.
inline uint32_t RenderRate(uint32_t automatic, uint32_t sampleRate) {
  return (automatic != 0 || sampleRate == 0 || sampleRate > 0x7FFFFFFF) ? 44100 : sampleRate;
}

// The status of a WAV output that the source's length shows would pass what
// the format's 32-bit size fields can describe.
inline constexpr const char* STATUS_WAV_TOO_LARGE =
    QT_TRANSLATE_NOOP("Sondrel", "Output would pass the 4 GiB limit of WAV files");

// The descriptions of the formats the program writes.
const OutputDescription& Mp3Output();
const OutputDescription& OggOutput();
const OutputDescription& WavOutput();
const OutputDescription& AacOutput();
const OutputDescription& M4aOutput();  // also MP4 and M4B, by the output's extension
const OutputDescription& AmrOutput();
const OutputDescription& AwbOutput();
const OutputDescription& WmaOutput();
const OutputDescription& FlacOutput();
const OutputDescription& OpusOutput();
