#pragma once

#include <string>

// What ffmpeg's EBU R128 meter (ebur128=peak=true), the independent oracle
// of the loudness tests, measures of a file: its last frame's running values.
struct Loudness {
  double integrated = 0;  // LUFS
  double truePeak = 0;    // linear, to the thousandth
};
Loudness FfmpegLoudness(const std::string& path);

// Writes eight seconds of pink noise below 8 kHz and a tone under a slow
// tremolo, at `volume`, as a 16-bit stereo WAV at `path`; answers the path,
// or "" when ffmpeg could not make it.
std::string MusicLike(const std::string& path, double volume);
