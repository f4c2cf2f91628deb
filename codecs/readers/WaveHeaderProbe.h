#pragma once

#include <string>

#include "source/AudioSource.h"

// Lists a WAV file of plain PCM or float samples from its headers alone,
// without opening a decoder: the length, rate, channels, bit rate and
// content kind that the engine's stream reports for the same file. It takes
// only files where the headers settle all of these: a RIFF size that spans
// the file, known chunks with even sizes, one format chunk of whole-byte
// PCM (8, 16, 24 or 32 bits) or float (32 or 64 bits) with a consistent
// block size, and a data chunk of whole blocks inside the file. Data that
// the engine might take for compressed audio stored as PCM (an MP3 stream
// in a WAV file, S/PDIF frames) is left to the engine too. Open answers
// false for every other file, which then takes the full probe. Read always
// answers 0: the reader probes, it does not decode.
class WaveHeaderProbe : public AudioSource {
 public:
  void Close() override { ResetState(); }
  bool Open(const std::string& path, uint32_t renderRate) override;
  int Read(PcmBlock& block) override { return block.frames = 0; }
};
