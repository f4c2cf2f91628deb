#include "source/AudioSource.h"

#include <algorithm>
#include <cmath>

SourceInfo AudioSource::Info() {
  SourceInfo info;
  info.duration = GetDuration();
  info.durationMs = GetDurationMs();
  info.channels = GetChannels();
  info.outputChannels = GetOutputChannels();
  info.sampleRate = GetSampleRate();
  info.bitsPerSample = GetBitsPerSample();
  info.mp3ChannelMode = GetMp3ChannelMode();
  info.bitRate = GetBitRate();
  return info;
}

void AudioSource::ResetState() {
  length_ = 0;
  position_ = 0;
  duration_ = 0;
  durationMs_ = 0;
  sampleRate_ = 0;
  channels_ = 0;
  outputChannels_ = 0;
  bitsPerSample_ = 0;
  bytesPerSample_ = 0;
  bitRate_ = 0;
  mp3ChannelMode_ = CHANNEL_MODE_UNKNOWN;
  contentKind_ = 0;
}

void AudioSource::SetDuration(double seconds) {
  // Beyond what the whole seconds can hold, both stop at that limit.
  constexpr double kLongest = 4294967295.0;
  if (!(seconds > 0)) {
    duration_ = 0;
    durationMs_ = 0;
    return;
  }
  seconds = std::min(seconds, kLongest);
  duration_ = static_cast<uint32_t>(seconds);
  durationMs_ = std::max<uint64_t>(1, static_cast<uint64_t>(std::llround(seconds * 1000)));
}
