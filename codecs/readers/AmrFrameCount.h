#pragma once

#include <cstdint>
#include <string>

// AMR and AMR-WB frames last 20 ms each, whatever their mode.
constexpr int kAmrFramesPerSecond = 50;

// The whole frames of a single-channel AMR or AMR-WB file in the storage
// format: the magic "#!AMR\n" or "#!AMR-WB\n", then frames that each begin
// with a header byte whose frame type gives the frame's size. A frame cut
// short by the end of the file is not counted. -1 when the file does not
// begin with either magic or cannot be read.
int64_t CountAmrStorageFrames(const std::string& path);
