#include "source/AudioSource.h"

SourceInfo AudioSource::Info() {
  SourceInfo info;
  info.duration = GetDuration();
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
  sampleRate_ = 0;
  channels_ = 0;
  outputChannels_ = 0;
  bitsPerSample_ = 0;
  bytesPerSample_ = 0;
  bitRate_ = 0;
  mp3ChannelMode_ = CHANNEL_MODE_UNKNOWN;
}
