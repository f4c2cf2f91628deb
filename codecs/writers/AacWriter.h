#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "codecs/writers/AacBlockEncoder.h"
#include "codecs/writers/AudioWriter.h"
#include "platform/files/FileHandle.h"

// Encodes PCM to a bare AAC stream (an .aac file): every frame of the
// encoder, each with its 7-byte ADTS header, appended to the file as it
// comes. The stream is low-complexity AAC at the PCM's own rate (one of the
// 13 standard AAC rates) and channel count (1 or 2); the encoder's delay of
// one frame of silence comes first, as in every ADTS stream. A stream has
// at least three frames, so that players recognise it: an input of one
// frame or less is followed by silence.
//
// The edits of the encoder's configuration are given at construction and
// applied to every file it opens.
//
// Every write is checked: a full disk or a file-size limit makes the block
// call and Close answer false, so the caller fails the file and removes it.
// Once a file has failed, blocks are no longer encoded.
class AacWriter : public AudioWriter, private AacFrameSink {
 public:
  explicit AacWriter(const AacEncoderSettings& settings = AacEncoderSettings());
  ~AacWriter() override;

  // Opens the encoder for `format` (8- or 16-bit, 1 or 2 channels, a
  // standard AAC rate), creates (or truncates) `path` and starts the
  // encoder with the configuration edits. False, with no file left, while
  // a file is open, for any other format, or when a step fails.
  bool Open(const std::string& path, const WriterFormat& format) override;

  // One block of `count` samples per channel at the opened depth (8-bit
  // samples are widened to (value - 128) x 256); `right` is read only for
  // two channels. False when nothing is open, for the other depth, or when
  // a frame cannot be written.
  bool WriteBlock16(const int16_t* left, const int16_t* right, int count) override;
  bool WriteBlock8(const uint8_t* left, const uint8_t* right, int count) override;

  // Encodes what is still buffered, drains the encoder, closes the file.
  // True when every frame reached the file system; false after any failure
  // and for a file that received no sample. True when nothing is open.
  bool Close() override;

  // The encoder's configuration in use; null when nothing is open.
  const AacEncConfiguration* Configuration() const { return encoder_.Configuration(); }

 private:
  bool PadShortStream();
  bool StoreFrame(const uint8_t* bytes, size_t size) override;

  const AacEncoderSettings settings_;
  AacBlockEncoder encoder_;
  FilePtr file_;
  bool failed_ = false;
};
