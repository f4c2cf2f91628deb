#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "codecs/writers/AudioWriter.h"
#include "platform/files/FileHandle.h"
#include "source/TagInfo.h"

// How the Opus encoder spends its bits.
enum class OpusRateMode { VBR = 0, CONSTRAINED_VBR = 1, CBR = 2 };

// What an Ogg Opus file is written with besides its PCM.
struct OpusSettings {
  int bitsPerSecond = 128000;  // 6000 to 510000
  OpusRateMode mode = OpusRateMode::VBR;
  int complexity = 10;  // 0 (fastest) to 10 (best)
  // The OpusTags comments (VorbisCommentFields); empty: only the encoder's
  // vendor text.
  TagInfo comments;
};

// Encodes signed 16-bit PCM to Opus in an Ogg stream file. The encoder is
// given the PCM at its own rate and resamples it to the 48 kHz Opus works
// at; the header's pre-skip and the last page's granule position make a
// decoder give back exactly as many samples as were written (at 48 kHz,
// their count scaled by 48000 / rate). The file starts with the
// identification and comment headers, flushed at Open.
//
// Every write is checked: a full disk or a file-size limit makes the block
// call and Close answer false, so the caller removes the file instead of
// keeping a truncated stream as a success.
class OpusWriter : public AudioWriter {
 public:
  explicit OpusWriter(OpusSettings settings = OpusSettings());
  ~OpusWriter() override;

  // Sets up the encoder, creates (or truncates) `path` and writes the
  // headers. False while a file is open, for a format other than 16-bit with
  // 1 or 2 channels at 1 to 768000 Hz, or when the file cannot be created
  // or its headers cannot be written (it is removed again).
  bool Open(const std::string& path, const WriterFormat& format) override;
  bool WriteBlock16(const int16_t* left, const int16_t* right, int count) override;
  // The encoder takes 16-bit samples only: an 8-bit block fails the file.
  bool WriteBlock8(const uint8_t* left, const uint8_t* right, int count) override;
  // Encodes what the encoder still holds, writes the last page (its granule
  // ends the stream at the last sample written) and closes the file. True
  // only when every byte reached the file system.
  bool Close() override;

 private:
  struct Encoder;

  const OpusSettings settings_;
  FilePtr file_;
  std::unique_ptr<Encoder> encoder_;
  std::vector<int16_t> interleaved_;
  int channels_ = 0;
  bool failed_ = false;
};
