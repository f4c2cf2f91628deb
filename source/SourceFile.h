#pragma once

#include <cstdint>
#include <string>

// One entry of the file list: what probing the source reported, its kind,
// and the output file the last conversion wrote for it. The entry's status
// exists only as the text the front end shows for it.
struct SourceFile {
  std::string path;          // full path of the source file
  uint32_t channels = 0;     // channel count (kinds other than MPEG audio)
  uint32_t channelMode = 0;  // MPEG audio only: 0 stereo, 1 joint stereo, 2 dual, 3 mono, 4 unknown
  uint32_t sampleRate = 0;   // Hz; 0 when not reported
  uint32_t bitRate = 0;      // kbps; 0 when not reported
  uint32_t duration = 0;     // whole seconds; 0 when not reported
  uint64_t durationMs = 0;   // milliseconds; 0 when not reported
  int32_t kind = 0;          // the SourceKind of the path
  std::string destinationPath;  // empty until a conversion wrote an output
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
// MPEG audio: its channel mode ("Stereo", "J-Stereo", "Dual Channel",
// "Mono"); other kinds: the channel count ("Mono", "Stereo", "5.1", "3").
std::string ChannelsCellText(const SourceFile& entry);
