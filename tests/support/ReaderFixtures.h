#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/AudioFixtures.h"

class AudioSource;

// Byte-level builders of AIFF, AIFF-C, AU and RIFF WAVE files for the
// reader tests, and helpers that read a source to its end or decode a file
// with the independent tools.

using Bytes = std::vector<uint8_t>;

// Appends integers and text in either byte order.
struct ByteWriter {
  Bytes bytes;
  ByteWriter& Le16(uint32_t v);
  ByteWriter& Le32(uint32_t v);
  ByteWriter& Be16(uint32_t v);
  ByteWriter& Be32(uint32_t v);
  ByteWriter& Text(const std::string& text);  // the characters, no terminator
  ByteWriter& Append(const Bytes& more);
  // An 80-bit IEEE extended number (AIFF sample rates); whole numbers only.
  ByteWriter& Extended(uint32_t value);
};

// 16-bit samples as bytes in the given order.
Bytes PcmBytes16(const std::vector<int16_t>& samples, bool bigEndian);

// --- RIFF WAVE -----------------------------------------------------------
// A chunk: identifier, little-endian size, body, and a zero pad byte after
// an odd body when `pad` is set.
Bytes RiffChunk(const std::string& id, const Bytes& body, bool pad = true);
// The 16-byte format chunk body plus `extra` (which starts with its own
// size field when the format needs one).
Bytes WaveFormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t blockAlign,
                     uint16_t bits, const Bytes& extra = {});
// "RIFF", the size of what follows, "WAVE", then the chunks as given.
Bytes WaveFile(const std::vector<Bytes>& chunks);
// A plain PCM WAV of 16-bit samples.
Bytes PcmWave16(uint32_t rate, uint16_t channels, const std::vector<int16_t>& samples);

// --- AIFF / AIFF-C -----------------------------------------------------
// A chunk: identifier, big-endian size, body, and a pad byte after an odd
// body.
Bytes IffChunk(const std::string& id, const Bytes& body);
// The common chunk body: channels, frames, sample size, rate, and for
// AIFF-C the compression type and its name as a padded Pascal string.
Bytes AiffCommBody(uint16_t channels, uint32_t frames, uint16_t bits, uint32_t rate,
                   const std::string& compression = "", const std::string& name = "");
// The sound-data chunk body: offset, block size, `offset` filler bytes and
// the samples.
Bytes AiffSsndBody(const Bytes& data, uint32_t offset = 0);
// "FORM", size, "AIFF" or "AIFC", then the chunks as given.
Bytes AiffFile(bool aifc, const std::vector<Bytes>& chunks);

// --- AU ------------------------------------------------------------------
struct AuHeader {
  uint32_t magic = 0x2E736E64;  // ".snd"
  uint32_t offset = 24;         // where the data starts
  uint32_t dataSize = 0xFFFFFFFF;
  uint32_t encoding = 3;
  uint32_t rate = 8000;
  uint32_t channels = 1;
  bool littleEndian = false;    // fields (and the magic) stored byte-swapped
};
// The header, `offset` − 24 bytes of annotation (zeros), then the data.
Bytes AuFile(const AuHeader& header, const Bytes& data);

// --- files and oracles ---------------------------------------------------
void WriteBytes(const std::string& path, const Bytes& bytes);
Bytes ReadBytes(const std::string& path);

// Everything a source delivers, interleaved as delivered (1 or 2 channels).
// Checks the block contract on the way: no call above 1152 frames, the
// frame count stored in the block, a mono source leaves `right` alone. 8-bit
// sources are widened to 16 bits as (v - 128) << 8.
struct SourceDump {
  std::vector<int16_t> samples;
  int calls = 0;
  bool contractKept = true;
};
SourceDump ReadToEnd(AudioSource& source);

// Decodes with sox to the top 16 bits of signed 32-bit samples (no dither) at the file's own rate
// and channels; `inputType` (for example "sndfile") forces sox's input handler. When sox fails, so
// does the running test, and nothing is answered.
std::vector<int16_t> DecodeWithSox(const std::string& path, const std::string& inputType = "");

// How many file descriptors the process holds: a reader must give back
// every one it took, on success and on failure alike.
int OpenDescriptorCount();

// Keeps channels `first` and `second` of interleaved samples.
std::vector<int16_t> PickChannels(const std::vector<int16_t>& samples, int channels, int first,
                                  int second);
