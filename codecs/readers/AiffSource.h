#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "codecs/readers/ByteSourceReader.h"
#include "codecs/readers/DwvwDecoder.h"
#include "codecs/readers/GsmDecoder.h"
#include "codecs/readers/SampleCodecs.h"

// What the AIFF reader knows of the open file.
struct AiffFileState {
  bool aifc = false;
  bool commonSeen = false;
  bool soundSeen = false;
  uint32_t sampleFrames = 0;
  uint32_t commonFrames = 0;  // the common chunk's frame count as stored
  uint32_t sampleSize = 0;
  int encoding = 0;
  bool bigEndian = true;
  int rightChannel = 0;  // channel delivered as right (0: mono)
  uint64_t dataStart = 0;
  uint64_t dataLeft = 0;
  SampleCodecs::SampleFormat sampleFormat = SampleCodecs::SampleFormat::S16Be;
  SampleCodecs::FrameLayout layout;
  std::vector<uint8_t> buffer;
  SampleCodecs::ImaState ima[2];
  std::unique_ptr<GsmDecoder> gsm;
  std::unique_ptr<DwvwDecoder> dwvw;
  std::vector<int32_t> dwvwSamples;
  uint64_t dwvwFramesLeft = 0;
};

// The program's own AIFF and AIFF-C reader. It walks the IFF chunks, takes
// the stream description from the common chunk and the samples from the
// sound-data chunk, and delivers two of up to six channels. Length is the
// size of the sound data and position the sound-data bytes read, so
// progress and bit rate count samples, not the other chunks of the file.
class AiffSource : public ByteSourceReader<AiffFileState> {
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

  int Read(PcmBlock& block) override;

  // The sample rate of an 80-bit IEEE extended number, truncated; 0 for a
  // value that is negative, below 1 or beyond 32 bits.
  static uint32_t ExtendedToRate(const uint8_t* p);

 private:
  bool Parse() override;
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
};
