#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "codecs/readers/ByteSource.h"
#include "codecs/readers/DwvwDecoder.h"
#include "codecs/readers/GsmDecoder.h"
#include "codecs/readers/SampleCodecs.h"
#include "source/AudioSource.h"

// The program's own AIFF and AIFF-C reader. It walks the IFF chunks, takes
// the stream description from the common chunk and the samples from the
// sound-data chunk, and delivers two of up to six channels. Length is the
// size of the sound data and position the sound-data bytes read, so
// progress and bit rate count samples, not the other chunks of the file.
class AiffSource : public AudioSource {
 public:
  // The stored encodings.
  enum Encoding {
    kUlaw = 1,
    kAlaw = 2,
    kFloat32 = 3,
    kFloat64 = 4,
    kPcm = 5,
    kIma4 = 6,
    kRaw = 7,
    kGsm = 8,
    kDwvw = 9,
  };

  AiffSource() = default;
  ~AiffSource() override;

  void Close() override;
  bool Open(const std::string& path, uint32_t renderRate) override;
  // Opens the bytes of a whole file; the reader keeps them until Close.
  bool OpenBytes(std::unique_ptr<ByteSource> bytes);
  int Read(PcmBlock& block) override;

  // The sample rate of an 80-bit IEEE extended number, truncated; 0 for a
  // value that is negative, below 1 or beyond 32 bits.
  static uint32_t ExtendedToRate(const uint8_t* p);

 private:
  bool ParseChunks();
  bool ParseCommon(uint64_t size);
  bool SelectEncoding(uint32_t compression);
  bool Prepare();
  bool HoldsWholeFrame();
  int ReadFixed(PcmBlock& block);
  int ReadIma4(PcmBlock& block);
  int ReadGsm(PcmBlock& block);
  int ReadDwvw(PcmBlock& block);
  size_t ReadData(uint8_t* out, size_t count);

  std::unique_ptr<ByteSource> bytes_;
  bool aifc_ = false;
  bool commonSeen_ = false;
  bool soundSeen_ = false;
  uint32_t sampleFrames_ = 0;
  uint32_t commonFrames_ = 0;  // the common chunk's frame count as stored
  uint32_t sampleSize_ = 0;
  int encoding_ = 0;
  bool bigEndian_ = true;
  int rightChannel_ = 0;  // channel delivered as right (0: mono)
  uint64_t dataStart_ = 0;
  uint64_t dataLeft_ = 0;
  SampleCodecs::SampleFormat sampleFormat_ = SampleCodecs::SampleFormat::S16Be;
  SampleCodecs::FrameLayout layout_;
  std::vector<uint8_t> buffer_;
  SampleCodecs::ImaState ima_[2];
  std::unique_ptr<GsmDecoder> gsm_;
  std::unique_ptr<DwvwDecoder> dwvw_;
  std::vector<int32_t> dwvwSamples_;
  uint64_t dwvwFramesLeft_ = 0;
};
