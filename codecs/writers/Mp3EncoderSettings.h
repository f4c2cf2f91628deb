#pragma once

#include <cstdint>

#include "app/ConvertSettings.h"
#include "source/AudioSource.h"

class Mp3Writer;

// What the MP3 conversion sets on the encoder for one source, chosen from
// the MP3 options and the opened source. A field that is "not set" leaves
// LAME's own default (or its own choice from the other settings) in place.
struct Mp3EncoderSettings {
  int inputRate = 0;   // always set: the source's rate
  int channels = 1;    // always set: what the encoder is told it receives
  int mode = -1;       // -1: not set; else 0 stereo, 1 joint stereo, 3 mono
  int outputRate = 0;  // 0: not set
  int bitRate = 0;     // kbit/s; 0: not set
  // The one channel of a stereo source that is passed on when the encoder
  // takes a single channel: 0 none (blocks pass as the source delivers
  // them), 1 the left array, 2 the right array.
  int selectChannel = 0;

  bool operator==(const Mp3EncoderSettings& o) const {
    return inputRate == o.inputRate && channels == o.channels && mode == o.mode &&
           outputRate == o.outputRate && bitRate == o.bitRate && selectChannel == o.selectChannel;
  }
};

// The standard MP3 bit rate nearest to `kbps`: of the first listed rate
// above it and the one before, the nearer; a tie goes to the lower rate.
// Above 320 gives 320; any positive value below 8 gives 8; 0 or less gives 0.
int RoundMp3BitRate(int kbps);

// `kbps` limited by the output rate: at most 64 at 12000 Hz or less, at most
// 160 above 12000 and up to 24000 Hz, at least 32 above 24000 Hz.
int LimitMp3BitRate(int kbps, int outputRate);

// The encoder settings for `source` (of kind `kind`) under the MP3 options
// of `settings`, automatic or custom.
Mp3EncoderSettings ChooseMp3Settings(const ConvertSettings& settings, int32_t kind,
                                     const SourceInfo& source);

// Hands `chosen` to an open writer, before Start; fields not set are not
// passed on.
void ApplyMp3Settings(const Mp3EncoderSettings& chosen, Mp3Writer& writer);
