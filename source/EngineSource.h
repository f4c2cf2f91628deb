#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "source/AudioSource.h"

// The main source: decodes through the audio engine, which serves sampled
// formats (with its add-ons), MIDI songs and tracker modules.
class EngineSource : public AudioSource {
 public:
  // How the file was opened.
  enum Mode : uint32_t {
    MODE_STREAM = 0,  // a sampled-format stream
    MODE_MP3 = 1,     // a stream of a ".mp3" file: channel mode and ID3 blocks are read
    MODE_MODULE = 2,  // a tracker module
    MODE_MIDI = 3,    // a MIDI song rendered with the SoundFont
  };

  EngineSource() = default;
  // With `midiSong`, every file opens as a MIDI song whatever its name: the
  // reader of the MIDI kind, which also serves songs that carry another
  // extension or none.
  explicit EngineSource(bool midiSong) : midiSong_(midiSong) {}
  ~EngineSource() override;

  void Close() override;
  bool Open(const std::string& path, uint32_t renderRate) override;
  int Read(PcmBlock& block) override;
  uint64_t GetPosition() override;
  double DamagedAt() override;

  const uint8_t* GetId3v1Tag() override;
  const uint8_t* GetId3v2Tag(uint32_t& size) override;
  bool ReadTags(TagInfo& tags) override;
  std::string GetNote() override;
  std::string GetFault() override;

  Mode GetMode() const { return mode_; }

 private:
  bool midiSong_ = false;
  uint32_t handle_ = 0;
  Mode mode_ = MODE_STREAM;
  std::vector<uint8_t> buffer_;  // interleaved PCM of up to BLOCK_SAMPLES frames
  bool id3v1Asked_ = false;
  bool id3v2Asked_ = false;
  std::vector<uint8_t> id3v1Copy_;
  std::vector<uint8_t> id3v2Copy_;
};

// The channel mode of an MPEG audio frame header (4 bytes), or
// CHANNEL_MODE_UNKNOWN when the bytes are not a valid header: no sync,
// reserved version, layer or sample rate, a bad or free-format bit-rate
// index.
uint32_t MpegHeaderChannelMode(const uint8_t header[4]);

// The bit rate in kbps of a source: from the file size and duration when
// both are known, else from the PCM format.
uint32_t SourceBitRate(uint64_t fileLength, double seconds, uint32_t bitsPerSample,
                       uint32_t sampleRate, uint32_t channels);
