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
  int32_t kind = 0;          // the SourceKind of the path
  std::string destinationPath;  // empty until a conversion wrote an output
};
