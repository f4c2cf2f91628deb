#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "convert/ConversionContext.h"

struct LoudnessValues;
struct LevelPass;
class AudioWriter;
struct OutputDescription;
struct ReplayGainValues;

// The per-file routine of every output format: opens the source at the
// format's render rate, plans how its blocks become the PCM the writer
// takes, lets the format refuse the entry, chooses the tag, builds and opens
// the writer, runs the block loop, closes the source and then the writer.
// True on success. A source whose size, modification time or (for a file
// modified just before) content changed while it was read fails the file,
// since its output may mix two files or be cut short; so does one whose
// reader stopped at damage it could not read past. Samples that the
// amplification clipped are counted in the context's note. With Normalize
// on, the entry takes two passes (measure, then encode with one gain: see
// Normalization.h) and its note says the gain applied. With ReplayGain
// on and an output that holds tags, what is written is measured and the
// track's values are written into the finished file before it takes its
// name (the measurement goes to the context for the album). On any
// failure, Cancel included, the source and the writer are released and
// nothing is left at `outputPath` unless it is the source itself; a
// refusal's text goes to the context's status.
bool ConvertFile(const OutputDescription& output, int32_t kind, const std::string& sourcePath,
                 const std::string& outputPath, const ConversionContext& context);

// The first pass of a normalised conversion for an entry of an album,
// measured before any file of the album is encoded: the source opened and
// planned as ConvertFile does, what it would write measured (and kept, for
// a MIDI song or a module), the source closed again. A pass that did not
// succeed says why; the entry's conversion then fails with it.
LevelPass MeasureLevels(const OutputDescription& output, int32_t kind,
                        const std::string& sourcePath, const ConvertSettings& settings,
                        ConversionProgress& progress);

// The track's ReplayGain values of a measurement: the gain to the
// reference loudness and the true peak; a silent track gets its peak only.
ReplayGainValues TrackReplayGain(const LoudnessValues& values);

// Removes a failed output, unless it is the source itself.
void RemoveFailedOutput(const std::string& outputPath, const std::string& sourcePath);

// Wraps each writer the routine builds before it opens; for tests, which
// give the routine a writer that misbehaves on purpose. Null (the program's
// setting) builds the writers as they are.
using WriterWrap = std::unique_ptr<AudioWriter> (*)(std::unique_ptr<AudioWriter> writer);
void SetWriterWrap(WriterWrap wrap);
