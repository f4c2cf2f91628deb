#pragma once

#include <cstdint>
#include <string>

#include "codecs/writers/AudioWriter.h"
#include "platform/amr/AmrEncoder.h"

// The band, mode and discontinuous transmission of an AMR output.
struct AmrSettings {
  bool narrowBand = true;
  // Mode index: 0..7 narrow band (4.75 to 12.2 kbit/s), 0..8 wide band
  // (6.60 to 23.85 kbit/s).
  int32_t mode = 4;
  bool dtx = false;
};

// Encodes mono 16-bit PCM to an AMR file: narrow band (.amr, 8000 Hz) or
// wide band (.awb, 16000 Hz). The encoder layer creates and writes the file;
// the writer cuts the incoming samples into whole codec frames (160 samples
// narrow band, 320 wide band), keeps the start of a frame that a block
// leaves unfinished until the next block, and pads the last partial frame
// with silence when it closes.
//
// A failed write fails the file: the block calls answer false from then on,
// and Close answers false.
class AmrWriter : public AudioWriter {
 public:
  explicit AmrWriter(const AmrSettings& settings = AmrSettings());
  ~AmrWriter() override;

  // Creates `path` for 16-bit mono PCM at the band's rate (8000 or 16000
  // Hz). False, with no file left, while a file is open, for any other
  // format, for a mode out of the band's range, or when the file cannot be
  // created.
  bool Open(const std::string& path, const WriterFormat& format) override;

  // Encodes every whole frame that the pending samples and the block make;
  // the rest waits for the next block. False when nothing is open or the
  // file has failed. AMR takes no 8-bit blocks: WriteBlock8 fails the file.
  bool WriteBlock16(const int16_t* left, const int16_t* right, int count) override;
  bool WriteBlock8(const uint8_t* left, const uint8_t* right, int count) override;

  // Encodes the pending samples followed by silence as one last frame, then
  // finishes the file. True when every frame reached the file system; false
  // after any failure and for a file that received no sample. True when
  // nothing is open.
  bool Close() override;

  // Samples waiting for the rest of their frame, and frames encoded into
  // the open file.
  int PendingSamples() const { return pendingCount_; }
  int64_t FramesEncoded() const { return frames_; }

 private:
  bool IsOpen() const { return narrowBandEncoder_ != nullptr || wideBandEncoder_ != nullptr; }
  bool EncodeFrame(const int16_t* samples);

  const AmrSettings settings_;
  AmrNbEncoder* narrowBandEncoder_ = nullptr;
  AmrWbEncoder* wideBandEncoder_ = nullptr;
  int frameSize_ = 0;
  int16_t pending_[kAmrWbFrameSamples] = {};
  int pendingCount_ = 0;
  int64_t frames_ = 0;
  bool failed_ = false;
};
