#include "platform/engine/EngineStream.h"

namespace engine {

FormatGate FormatGate::Core() {
  FormatGate gate;
  for (const char* demuxer : {"mp3", "ogg", "wav", "aiff"}) gate.AllowDemuxer(demuxer);
  for (const char* codec : {"mp1", "mp2", "mp3", "vorbis", "pcm_*"}) gate.AllowCodec(codec);
  return gate;
}

bool FormatGate::Matches(const std::set<std::string>& names, const std::string& name) {
  if (name.empty()) return false;
  for (const std::string& allowed : names) {
    if (!allowed.empty() && allowed.back() == '*') {
      const std::string::size_type prefix = allowed.size() - 1;
      if (name.compare(0, prefix, allowed, 0, prefix) == 0) return true;
    } else if (allowed == name) {
      return true;
    }
  }
  return false;
}

}  // namespace engine
