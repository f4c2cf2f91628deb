#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "codecs/readers/ByteSource.h"
#include "codecs/readers/GsmDecoder.h"
#include "codecs/readers/SampleCodecs.h"
#include "source/AudioSource.h"

// The program's own RIFF WAVE reader: integer PCM up to 32 bits, IEEE
// float, G.711, Microsoft ADPCM, IMA ADPCM and GSM 06.10. It is the last
// reader tried for a ".wav" file. Length and position count bytes of the
// data chunk.
class RiffWaveSource : public AudioSource {
 public:
  RiffWaveSource() = default;
  ~RiffWaveSource() override;

  void Close() override;
  bool Open(const std::string& path, uint32_t renderRate) override;
  // Opens the bytes of a whole file; the reader keeps them until Close.
  bool OpenBytes(std::unique_ptr<ByteSource> bytes);
  int Read(PcmBlock& block) override;

 private:
  enum class Codec { Fixed, MsAdpcm, ImaAdpcm, Gsm };

  bool Parse();
  bool ParseFormat(uint32_t chunkSize);
  bool SkipToLetter();
  bool Prepare();
  int ReadFixed(PcmBlock& block);
  int ReadDecoded(PcmBlock& block);
  bool DecodeNextBlock();

  std::unique_ptr<ByteSource> bytes_;
  bool formatSeen_ = false;
  uint16_t formatTag_ = 0;
  uint16_t storedBits_ = 0;
  uint16_t blockAlign_ = 0;
  uint32_t samplesPerBlock_ = 0;
  uint64_t dataLeft_ = 0;
  Codec codec_ = Codec::Fixed;
  SampleCodecs::SampleFormat sampleFormat_ = SampleCodecs::SampleFormat::S16Le;
  SampleCodecs::FrameLayout layout_;
  std::vector<uint8_t> readBuffer_;
  std::vector<int16_t> decoded_;  // one decoded block, interleaved
  size_t decodedFrames_ = 0;
  size_t cursor_ = 0;             // frames of the block already delivered
  std::vector<int16_t> msCoefficients_;
  std::unique_ptr<GsmDecoder> gsm_;
};
