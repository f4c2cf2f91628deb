#pragma once

#include <cstdint>
#include <optional>

#include "app/ConvertSettings.h"
#include "codecs/writers/AudioWriter.h"
#include "source/AudioSource.h"

// What the OGG output sets up for one source under the OGG options,
// automatic or custom: the PCM the encoder receives (16-bit at the chosen
// rate and channel count) and the nominal bit rate, or the quality level
// when the quality mode is on (custom mode only).
struct OggChoice {
  WriterFormat input;
  int bitRate = 0;             // kbit/s; 0 when the quality decides
  std::optional<int> quality;  // -1..10
};

OggChoice ChooseOggSettings(const ConvertSettings& settings, int32_t kind,
                            const SourceInfo& source);

// The rate the stream is encoded at for a wanted rate: the wanted rate when
// the bit-rate limits have a row for it (8000, 11025, 12000, 16000, 22050,
// 24000, 32000, 44100 and 48000 Hz), else the nearest of those; a tie goes
// to the lower rate. So a 96000 Hz source becomes 48000 Hz rather than
// failing in libvorbisenc, which encodes nothing above 50000 Hz.
uint32_t OggEncodingRate(uint32_t rate);

// The bit rate of automatic mode (kbit/s): channels x 16 below 22050 Hz,
// channels x 32 below 44100 Hz, channels x 64 from there on.
int AutomaticOggBitRate(uint32_t rate, uint32_t channels);

// The entry of 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160,
// 192, 224, 256, 320, 400, 480 nearest to `kbps`; a tie goes to the lower
// entry, 480 or more gives 480 and anything below 8 gives 8.
int RoundOggBitRate(int kbps);

// `kbps` held within the limits of the encoding rate (one of the rates of
// OggEncodingRate) and channel count: a channel count of exactly 2 uses the
// stereo limits, every other count the mono ones.
int ClampOggBitRate(int kbps, uint32_t rate, uint32_t channels);
