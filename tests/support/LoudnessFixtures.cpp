#include "support/LoudnessFixtures.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/AudioFixtures.h"
#include "support/RunProcess.h"

Loudness FfmpegLoudness(const std::string& path) {
  const ProcessResult run = RunProcess(
      "ffmpeg", {"-nostats", "-hide_banner", "-i", path, "-af",
                 "ebur128=peak=true:metadata=1,ametadata=print:file=-", "-f", "null", "-"});
  EXPECT_TRUE(Succeeded(run));
  Loudness found;
  std::istringstream lines(run.out);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("lavfi.r128.I=", 0) == 0) found.integrated = std::stod(line.substr(13));
    if (line.rfind("lavfi.r128.true_peak=", 0) == 0)
      found.truePeak = std::stod(line.substr(21));
  }
  return found;
}

std::string MusicLike(const std::string& path, double volume) {
  return MadePath(RunFfmpeg({"-f", "lavfi", "-i", "anoisesrc=color=pink:a=0.3:d=8:r=44100:s=7",
                             "-f", "lavfi", "-i", "sine=f=220:r=44100:d=8", "-filter_complex",
                             "[0]lowpass=f=8000[n];[n][1]amix=inputs=2:normalize=0,tremolo=f=1.5:d=0.5,volume=" +
                                 std::to_string(volume) + ",aformat=channel_layouts=stereo",
                             "-c:a", "pcm_s16le", path}),
                  path);
}
