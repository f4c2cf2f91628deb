#pragma once

#include <cstdint>

#include "app/ConvertSettings.h"
#include "app/OutputFormat.h"
#include "codecs/writers/AudioWriter.h"
#include "codecs/writers/Mp3EncoderSettings.h"
#include "source/AudioSource.h"

// What the MP3 output sets up for one source under the MP3 options,
// automatic or custom: the PCM the encoder receives (16-bit at the source's
// rate; one channel when a single channel of a stereo source is passed on,
// else the source's channels, which the encoder mixes itself for a mono
// mode) and the encoder's own settings: a variable bit rate at the MP3 VBR
// quality when that mode is on (custom mode only), and the Info frame when
// the gapless option is on (in either mode).
struct Mp3Choice {
  WriterFormat input;
  Mp3EncoderSettings encoder;
};

Mp3Choice ChooseMp3Settings(const ConvertSettings& settings, int32_t kind,
                            const SourceInfo& source);

// The standard MP3 bit rate nearest to `kbps`: of the first listed rate
// above it and the one before, the nearer; a tie goes to the lower rate.
// Above 320 gives 320; any positive value below 8 gives 8; 0 or less gives 0.
int RoundMp3BitRate(int kbps);

// `kbps` limited by the output rate: at most 64 at 12000 Hz or less, at most
// 160 above 12000 and up to 24000 Hz, at least 32 above 24000 Hz.
int LimitMp3BitRate(int kbps, int outputRate);
