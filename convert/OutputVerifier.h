#pragma once

#include <string>

#include "convert/WrittenAudio.h"

// Checks a finished output file against what its conversion wrote, by
// decoding it with FFmpeg's decoders, apart from the writer that made it:
// the file must open as audio, hold the rate and channels it should, decode
// to the written length within one codec frame (besides the delay and
// padding the codec documents: an MP3 encoder's delay and last frame unless
// an Info frame tells the decoder to drop them, AAC's priming samples
// unless the container trims them, whole AMR frames, the WMA encoder's
// delay), and must not be silent or far quieter than what was written when
// that was not. Only decodes: nothing is resampled or kept.
class OutputVerifier {
 public:
  // An output this much quieter than what was written fails (20 dB).
  static constexpr double kQuieterFactor = 0.1;
  // What was written at a level below this (-60 dBFS) counts as silence,
  // which any output level matches.
  static constexpr double kSilentLevel = 0.001;

  // "" when the file at `path` verifies against `written`; otherwise the
  // reason, in words for the user ("the output does not verify: it decodes
  // to 0:12.0 of 0:30.0").
  static std::string Check(const std::string& path, const WrittenAudio& written);
};
