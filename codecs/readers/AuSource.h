#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "codecs/readers/ByteSourceReader.h"
#include "codecs/readers/G72xDecoder.h"
#include "codecs/readers/SampleCodecs.h"

// What the AU reader knows of the open file.
struct AuFileState {
  bool bigEndian = true;
  uint32_t encoding = 0;
  uint32_t codeSize = 0;
  uint64_t dataStart = 0;
  SampleCodecs::SampleFormat sampleFormat = SampleCodecs::SampleFormat::S16Be;
  SampleCodecs::FrameLayout layout;
  std::vector<uint8_t> buffer;
  std::unique_ptr<G72xDecoder> adpcm;
  uint32_t reservoir = 0;  // ADPCM bits not yet decoded, lowest first
  int reservoirBits = 0;
};

// The program's own reader of Sun/NeXT audio files: a 24-byte header in
// either byte order, then linear PCM, float, G.711 or G.721/G.723 ADPCM
// data, all delivered as 16-bit samples. Length and position count data
// bytes, so reading stops exactly at the end of the data.
class AuSource : public ByteSourceReader<AuFileState> {
 public:
  int Read(PcmBlock& block) override;

 private:
  bool Parse() override;
  int ReadFixed(PcmBlock& block);
  int ReadAdpcm(PcmBlock& block);
};
