#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "codecs/readers/ByteSourceReader.h"
#include "codecs/readers/GsmDecoder.h"
#include "codecs/readers/SampleCodecs.h"

// What the RIFF WAVE reader knows of the open file.
struct RiffWaveFileState {
  enum class Codec { Fixed, MsAdpcm, ImaAdpcm, Gsm };

  bool formatSeen = false;
  uint16_t formatTag = 0;
  uint16_t storedBits = 0;
  uint16_t blockAlign = 0;
  uint32_t samplesPerBlock = 0;
  uint64_t dataLeft = 0;
  Codec codec = Codec::Fixed;
  SampleCodecs::SampleFormat sampleFormat = SampleCodecs::SampleFormat::S16Le;
  SampleCodecs::FrameLayout layout;
  std::vector<uint8_t> readBuffer;
  std::vector<int16_t> decoded;  // one decoded block, interleaved
  size_t decodedFrames = 0;
  size_t cursor = 0;  // frames of the block already delivered
  std::vector<int16_t> msCoefficients;
  std::unique_ptr<GsmDecoder> gsm;
};

// The program's own RIFF WAVE reader: integer PCM up to 32 bits, IEEE
// float, G.711, Microsoft ADPCM, IMA ADPCM and GSM 06.10. It is the last
// reader tried for a ".wav" file. Length and position count bytes of the
// data chunk.
class RiffWaveSource : public ByteSourceReader<RiffWaveFileState> {
 public:
  int Read(PcmBlock& block) override;

 private:
  using Codec = RiffWaveFileState::Codec;

  bool Parse() override;
  bool ParseChunks();
  bool ParseFormat(uint32_t chunkSize);
  bool SkipToLetter();
  bool Prepare();
  int ReadFixed(PcmBlock& block);
  int ReadDecoded(PcmBlock& block);
  bool DecodeNextBlock();
};
