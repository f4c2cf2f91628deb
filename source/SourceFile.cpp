#include "source/SourceFile.h"

#include <cstdio>

#include "source/SourceKind.h"

std::string FileCellText(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DurationCellText(uint32_t seconds) {
  char text[32];
  if (seconds >= 3600)
    std::snprintf(text, sizeof text, "%u:%02u:%02u", seconds / 3600, seconds / 60 % 60, seconds % 60);
  else if (seconds > 0)
    std::snprintf(text, sizeof text, "%02u:%02u", seconds / 60, seconds % 60);
  else
    return std::string();
  return text;
}

std::string DurationCellText(const SourceFile& entry) {
  // A clip shorter than a second has no whole second, but a known length.
  if (entry.duration == 0 && entry.durationMs > 0) return "00:00";
  return DurationCellText(entry.duration);
}

std::string BitRateCellText(uint32_t kbps) {
  return kbps > 0 ? std::to_string(kbps) + " kbps" : std::string();
}

std::string FreqCellText(uint32_t hz) { return hz > 0 ? std::to_string(hz) + " Hz" : std::string(); }

std::string ChannelsCellText(const SourceFile& entry) {
  if (entry.HasChannelMode()) {
    switch (entry.channelMode) {
      case 0: return "Stereo";
      case 1: return "J-Stereo";
      case 2: return "Dual Channel";
      case 3: return "Mono";
      default: return std::string();
    }
  }
  switch (entry.channels) {
    case 0:
    case 1: return "Mono";
    case 2: return "Stereo";
    case 6: return "5.1";
    default: return std::to_string(entry.channels);
  }
}
