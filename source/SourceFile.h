#pragma once

#include <cstdint>
#include <string>

#include "source/SourceKind.h"

// One entry of the file list: what probing the source reported, its kind,
// the output file the last conversion wrote for it, and what that
// conversion had to say. The entry's status exists only as the text the
// front end shows for it.
struct SourceFile {
  std::string path;          // full path of the source file
  uint32_t channels = 0;     // channel count (entries without a channel mode)
  uint32_t channelMode = 0;  // MPEG audio only: 0 stereo, 1 joint stereo, 2 dual, 3 mono, 4 unknown
  uint32_t sampleRate = 0;   // Hz; 0 when not reported
  uint32_t bitRate = 0;      // kbps; 0 when not reported
  uint32_t duration = 0;     // whole seconds; 0 when not reported
  uint64_t durationMs = 0;   // milliseconds; 0 when not reported
  int32_t kind = 0;          // the SourceKind of the path
  int32_t contentKind = 0;   // the SourceKind its reader found in the content; 0 when not told
  std::string destinationPath;  // empty until a conversion wrote an output
  // The output a conversion that failed meant to write ("" when it failed
  // before an output was chosen, or converted).
  std::string failedOutput;
  // Kept by the window for the last conversion: why it failed, and the
  // notes on one that converted (the output went to the documents folder,
  // the SoundFont lacked an instrument); "" when there is nothing to say.
  std::string reason;
  std::string note;
  // The folder (absolute, normalised) whose search found the file, when it
  // was added with a folder; "" for a file added by itself. Outputs may
  // repeat the file's sub-folder below it (KeepAddedSubfolders).
  std::string addedFrom;

  // What the file holds: the content's kind where the reader told it, else
  // the kind of the path.
  int32_t KnownKind() const { return contentKind != 0 ? contentKind : kind; }
  // A file named and found to be MPEG audio shows its first frame's channel
  // mode instead of a channel count.
  bool HasChannelMode() const { return kind == KIND_MPEG_AUDIO && KnownKind() == KIND_MPEG_AUDIO; }
};

// The texts of an entry's cells in the file list (and in `sondrel-cli info`).
// File: the file-name part of the path (the whole path without a "/").
std::string FileCellText(const std::string& path);
// Duration: "1:02:05" from an hour on, "00:59" below, "" for 0.
std::string DurationCellText(uint32_t seconds);
// The entry's Duration: as above, and "00:00" for a length shorter than a
// second; "" only when the length is not known.
std::string DurationCellText(const SourceFile& entry);
std::string BitRateCellText(uint32_t kbps);  // "128 kbps", "" for 0
std::string FreqCellText(uint32_t hz);       // "44100 Hz", "" for 0
// An entry with a channel mode: the mode ("Stereo", "J-Stereo", "Dual
// Channel", "Mono"); others: the channel count ("Mono", "Stereo", "5.1", "3").
std::string ChannelsCellText(const SourceFile& entry);
