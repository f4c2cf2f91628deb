#pragma once

#include <cstdint>
#include <string>

// The kind of a source file, chosen from its extension. Kinds share their
// code space with the OutputFormat codes and are stored as plain integers.
enum SourceKind : int32_t {
  KIND_MPEG_AUDIO = 1000,
  KIND_WAVE = 2000,
  KIND_MODULE = 3000,
  KIND_MIDI = 3050,
  KIND_CD_AUDIO = 3100,
  KIND_FLAC = 3200,
  KIND_WAVPACK = 3300,
  KIND_AC3 = 3400,
  KIND_ADX = 3500,
  KIND_MONKEYS_AUDIO = 3600,
  KIND_MUSEPACK = 3700,
  KIND_SPEEX = 3800,
  KIND_TRUE_AUDIO = 3900,
  KIND_OGG = 4000,
  KIND_AU = 5000,
  KIND_AIFF = 5100,
  KIND_AMR = 5500,
  KIND_AAC = 6000,
  KIND_MPEG4 = 6600,
  KIND_WINDOWS_MEDIA = 7000,
  KIND_OTHER = 9000,
};

// The extension of `path`: the text from the last "." of its file-name part
// (after the last "/") to the end, dot included; "" when the name has no dot.
std::string FileExtension(const std::string& path);

// The kind of `path` by its extension, compared without regard to case;
// KIND_OTHER for any other extension and for a name without one.
SourceKind SourceKindFromPath(const std::string& path);

// The kind of a file's content as FFmpeg names it: its container (demuxer)
// and the codec of its audio stream ("ogg" and "speex" is KIND_SPEEX, "ogg"
// with any other codec KIND_OGG). KIND_OTHER for containers that no kind
// stands for.
SourceKind SourceKindFromFormat(const std::string& container, const std::string& codec);

// The name of a kind for scripts and reports, lower case: "mpeg audio",
// "wave", "module", "midi", … "other"; null for a code outside the table.
const char* SourceKindName(int32_t kind);

// True when the file at `path` starts as a MIDI song: a Standard MIDI File
// ("MThd") or a RIFF "RMID" file. Files whose extension says something else
// (or nothing) and that no reader opens are taken as MIDI when this holds.
bool HasMidiContent(const std::string& path);

// True for the kinds rendered from a score (tracker modules and MIDI): their
// conversion ends when the position reaches the announced length.
inline bool IsSequencedKind(int32_t kind) { return kind == KIND_MODULE || kind == KIND_MIDI; }
