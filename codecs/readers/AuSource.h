#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "codecs/readers/ByteSource.h"
#include "codecs/readers/G72xDecoder.h"
#include "codecs/readers/SampleCodecs.h"
#include "source/AudioSource.h"

// The program's own reader of Sun/NeXT audio files: a 24-byte header in
// either byte order, then linear PCM, float, G.711 or G.721/G.723 ADPCM
// data, all delivered as 16-bit samples. Length and position count data
// bytes, so reading stops exactly at the end of the data.
class AuSource : public AudioSource {
 public:
  AuSource() = default;
  ~AuSource() override;

  void Close() override;
  bool Open(const std::string& path, uint32_t renderRate) override;
  // Opens the bytes of a whole file; the reader keeps them until Close.
  bool OpenBytes(std::unique_ptr<ByteSource> bytes);
  int Read(PcmBlock& block) override;

 private:
  bool ParseHeader();
  int ReadFixed(PcmBlock& block);
  int ReadAdpcm(PcmBlock& block);

  std::unique_ptr<ByteSource> bytes_;
  bool bigEndian_ = true;
  uint32_t encoding_ = 0;
  uint32_t codeSize_ = 0;
  uint64_t dataStart_ = 0;
  SampleCodecs::SampleFormat sampleFormat_ = SampleCodecs::SampleFormat::S16Be;
  SampleCodecs::FrameLayout layout_;
  std::vector<uint8_t> buffer_;
  std::unique_ptr<G72xDecoder> adpcm_;
  uint32_t reservoir_ = 0;  // ADPCM bits not yet decoded, lowest first
  int reservoirBits_ = 0;
};
